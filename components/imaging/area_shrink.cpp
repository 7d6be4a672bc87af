#include "components/imaging/area_shrink.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Weights are fixed point: a target pixel's weights along one axis add up to kOne.
constexpr int kWeightBits = 12;
constexpr uint32_t kOne = 1u << kWeightBits;
// A horizontally shrunk channel keeps 4 bits below the byte, so the vertical sum of 16-bit
// values times 12-bit weights stays within 32 bits.
constexpr int kRowExtraBits = 4;

// The source pixels one target pixel covers along an axis: from `first`, one weight each.
struct Span {
  int first = 0;
  std::vector<uint32_t> weights;
};

// Target pixel t covers [t·n/m, (t+1)·n/m) of the n source pixels; each source pixel weighs
// its overlap with that stretch. The rounded weights are made to add up to kOne exactly by
// giving the remainder to the largest, so a flat colour stays exactly that colour.
std::vector<Span> SpansOf(int sourceLength, int targetLength) {
  std::vector<Span> spans(static_cast<size_t>(targetLength));
  const double scale = static_cast<double>(sourceLength) / targetLength;
  for (int t = 0; t < targetLength; ++t) {
    const double start = t * scale;
    const double end = std::min<double>((t + 1) * scale, sourceLength);
    Span& span = spans[static_cast<size_t>(t)];
    span.first = static_cast<int>(start);
    const int last = std::min(sourceLength - 1, static_cast<int>(std::ceil(end)) - 1);
    uint32_t total = 0;
    size_t largest = 0;
    for (int s = span.first; s <= last; ++s) {
      const double overlap = std::min<double>(end, s + 1) - std::max<double>(start, s);
      const uint32_t weight = static_cast<uint32_t>(std::lround(std::max(0.0, overlap) / scale * kOne));
      if (!span.weights.empty() && weight > span.weights[largest]) largest = span.weights.size();
      span.weights.push_back(weight);
      total += weight;
    }
    span.weights[largest] += kOne - total;
  }
  return spans;
}

// One source row shrunk across, each channel times 2^kRowExtraBits.
void ShrinkRow(const uint8_t* source, const std::vector<Span>& columns, uint16_t* row) {
  for (const Span& column : columns) {
    const uint8_t* pixel = source + 3 * static_cast<size_t>(column.first);
    uint32_t sum[3] = {0, 0, 0};
    for (uint32_t weight : column.weights) {
      for (int c = 0; c < 3; ++c) sum[c] += pixel[c] * weight;
      pixel += 3;
    }
    for (int c = 0; c < 3; ++c) *row++ = static_cast<uint16_t>((sum[c] + (kOne >> (kRowExtraBits + 1))) >> (kWeightBits - kRowExtraBits));
  }
}

}  // namespace

bool ShrinkPixelRows(const uint8_t* source, size_t sourceStride, int sourceWidth, int sourceHeight, uint8_t* target,
                     size_t targetStride, int targetWidth, int targetHeight) {
  if (targetWidth <= 0 || targetHeight <= 0 || targetWidth > sourceWidth || targetHeight > sourceHeight) return false;
  const std::vector<Span> columns = SpansOf(sourceWidth, targetWidth);
  const std::vector<Span> rows = SpansOf(sourceHeight, targetHeight);
  const size_t channels = 3 * static_cast<size_t>(targetWidth);
  std::vector<uint32_t> sum(channels);
  // A source row on the border of two target rows is shrunk across once, for both.
  std::vector<uint16_t> lastRow(channels);
  int lastRowIndex = -1;
  constexpr uint32_t kRounding = 1u << (kWeightBits + kRowExtraBits - 1);
  for (int t = 0; t < targetHeight; ++t) {
    const Span& span = rows[static_cast<size_t>(t)];
    std::fill(sum.begin(), sum.end(), 0u);
    for (size_t k = 0; k < span.weights.size(); ++k) {
      const int s = span.first + static_cast<int>(k);
      if (s != lastRowIndex) {
        ShrinkRow(source + sourceStride * static_cast<size_t>(s), columns, lastRow.data());
        lastRowIndex = s;
      }
      const uint32_t weight = span.weights[k];
      for (size_t i = 0; i < channels; ++i) sum[i] += lastRow[i] * weight;
    }
    uint8_t* out = target + targetStride * static_cast<size_t>(t);
    for (size_t i = 0; i < channels; ++i) out[i] = static_cast<uint8_t>(std::min<uint32_t>(255, (sum[i] + kRounding) >> (kWeightBits + kRowExtraBits)));
  }
  return true;
}

bool AveragesLikeHalftone(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight) {
  return targetWidth <= sourceWidth && targetHeight <= sourceHeight && 100LL * targetWidth >= 79LL * sourceWidth &&
         100LL * targetHeight >= 79LL * sourceHeight;
}
