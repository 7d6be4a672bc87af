// Writing a picture as a baseline JFIF file through libjpeg.
#pragma once
#include <string>

#include "components/imaging/pixel_buffer.h"
#include "components/imaging/pixel_rows.h"

// The rows' layout says colour or grey.
struct JpegSettings {
  int quality;          // 1 to 100, libjpeg's quality scale
  bool optimizeCoding;  // Huffman tables made for the picture (two passes)
  int smoothing;        // libjpeg's smoothing factor, 0 to 100
};

// Creates or truncates `path` (UTF-8) and writes `rows` into it: 3-byte pixels (either order)
// for colour, grey pixels for grayscale, rows top first. False when the file cannot be created
// or written; a partly written file then stays.
bool WriteJpeg(const std::string& path, const PixelRows& rows, const JpegSettings& settings);

// The rows of a 24-bit (red, green, blue) or 8-bit (grey) buffer, for WriteJpeg.
PixelRows RowsOf(const PixelBuffer& pixels);
