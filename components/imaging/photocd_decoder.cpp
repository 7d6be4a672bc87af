#include <algorithm>
#include <cstring>

#include "components/imaging/decoders.h"

namespace {

constexpr size_t kMinimumSize = 1024 * 1024;
// An image pack names itself at the start of its second 2048-byte sector.
constexpr size_t kSignatureOffset = 0x800;
constexpr char kSignature[] = "PCD_IPI";
// The base image starts at sector 96.
constexpr size_t kBaseOffset = 96 * 2048;
constexpr int kBaseWidth = 768;
constexpr int kBaseHeight = 512;
// Rows come in pairs: two luma rows, then one row each of the two chroma planes at half width.
constexpr size_t kRowPairBytes = kBaseWidth * 2 + kBaseWidth / 2 * 2;

uint8_t Clamp(double value) { return static_cast<uint8_t>(std::clamp(value, 0.0, 255.0) + 0.5); }

// PhotoYCC to red, green, blue: luma and the two chroma differences scaled from their 8-bit codes
// (chroma centred on 156 and 137).
Rgb FromPhotoYcc(uint8_t luma, uint8_t chroma1, uint8_t chroma2) {
  double y = 1.3584 * luma;
  double c1 = 2.2179 * (chroma1 - 156);
  double c2 = 1.8215 * (chroma2 - 137);
  return {Clamp(y + c2), Clamp(y - 0.194 * c1 - 0.509 * c2), Clamp(y + c1)};
}

void ConvertRow(const uint8_t* luma, const uint8_t* chroma1, const uint8_t* chroma2, uint8_t* row) {
  for (int x = 0; x < kBaseWidth; ++x, row += 3) {
    Rgb colour = FromPhotoYcc(luma[x], chroma1[x / 2], chroma2[x / 2]);
    row[0] = colour.red;
    row[1] = colour.green;
    row[2] = colour.blue;
  }
}

}  // namespace

bool AcceptsPhotoCd(ByteSpan bytes) { return bytes.size() >= kMinimumSize; }

// The acceptance test takes any file of 1 MiB; only a real image pack is decoded, so that another
// large file is refused instead of turning into noise.
bool DecodePhotoCd(ByteSpan bytes, PixelBuffer& pixels) {
  size_t signatureLength = sizeof kSignature - 1;
  if (!AcceptsPhotoCd(bytes) || !Covers(bytes, kBaseOffset, kRowPairBytes * (kBaseHeight / 2))) return false;
  if (std::memcmp(bytes.data() + kSignatureOffset, kSignature, signatureLength) != 0) return false;
  if (!pixels.Allocate(kBaseWidth, kBaseHeight, 24)) return false;
  const uint8_t* pair = bytes.data() + kBaseOffset;
  for (int y = 0; y < kBaseHeight; y += 2, pair += kRowPairBytes) {
    const uint8_t* chroma1 = pair + kBaseWidth * 2;
    const uint8_t* chroma2 = chroma1 + kBaseWidth / 2;
    ConvertRow(pair, chroma1, chroma2, pixels.row(y));
    ConvertRow(pair + kBaseWidth, chroma1, chroma2, pixels.row(y + 1));
  }
  return true;
}
