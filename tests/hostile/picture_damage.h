// The campaign's damaged pictures: each case number picks a seed and a kind of damage and
// seeds its own random numbers, so case n is the same file on every run and on every machine.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "tests/hostile/picture_seeds.h"

struct DamagedPicture {
  std::string what;  // the seed and what was done to it
  Bytes bytes;
};

// Case `index` of the campaign over `seeds`. The kinds of damage, in turn: a cut at any length
// (mostly inside the headers), flipped bits, a lying value (0, 1, all ones, the largest signed
// value, sizes at and beyond the picture limits, values whose row size overflows 32 bits)
// written over bytes of the headers, the same into a field of the seed's own format (sizes,
// depths, offsets, palettes, IFD entries, chunk lengths with their checksum made right again),
// bytes inserted, removed or copied elsewhere, and, for JPEG seeds, whole marker segments
// dropped, doubled, resized or filled with lying frame, table and scan parameters.
DamagedPicture MakeDamagedPicture(const std::vector<PictureSeed>& seeds, size_t index);
