# Refuse in-source builds: every preset has its own folder under build/.
if(CMAKE_SOURCE_DIR STREQUAL CMAKE_BINARY_DIR)
  message(FATAL_ERROR "In-source builds are not supported; use a preset (cmake --preset linux).")
endif()
