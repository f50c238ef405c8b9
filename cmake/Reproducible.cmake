# Reproducible Windows programs: the same sources give the same bytes in any
# build folder at any time. No link time stamp in the PE header (nor in the
# checksum computed from it), and no source or build folder in the objects.
if(WIN32 AND NOT MSVC)
  add_link_options(LINKER:--no-insert-timestamp)
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
                      -ffile-prefix-map=${PROJECT_BINARY_DIR}/=build/)
endif()
