# Version numbers for the resource scripts and the launcher's usage text, in a
# generated header. The version is the project's; KX_VERSION_OVERRIDE replaces
# it in one build folder (scripts/release.sh --version, for upgrade tests).
set(KX_VERSION_OVERRIDE "" CACHE STRING "A version X.Y.Z instead of the project's (empty: none)")
set(KX_VERSION "${PROJECT_VERSION}")
if(KX_VERSION_OVERRIDE)
  set(KX_VERSION "${KX_VERSION_OVERRIDE}")
endif()
# Windows Installer reads a product version as major (0-255), minor (0-255), build (0-65535).
if(NOT KX_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$"
   OR CMAKE_MATCH_1 GREATER 255 OR CMAKE_MATCH_2 GREATER 255 OR CMAKE_MATCH_3 GREATER 65535)
  message(FATAL_ERROR "The version '${KX_VERSION}' is not X.Y.Z with X and Y at most 255 and "
                      "Z at most 65535")
endif()
set(KX_VERSION_COMMAS "${CMAKE_MATCH_1},${CMAKE_MATCH_2},${CMAKE_MATCH_3},0")
configure_file(${CMAKE_CURRENT_LIST_DIR}/KaptorixVersion.h.in
               ${CMAKE_BINARY_DIR}/generated/KaptorixVersion.h @ONLY)

function(kx_set_version_defines target)
  target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/generated)
endfunction()
