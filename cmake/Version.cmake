# Version numbers for the resource scripts, in a generated header.
set(KX_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
configure_file(${CMAKE_CURRENT_LIST_DIR}/KaptorixVersion.h.in
               ${CMAKE_BINARY_DIR}/generated/KaptorixVersion.h @ONLY)

function(kx_set_version_defines target)
  target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/generated)
endfunction()
