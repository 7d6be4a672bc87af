# Finds the video libraries tools/build-media-deps.sh installs into build/deps/TRIPLE as DLLs:
# FFmpeg's libavformat, libavfilter, libavcodec, libswscale and libavutil (openh264 is inside
# avcodec's DLL). Each is offered as FFmpeg::NAME, an imported DLL with its import library, and
# FFmpeg::FFmpeg links them all. FFMPEG_DLLS lists the DLLs.
set(_ffmpeg_prefix ${PROJECT_SOURCE_DIR}/build/deps/${VELMO_TARGET_TRIPLE})
set(FFMPEG_DLLS "")
set(_ffmpeg_missing "")
foreach(_library IN ITEMS avformat avfilter avcodec swscale avutil)
  file(GLOB _dll "${_ffmpeg_prefix}/bin/${_library}-*.dll")
  set(_import_library ${_ffmpeg_prefix}/lib/lib${_library}.dll.a)
  list(LENGTH _dll _dll_count)
  if(NOT _dll_count EQUAL 1 OR NOT EXISTS ${_import_library})
    list(APPEND _ffmpeg_missing ${_library})
  elseif(NOT TARGET FFmpeg::${_library})
    add_library(FFmpeg::${_library} SHARED IMPORTED)
    set_target_properties(FFmpeg::${_library} PROPERTIES
      IMPORTED_LOCATION ${_dll}
      IMPORTED_IMPLIB ${_import_library}
      INTERFACE_INCLUDE_DIRECTORIES ${_ffmpeg_prefix}/include)
  endif()
  list(APPEND FFMPEG_DLLS ${_dll})
endforeach()

if(_ffmpeg_missing)
  set(FFMPEG_DLLS "")
endif()
# One text, so the list's separators do not split the message into arguments.
list(JOIN _ffmpeg_missing ", " _ffmpeg_missing_text)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(FFmpeg REQUIRED_VARS FFMPEG_DLLS
  FAIL_MESSAGE "FFmpeg's DLLs (${_ffmpeg_missing_text}) are missing from ${_ffmpeg_prefix}: run tools/build-media-deps.sh")
if(FFmpeg_FOUND AND NOT TARGET FFmpeg::FFmpeg)
  add_library(FFmpeg::FFmpeg INTERFACE IMPORTED)
  set_target_properties(FFmpeg::FFmpeg PROPERTIES INTERFACE_LINK_LIBRARIES
    "FFmpeg::avformat;FFmpeg::avfilter;FFmpeg::avcodec;FFmpeg::swscale;FFmpeg::avutil")
endif()
