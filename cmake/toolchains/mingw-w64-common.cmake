# Shared part of the MinGW-w64 toolchains; KELVORAN_MINGW_TRIPLE is set by the caller.
set(CMAKE_C_COMPILER   ${KELVORAN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELVORAN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${KELVORAN_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KELVORAN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread go into each binary, so the plug-in needs only
# the DLLs that Windows itself ships.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# ctest runs the Windows binaries through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../wine-run.sh)
