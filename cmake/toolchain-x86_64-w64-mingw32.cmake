# Cross-compiling for Windows with Debian's MinGW-w64 (x86_64-w64-mingw32).
set(VELMO_TARGET_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
