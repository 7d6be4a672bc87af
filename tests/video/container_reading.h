// Reading back what the export wrote, as far as the tests need: the top-level boxes of an MP4
// file and the blocks of a GIF file.
#pragma once
#include <string>
#include <vector>

#include "tests/support/files.h"

// The types of the top-level boxes in file order ("ftyp", "moov", "mdat"); the list stops at
// the first box that does not fit the file, marked by "?".
std::vector<std::string> Mp4TopBoxes(const Bytes& file);

struct GifImage {
  int left, top, width, height;
  bool localPalette;
  int delay;              // hundredths of a second, from the graphic control extension before it
  bool transparentColour; // that extension marks a transparent colour
};

struct GifFile {
  bool valid = false;  // "GIF89a", every block in place, the trailer at the end
  int width = 0, height = 0;
  bool globalPalette = false;
  int loops = -1;  // the NETSCAPE2.0 repeat count (0 = forever); -1 without one
  std::vector<GifImage> images;
};
GifFile ReadGif(const Bytes& file);
