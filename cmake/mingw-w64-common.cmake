# Shared by the MinGW-w64 toolchain files; they set vistaro_mingw_triplet first.

# The win32 thread model needs no winpthread DLL, so prefer it where both are installed.
find_program(CMAKE_C_COMPILER NAMES ${vistaro_mingw_triplet}-gcc-win32 ${vistaro_mingw_triplet}-gcc
             REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${vistaro_mingw_triplet}-g++-win32
             ${vistaro_mingw_triplet}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${vistaro_mingw_triplet}-windres REQUIRED)
find_program(CMAKE_STRIP NAMES ${vistaro_mingw_triplet}-strip)

set(CMAKE_FIND_ROOT_PATH /usr/${vistaro_mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
