# Shared part of the MinGW toolchain files: the compilers, where target libraries live, and a
# static link of the C and C++ runtimes, so a program needs no DLL beside it but FFmpeg's.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model: GoogleTest and the C++ library need std::mutex.
set(CMAKE_C_COMPILER ${VELMO_TARGET_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMO_TARGET_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMO_TARGET_TRIPLE}-windres)
set(CMAKE_AR ${VELMO_TARGET_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${VELMO_TARGET_TRIPLE}-ranlib CACHE FILEPATH "")

# Libraries built by tools/build-deps.sh sit in build/deps/TRIPLE beside Debian's MinGW root.
get_filename_component(_velmo_top "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_FIND_ROOT_PATH /usr/${VELMO_TARGET_TRIPLE} ${_velmo_top}/build/deps/${VELMO_TARGET_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(ZLIB_USE_STATIC_LIBS ON)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
