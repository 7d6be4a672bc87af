// Sound picture files of every format ConvertToJpeg accepts, in the variants their decoders
// meet (depths, compressions, layouts), small so that damaged copies of them are quick to try.
#pragma once
#include <string>
#include <vector>

#include "tests/support/files.h"

enum class SeedFormat { Jpeg, Bmp, Tiff, Png, Pcx, PhotoCd };

struct PictureSeed {
  std::string what;
  SeedFormat format;
  Bytes bytes;
};

// The seeds, always the same bytes in the same order. `scratch` is a folder for the files
// libtiff and the converter write on the way.
std::vector<PictureSeed> PictureSeeds(const std::string& scratch);

// A sound JPEG of one flat colour, width × height: a small file for a large picture.
Bytes FlatJpeg(int width, int height);
