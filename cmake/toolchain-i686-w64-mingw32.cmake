# Cross-compiling for Windows with Debian's MinGW-w64 (i686-w64-mingw32).
set(VELMO_TARGET_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR X86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
