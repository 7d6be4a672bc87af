// Writing a picture as a baseline JFIF file through libjpeg.
#pragma once
#include <string>

#include "components/imaging/pixel_buffer.h"

struct JpegSettings {
  bool grayscale;       // one grey component instead of colour
  int quality;          // 1 to 100, libjpeg's quality scale
  bool optimizeCoding;  // Huffman tables made for the picture (two passes)
  int smoothing;        // libjpeg's smoothing factor, 0 to 100
};

// Creates or truncates `path` (UTF-8) and writes `pixels` into it: 24-bit pixels for colour,
// 8-bit grey pixels for grayscale, rows top first. False when the file cannot be created or
// written; a partly written file then stays.
bool WriteJpeg(const std::string& path, const PixelBuffer& pixels, const JpegSettings& settings);
