// Reading back what the export wrote, as far as the tests need: the top-level boxes of an MP4
// file and the blocks of a GIF file, and what Debian's ffprobe reads of a file's streams.
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

// ffprobe's `fields` ("codec_name,channels") of the streams `streams` selects ("a" the sound,
// "v" the pictures), one line each, the values in ffprobe's own order parted by commas.
std::string ProbeStreams(const std::string& path, const std::string& streams, const std::string& fields);
