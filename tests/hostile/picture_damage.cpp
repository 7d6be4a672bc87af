#include "tests/hostile/picture_damage.h"

#include <zlib.h>

#include <algorithm>
#include <random>
#include <type_traits>

namespace {

using Random = std::mt19937;

// Values that have broken picture readers: zero and one, sign and width edges, the largest
// JPEG side and one beyond, picture sides whose product passes the pixel limit, and widths
// whose row size wraps around 32 bits at 3 and 4 bytes a pixel.
constexpr uint32_t kLies[] = {0,          1,          2,          3,          0x7F,       0x80,
                              0xFF,       0x100,      0x7FFF,     0x8000,     0xFFFF,     0x10000,
                              65500,      65501,      8193,       30000,      0x7FFFFFFF, 0x80000000,
                              0xFFFFFFFF, 0xFFFFFFFE, 0x55555556, 0x40000000, 0x20000001, 0x01000000};

// Adds to a case's description piece by piece, numbers in decimal.
void Say(std::string&) {}
template <typename First, typename... Rest>
void Say(std::string& what, const First& first, const Rest&... rest) {
  if constexpr (std::is_arithmetic_v<First>) {
    what += std::to_string(static_cast<uint64_t>(first));
  } else {
    what += first;
  }
  Say(what, rest...);
}

size_t Pick(Random& random, size_t count) { return count == 0 ? 0 : random() % count; }
uint32_t Lie(Random& random) { return kLies[Pick(random, std::size(kLies))]; }

// Headers live at the start of a file: most damage goes there.
size_t Position(Random& random, size_t size) {
  return random() % 4 != 0 ? Pick(random, std::min<size_t>(size, 160)) : Pick(random, size);
}

// Writes the low `width` bytes of `value` at `at`; bytes past the end are left out.
void Put(Bytes& bytes, size_t at, uint32_t value, int width, bool bigEndian) {
  for (int i = 0; i < width; ++i) {
    const int shift = 8 * (bigEndian ? width - 1 - i : i);
    if (at + i < bytes.size()) bytes[at + i] = static_cast<uint8_t>(value >> shift);
  }
}

uint32_t Get(const Bytes& bytes, size_t at, int width, bool bigEndian) {
  uint32_t value = 0;
  for (int i = 0; i < width; ++i) {
    const int shift = 8 * (bigEndian ? width - 1 - i : i);
    if (at + i < bytes.size()) value |= static_cast<uint32_t>(bytes[at + i]) << shift;
  }
  return value;
}

struct Field {
  size_t at;
  int width;
};

void LieInto(Bytes& bytes, const Field& field, bool bigEndian, Random& random, std::string& what) {
  const uint32_t value = Lie(random);
  Put(bytes, field.at, value, field.width, bigEndian);
  Say(what, " [", field.at, "]=", value & (field.width == 4 ? 0xFFFFFFFF : (1u << 8 * field.width) - 1));
}

// --- Generic damage -------------------------------------------------------------------------

void Cut(Bytes& bytes, Random& random, std::string& what) {
  bytes.resize(random() % 10 < 7 ? Pick(random, std::min<size_t>(bytes.size(), 600)) : Pick(random, bytes.size()));
  Say(what, " cut at ", bytes.size());
}

void FlipBits(Bytes& bytes, Random& random, std::string& what) {
  const int flips = 1 + static_cast<int>(random() % 8);
  for (int i = 0; i < flips; ++i)
    bytes[random() % 2 ? Position(random, bytes.size()) : Pick(random, bytes.size())] ^=
        static_cast<uint8_t>(1u << (random() % 8));
  Say(what, " ", flips, " bits flipped");
}

void LieAnywhere(Bytes& bytes, Random& random, std::string& what) {
  const int widths[] = {1, 2, 4};
  LieInto(bytes, {Position(random, bytes.size()), widths[Pick(random, 3)]}, random() % 2 == 0, random, what);
}

void Splice(Bytes& bytes, Random& random, std::string& what) {
  const size_t at = Position(random, bytes.size());
  const size_t length = 1 + Pick(random, 64);
  switch (random() % 4) {
    case 0: {
      Bytes noise(length);
      for (uint8_t& byte : noise) byte = static_cast<uint8_t>(random());
      bytes.insert(bytes.begin() + static_cast<ptrdiff_t>(at), noise.begin(), noise.end());
      Say(what, " ", length, " bytes inserted at ", at);
      break;
    }
    case 1:
      bytes.erase(bytes.begin() + static_cast<ptrdiff_t>(at),
                  bytes.begin() + static_cast<ptrdiff_t>(std::min(bytes.size(), at + length)));
      Say(what, " ", length, " bytes removed at ", at);
      break;
    case 2: {
      const size_t from = Pick(random, bytes.size());
      const size_t count = std::min({length, bytes.size() - from, bytes.size() - at});
      std::copy_n(Bytes(bytes).begin() + static_cast<ptrdiff_t>(from), count,
                  bytes.begin() + static_cast<ptrdiff_t>(at));
      Say(what, " bytes ", from, " copied over ", at);
      break;
    }
    default: {
      const Bytes head(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(at));
      bytes.insert(bytes.begin() + static_cast<ptrdiff_t>(at), head.begin(), head.end());
      Say(what, " first ", at, " bytes doubled");
    }
  }
}

// --- BMP, PCX and PhotoCD headers ------------------------------------------------------------

constexpr Field kBmpFields[] = {{2, 4},  {10, 4}, {14, 4}, {18, 4}, {22, 4}, {18, 2}, {20, 2},
                                {26, 2}, {28, 2}, {24, 2}, {30, 4}, {34, 4}, {46, 4}, {50, 4}};
constexpr Field kPcxFields[] = {{1, 1}, {2, 1}, {3, 1}, {4, 2}, {6, 2}, {8, 2}, {10, 2}, {65, 1}, {66, 2}, {68, 2}};
constexpr size_t kPcxPaletteSize = 769;
constexpr size_t kPhotoCdSignature = 0x800;
constexpr size_t kPhotoCdBase = 96 * 2048;

// One or two fields at once, so that a width and a height can lie together.
void LieInFields(Bytes& bytes, const Field* fields, size_t count, bool bigEndian, Random& random, std::string& what) {
  const int lies = random() % 3 == 0 ? 2 : 1;
  for (int i = 0; i < lies; ++i) LieInto(bytes, fields[Pick(random, count)], bigEndian, random, what);
}

void DamagePcxPalette(Bytes& bytes, Random& random, std::string& what) {
  if (bytes.size() < kPcxPaletteSize) return;
  const size_t marker = bytes.size() - kPcxPaletteSize;
  if (random() % 2 == 0) {
    bytes[marker] = static_cast<uint8_t>(random());
    Say(what, " palette marker ", bytes[marker]);
  } else {
    bytes.resize(marker + Pick(random, kPcxPaletteSize));
    Say(what, " palette cut");
  }
}

void DamagePhotoCd(Bytes& bytes, Random& random, std::string& what) {
  if (random() % 2 == 0) {
    bytes[kPhotoCdSignature + Pick(random, 7)] ^= 0x20;
    Say(what, " image pack name changed");
  } else {
    bytes.resize(kPhotoCdBase + Pick(random, bytes.size() - kPhotoCdBase));
    Say(what, " base image cut at ", bytes.size());
  }
}

// --- PNG chunks ----------------------------------------------------------------------------

struct Chunk {
  size_t at;  // its length field
  uint32_t length;
};

std::vector<Chunk> PngChunks(const Bytes& bytes) {
  std::vector<Chunk> chunks;
  for (size_t at = 8; at + 12 <= bytes.size();) {
    const uint32_t length = Get(bytes, at, 4, true);
    if (length > bytes.size() - at - 12) break;
    chunks.push_back({at, length});
    at += 12 + length;
  }
  return chunks;
}

// The checksum covers the type and the data; made right so that only the values lie.
void FixPngChecksum(Bytes& bytes, const Chunk& chunk) {
  const uLong crc = crc32(0, bytes.data() + chunk.at + 4, static_cast<uInt>(4 + chunk.length));
  Put(bytes, chunk.at + 8 + chunk.length, static_cast<uint32_t>(crc), 4, true);
}

void DamagePngFields(Bytes& bytes, Random& random, std::string& what) {
  const std::vector<Chunk> chunks = PngChunks(bytes);
  if (chunks.empty()) return LieAnywhere(bytes, random, what);
  const Chunk& chunk = chunks[random() % 2 == 0 ? 0 : Pick(random, chunks.size())];
  if (chunk.length == 0) return LieAnywhere(bytes, random, what);
  // Header fields: width, height, then single bytes (depth, colour type, methods, interlace).
  const Field inHeader[] = {{16, 4}, {20, 4}, {24, 1}, {25, 1}, {26, 1}, {27, 1}, {28, 1}};
  const Field field = chunk.at == 8 ? inHeader[Pick(random, std::size(inHeader))]
                                    : Field{chunk.at + 8 + Pick(random, chunk.length), random() % 2 == 0 ? 1 : 4};
  LieInto(bytes, field, true, random, what);
  FixPngChecksum(bytes, chunk);
}

void DamagePngChunks(Bytes& bytes, Random& random, std::string& what) {
  const std::vector<Chunk> chunks = PngChunks(bytes);
  if (chunks.empty()) return LieAnywhere(bytes, random, what);
  const Chunk chunk = chunks[Pick(random, chunks.size())];
  const auto begin = bytes.begin() + static_cast<ptrdiff_t>(chunk.at);
  const auto end = begin + static_cast<ptrdiff_t>(12 + chunk.length);
  switch (random() % 3) {
    case 0:
      bytes.erase(begin, end);
      Say(what, " chunk at ", chunk.at, " dropped");
      break;
    case 1: {
      const Bytes copy(begin, end);
      bytes.insert(end, copy.begin(), copy.end());
      Say(what, " chunk at ", chunk.at, " doubled");
      break;
    }
    default:
      LieInto(bytes, {chunk.at, 4}, true, random, what);
  }
}

// --- TIFF directory --------------------------------------------------------------------------

void DamageTiff(Bytes& bytes, Random& random, std::string& what) {
  if (bytes.size() < 8) return LieAnywhere(bytes, random, what);
  const bool bigEndian = bytes[0] == 'M';
  const uint32_t directory = Get(bytes, 4, 4, bigEndian);
  const uint32_t entries = directory + 2 <= bytes.size() ? Get(bytes, directory, 2, bigEndian) : 0;
  if (entries == 0 || random() % 8 == 0) {
    LieInto(bytes, random() % 2 == 0 ? Field{4, 4} : Field{directory, 2}, bigEndian, random, what);
    return;
  }
  // An entry: tag, type, count, value or offset.
  const size_t entry = directory + 2 + 12 * Pick(random, entries);
  const Field parts[] = {{entry, 2}, {entry + 2, 2}, {entry + 4, 4}, {entry + 8, 4}, {entry + 8, 2}};
  const size_t part = random() % 2 == 0 ? 3 : Pick(random, std::size(parts));
  Say(what, " tag ", Get(bytes, entry, 2, bigEndian));
  LieInto(bytes, parts[part], bigEndian, random, what);
}

// --- JPEG marker segments --------------------------------------------------------------------

struct Segment {
  size_t at;  // its FF
  uint8_t marker;
  size_t size;  // marker and length field included
};

bool IsStandalone(uint8_t marker) {
  return marker == 0xD8 || marker == 0xD9 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01;
}

// The segments up to the end marker, entropy-coded data skipped.
std::vector<Segment> JpegSegments(const Bytes& bytes) {
  std::vector<Segment> segments;
  size_t at = 2;
  while (at + 4 <= bytes.size() && bytes[at] == 0xFF) {
    const uint8_t marker = bytes[at + 1];
    if (IsStandalone(marker)) {
      at += 2;
      continue;
    }
    const size_t size = 2 + Get(bytes, at + 2, 2, true);
    if (at + size > bytes.size()) break;
    segments.push_back({at, marker, size});
    at += size;
    if (marker != 0xDA) continue;
    while (at + 1 < bytes.size() &&
           !(bytes[at] == 0xFF && bytes[at + 1] != 0 && (bytes[at + 1] < 0xD0 || bytes[at + 1] > 0xD7)))
      ++at;
  }
  return segments;
}

// Fields of the frame, table and scan segments, from the segment's FF.
Field JpegField(const Segment& segment, Random& random) {
  const size_t s = segment.at;
  switch (segment.marker) {
    case 0xC0:
    case 0xC1:
    case 0xC2: {
      // Precision, height, width, component count, then a component's id, sampling, table.
      const Field frame[] = {{s + 4, 1},  {s + 5, 2},  {s + 7, 2},  {s + 9, 1},
                             {s + 10, 1}, {s + 11, 1}, {s + 12, 1}, {s + 14, 1}};
      return frame[Pick(random, std::size(frame))];
    }
    case 0xC4:
      return {s + 4 + Pick(random, 17), 1};  // class and id, then the code counts
    case 0xDB:
      return {s + 4, 1};  // precision and table id
    case 0xDD:
      return {s + 4, 2};  // restart interval
    case 0xDA: {
      // Component count, a selector, its tables, then spectral start, end and approximation.
      const size_t end = s + segment.size;
      const Field scan[] = {{s + 4, 1}, {s + 5, 1}, {s + 6, 1}, {end - 3, 1}, {end - 2, 1}, {end - 1, 1}};
      return scan[Pick(random, std::size(scan))];
    }
    default:
      return {s + 2, 2};  // the length
  }
}

void DamageJpeg(Bytes& bytes, Random& random, std::string& what) {
  const std::vector<Segment> segments = JpegSegments(bytes);
  if (segments.empty()) return LieAnywhere(bytes, random, what);
  const Segment segment = segments[Pick(random, segments.size())];
  const auto begin = bytes.begin() + static_cast<ptrdiff_t>(segment.at);
  const auto end = begin + static_cast<ptrdiff_t>(segment.size);
  Say(what, " segment FF", segment.marker, " at ", segment.at);
  switch (random() % 6) {
    case 0:
      bytes.erase(begin, end);
      Say(what, " dropped");
      break;
    case 1: {
      const Bytes copy(begin, end);
      bytes.insert(end, copy.begin(), copy.end());
      Say(what, " doubled");
      break;
    }
    case 2: {
      // A marker inside the entropy-coded data that follows (restart, or any other).
      const uint8_t marker =
          random() % 2 == 0 ? static_cast<uint8_t>(0xD0 + random() % 8) : static_cast<uint8_t>(random());
      const size_t at = segment.at + segment.size + Pick(random, bytes.size() - segment.at - segment.size);
      bytes.insert(bytes.begin() + static_cast<ptrdiff_t>(at), {0xFF, marker});
      Say(what, " then marker FF", marker, " at ", at);
      break;
    }
    case 3:
      LieInto(bytes, {segment.at + 2, 2}, true, random, what);
      break;
    default:
      LieInto(bytes, JpegField(segment, random), true, random, what);
  }
}

// --- The families --------------------------------------------------------------------------

void DamageFormatFields(const PictureSeed& seed, Bytes& bytes, Random& random, std::string& what) {
  switch (seed.format) {
    case SeedFormat::Bmp:
      return LieInFields(bytes, kBmpFields, std::size(kBmpFields), false, random, what);
    case SeedFormat::Pcx:
      return LieInFields(bytes, kPcxFields, std::size(kPcxFields), false, random, what);
    case SeedFormat::Png:
      return DamagePngFields(bytes, random, what);
    case SeedFormat::Tiff:
      return DamageTiff(bytes, random, what);
    case SeedFormat::Jpeg:
      return DamageJpeg(bytes, random, what);
    case SeedFormat::PhotoCd:
      return DamagePhotoCd(bytes, random, what);
  }
}

void DamageFormatStructure(const PictureSeed& seed, Bytes& bytes, Random& random, std::string& what) {
  switch (seed.format) {
    case SeedFormat::Pcx:
      return DamagePcxPalette(bytes, random, what);
    case SeedFormat::Png:
      return DamagePngChunks(bytes, random, what);
    default:
      return DamageFormatFields(seed, bytes, random, what);
  }
}

}  // namespace

DamagedPicture MakeDamagedPicture(const std::vector<PictureSeed>& seeds, size_t index) {
  const PictureSeed& seed = seeds[index % seeds.size()];
  Random random(static_cast<uint32_t>(index * 2654435761u + 97));
  DamagedPicture damaged{"case " + std::to_string(index) + ": " + seed.what, seed.bytes};
  Bytes& bytes = damaged.bytes;
  switch ((index / seeds.size()) % 6) {
    case 0:
      Cut(bytes, random, damaged.what);
      break;
    case 1:
      FlipBits(bytes, random, damaged.what);
      break;
    case 2:
      LieAnywhere(bytes, random, damaged.what);
      break;
    case 3:
      DamageFormatFields(seed, bytes, random, damaged.what);
      break;
    case 4:
      Splice(bytes, random, damaged.what);
      break;
    default:
      DamageFormatStructure(seed, bytes, random, damaged.what);
  }
  return damaged;
}
