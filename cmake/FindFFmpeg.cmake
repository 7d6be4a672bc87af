# Finds the video libraries tools/build-media-deps.sh installs into build/deps/TRIPLE (FFmpeg's
# libavformat, libavfilter, libavcodec, libswscale and libavutil, with openh264) through their own
# pkg-config files, and offers FFmpeg::FFmpeg, linked statically with everything they need.
find_package(PkgConfig REQUIRED)
set(ENV{PKG_CONFIG_LIBDIR} "${PROJECT_SOURCE_DIR}/build/deps/${VELMO_TARGET_TRIPLE}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
pkg_check_modules(FFMPEG QUIET libavformat libavfilter libavcodec libswscale libavutil)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(FFmpeg REQUIRED_VARS FFMPEG_FOUND FFMPEG_STATIC_LDFLAGS)
if(FFmpeg_FOUND AND NOT TARGET FFmpeg::FFmpeg)
  add_library(FFmpeg::FFmpeg INTERFACE IMPORTED)
  set_target_properties(FFmpeg::FFmpeg PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${FFMPEG_STATIC_INCLUDE_DIRS}"
    INTERFACE_LINK_LIBRARIES "${FFMPEG_STATIC_LDFLAGS}")
endif()
