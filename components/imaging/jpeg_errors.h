// Error handling for libjpeg codecs. libjpeg reports a fatal error through error_exit, which must
// not return; this manager jumps back to the setjmp of the function that owns the codec. Such a
// function holds no C++ object with a destructor (the jump would skip it), destroys the codec on
// every path and closes its files.
#pragma once
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

struct JpegErrorJump {
  jpeg_error_mgr manager;  // first, so libjpeg's pointer to it is a pointer to the whole
  std::jmp_buf jump;
};

// Prepares `errors` and returns the pointer to store in the codec's err field. Fatal errors jump
// to errors.jump and nothing is ever printed. Warnings (a missing end marker, extraneous bytes,
// a short last scan) are ignored: libjpeg patches over the damage and the picture decodes as far
// as its data goes, as djpeg shows it.
jpeg_error_mgr* UseJpegErrorJump(JpegErrorJump& errors);
