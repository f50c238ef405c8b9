# Hardening of every Windows program: stack protector and checked string
# functions (libssp, linked statically like the rest of the run-time),
# address space layout randomisation (high-entropy on x86_64), no-execute
# data, terminal-server aware. The shipped programs are stripped besides
# (kx_ship_program).
if(WIN32 AND NOT MSVC)
  add_compile_options(-fstack-protector-strong)
  add_compile_definitions(_FORTIFY_SOURCE=2)
  add_link_options(-fstack-protector-strong LINKER:--dynamicbase,--nxcompat,--tsaware)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    add_link_options(LINKER:--high-entropy-va)
  endif()
endif()

# The shipped exes carry no symbol table.
function(kx_ship_program target)
  if(NOT MSVC)
    target_link_options(${target} PRIVATE -s)
  endif()
endfunction()
