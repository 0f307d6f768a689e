# Each folder of src/ lists its files in its own sources.cmake: portable ones (no Windows header; built into
# the program and the native host tests) and Windows-only ones.
set(QM_PORTABLE_SOURCES_ABS "")
set(QM_WINDOWS_SOURCES_ABS "")
set(QM_EXTRA_LIBS "")  # Windows libraries an area needs beyond the common ones
macro(qm_portable_sources)
  foreach(file ${ARGN})
    list(APPEND QM_PORTABLE_SOURCES_ABS ${CMAKE_SOURCE_DIR}/src/${file})
  endforeach()
endmacro()
macro(qm_windows_sources)
  foreach(file ${ARGN})
    list(APPEND QM_WINDOWS_SOURCES_ABS ${CMAKE_SOURCE_DIR}/src/${file})
  endforeach()
endmacro()
file(GLOB QM_SOURCE_LISTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*/sources*.cmake)
foreach(list_file ${QM_SOURCE_LISTS})
  include(${list_file})
endforeach()
