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

// The source pixels each target pixel covers along an axis, as the same number of taps for
// every target pixel so that the loops over them have a fixed length: target pixel t takes
// source pixels first[t] .. first[t] + taps - 1 with weights weights[t·taps ..]. A target pixel
// that covers fewer pixels gets zero weights, put in front at the far end so that no tap reads
// past the source.
struct Spans {
  int taps = 0;
  std::vector<int> first;
  std::vector<uint32_t> weights;
};

// Target pixel t covers [t·n/m, (t+1)·n/m) of the n source pixels; each source pixel weighs
// its overlap with that stretch. The rounded weights are made to add up to kOne exactly by
// giving the remainder to the largest, so a flat colour stays exactly that colour.
std::vector<uint32_t> WeightsOf(double start, double end, double scale, int first, int last) {
  std::vector<uint32_t> weights;
  uint32_t total = 0;
  size_t largest = 0;
  for (int s = first; s <= last; ++s) {
    const double overlap = std::min<double>(end, s + 1) - std::max<double>(start, s);
    const uint32_t weight = static_cast<uint32_t>(std::lround(std::max(0.0, overlap) / scale * kOne));
    if (!weights.empty() && weight > weights[largest]) largest = weights.size();
    weights.push_back(weight);
    total += weight;
  }
  weights[largest] += kOne - total;
  return weights;
}

Spans SpansOf(int sourceLength, int targetLength) {
  const double scale = static_cast<double>(sourceLength) / targetLength;
  std::vector<std::vector<uint32_t>> each(static_cast<size_t>(targetLength));
  Spans spans;
  spans.first.resize(static_cast<size_t>(targetLength));
  for (int t = 0; t < targetLength; ++t) {
    const double start = t * scale;
    const double end = std::min<double>((t + 1) * scale, sourceLength);
    const int first = static_cast<int>(start);
    const int last = std::min(sourceLength - 1, static_cast<int>(std::ceil(end)) - 1);
    each[static_cast<size_t>(t)] = WeightsOf(start, end, scale, first, last);
    spans.first[static_cast<size_t>(t)] = first;
    spans.taps = std::max(spans.taps, last - first + 1);
  }
  spans.weights.assign(static_cast<size_t>(targetLength) * static_cast<size_t>(spans.taps), 0);
  for (int t = 0; t < targetLength; ++t) {
    const std::vector<uint32_t>& weights = each[static_cast<size_t>(t)];
    int& first = spans.first[static_cast<size_t>(t)];
    const int padding = spans.taps - static_cast<int>(weights.size());
    const int before = std::min(padding, first + spans.taps > sourceLength ? first + spans.taps - sourceLength : 0);
    first -= before;
    std::copy(weights.begin(), weights.end(), spans.weights.begin() + static_cast<ptrdiff_t>(t * spans.taps + before));
  }
  return spans;
}

// One source row shrunk across, each channel times 2^kRowExtraBits. `kTaps` fixed at compile
// time for the common mild shrinks, so the taps unroll; 0 reads the count from `columns`.
template <int kTaps>
void ShrinkRow(const uint8_t* source, const Spans& columns, uint16_t* row) {
  const int taps = kTaps > 0 ? kTaps : columns.taps;
  const uint32_t* weight = columns.weights.data();
  for (int first : columns.first) {
    const uint8_t* pixel = source + 3 * static_cast<size_t>(first);
    uint32_t sum0 = 0, sum1 = 0, sum2 = 0;
    for (int k = 0; k < taps; ++k, pixel += 3) {
      const uint32_t w = *weight++;
      sum0 += pixel[0] * w;
      sum1 += pixel[1] * w;
      sum2 += pixel[2] * w;
    }
    constexpr uint32_t kHalf = kOne >> (kRowExtraBits + 1);
    constexpr int kShift = kWeightBits - kRowExtraBits;
    *row++ = static_cast<uint16_t>((sum0 + kHalf) >> kShift);
    *row++ = static_cast<uint16_t>((sum1 + kHalf) >> kShift);
    *row++ = static_cast<uint16_t>((sum2 + kHalf) >> kShift);
  }
}

void ShrinkRowAnyTaps(const uint8_t* source, const Spans& columns, uint16_t* row) {
  switch (columns.taps) {
    case 2: return ShrinkRow<2>(source, columns, row);
    case 3: return ShrinkRow<3>(source, columns, row);
    default: return ShrinkRow<0>(source, columns, row);
  }
}

}  // namespace

bool ShrinkPixelRows(const uint8_t* source, size_t sourceStride, int sourceWidth, int sourceHeight, uint8_t* target,
                     size_t targetStride, int targetWidth, int targetHeight) {
  if (targetWidth <= 0 || targetHeight <= 0 || targetWidth > sourceWidth || targetHeight > sourceHeight) return false;
  const Spans columns = SpansOf(sourceWidth, targetWidth);
  const Spans rows = SpansOf(sourceHeight, targetHeight);
  const size_t channels = 3 * static_cast<size_t>(targetWidth);
  std::vector<uint32_t> sum(channels);
  // A source row on the border of two target rows is shrunk across once, for both.
  std::vector<uint16_t> lastRow(channels);
  int lastRowIndex = -1;
  constexpr uint32_t kRounding = 1u << (kWeightBits + kRowExtraBits - 1);
  for (int t = 0; t < targetHeight; ++t) {
    std::fill(sum.begin(), sum.end(), 0u);
    for (int k = 0; k < rows.taps; ++k) {
      const uint32_t weight = rows.weights[static_cast<size_t>(t * rows.taps + k)];
      if (weight == 0) continue;
      const int s = rows.first[static_cast<size_t>(t)] + k;
      if (s != lastRowIndex) {
        ShrinkRowAnyTaps(source + sourceStride * static_cast<size_t>(s), columns, lastRow.data());
        lastRowIndex = s;
      }
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
