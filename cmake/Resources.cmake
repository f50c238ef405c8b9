# The programs' resources: each program's script (its version information)
# beside its sources, and the icon and application manifest that both carry
# in resources/ at the top of the tree.
set(KX_SHARED_RESOURCES ${PROJECT_SOURCE_DIR}/resources)

# kx_add_resources(<target> <script.rc>)
function(kx_add_resources target script)
  target_sources(${target} PRIVATE ${script})
  target_include_directories(${target} PRIVATE ${KX_SHARED_RESOURCES})
  kx_set_version_defines(${target})
  # windres reports no dependencies of its own.
  set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS
    "${KX_SHARED_RESOURCES}/Kaptorix.manifest;${KX_SHARED_RESOURCES}/Kaptorix.ico")
endfunction()
