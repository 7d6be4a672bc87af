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
void WeighSpan(double start, double end, double scale, int first, int last, uint32_t* weights) {
  uint32_t total = 0;
  int largest = 0;
  for (int s = first; s <= last; ++s) {
    const double overlap = std::min<double>(end, s + 1) - std::max<double>(start, s);
    const uint32_t weight = static_cast<uint32_t>(std::lround(std::max(0.0, overlap) / scale * kOne));
    weights[s - first] = weight;
    if (s > first && weight > weights[largest]) largest = s - first;
    total += weight;
  }
  weights[largest] += kOne - total;
}

Spans SpansOf(int sourceLength, int targetLength) {
  const double scale = static_cast<double>(sourceLength) / targetLength;
  const auto startOf = [&](int t) { return t * scale; };
  const auto endOf = [&](int t) { return std::min<double>((t + 1) * scale, sourceLength); };
  const auto lastOf = [&](int t) { return std::min(sourceLength - 1, static_cast<int>(std::ceil(endOf(t))) - 1); };
  Spans spans;
  for (int t = 0; t < targetLength; ++t) spans.taps = std::max(spans.taps, lastOf(t) - static_cast<int>(startOf(t)) + 1);
  spans.first.resize(static_cast<size_t>(targetLength));
  spans.weights.assign(static_cast<size_t>(targetLength) * static_cast<size_t>(spans.taps), 0);
  for (int t = 0; t < targetLength; ++t) {
    const int first = static_cast<int>(startOf(t));
    const int last = lastOf(t);
    const int padding = spans.taps - (last - first + 1);
    const int before = std::min(padding, std::max(0, first + spans.taps - sourceLength));
    spans.first[static_cast<size_t>(t)] = first - before;
    WeighSpan(startOf(t), endOf(t), scale, first, last,
              spans.weights.data() + static_cast<size_t>(t) * static_cast<size_t>(spans.taps) + before);
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

// Rows shrunk across, kept while target rows still need them: the rows of one target row are
// consecutive, so a ring of `taps` rows holds them all, each source row shrunk once.
class ShrunkRows {
 public:
  ShrunkRows(const uint8_t* source, size_t stride, const Spans& columns, int taps)
      : source_(source), stride_(stride), columns_(columns), length_(3 * columns.first.size()),
        rows_(static_cast<size_t>(taps) * length_), held_(static_cast<size_t>(taps), -1) {}

  const uint16_t* Row(int s) {
    const size_t slot = static_cast<size_t>(s) % held_.size();
    uint16_t* row = rows_.data() + slot * length_;
    if (held_[slot] != s) {
      ShrinkRowAnyTaps(source_ + stride_ * static_cast<size_t>(s), columns_, row);
      held_[slot] = s;
    }
    return row;
  }

 private:
  const uint8_t* source_;
  size_t stride_;
  const Spans& columns_;
  size_t length_;
  std::vector<uint16_t> rows_;
  std::vector<int> held_;
};

// One target row from the rows it covers, each weighed (a weight fits 16 bits, so the products
// are 16 by 16 bits, which vectorise).
void BlendRows(const uint16_t* const* rows, const uint16_t* weights, int count, size_t channels, uint8_t* out) {
  constexpr uint32_t kRounding = 1u << (kWeightBits + kRowExtraBits - 1);
  constexpr int kShift = kWeightBits + kRowExtraBits;
  const auto put = [&](size_t i, uint32_t sum) { out[i] = static_cast<uint8_t>(std::min<uint32_t>(255, (sum + kRounding) >> kShift)); };
  if (count == 2) {
    const uint16_t *a = rows[0], *b = rows[1];
    const uint32_t wa = weights[0], wb = weights[1];
    for (size_t i = 0; i < channels; ++i) put(i, uint32_t{a[i]} * wa + uint32_t{b[i]} * wb);
  } else if (count == 3) {
    const uint16_t *a = rows[0], *b = rows[1], *c = rows[2];
    const uint32_t wa = weights[0], wb = weights[1], wc = weights[2];
    for (size_t i = 0; i < channels; ++i) put(i, uint32_t{a[i]} * wa + uint32_t{b[i]} * wb + uint32_t{c[i]} * wc);
  } else {
    for (size_t i = 0; i < channels; ++i) {
      uint32_t sum = 0;
      for (int k = 0; k < count; ++k) sum += uint32_t{rows[k][i]} * weights[k];
      put(i, sum);
    }
  }
}

}  // namespace

bool ShrinkPixelRows(const uint8_t* source, size_t sourceStride, int sourceWidth, int sourceHeight, uint8_t* target,
                     size_t targetStride, int targetWidth, int targetHeight, int firstRow, int endRow) {
  if (targetWidth <= 0 || targetHeight <= 0 || targetWidth > sourceWidth || targetHeight > sourceHeight) return false;
  if (endRow < 0) endRow = targetHeight;
  if (firstRow < 0 || firstRow > endRow || endRow > targetHeight) return false;
  const Spans columns = SpansOf(sourceWidth, targetWidth);
  const Spans rows = SpansOf(sourceHeight, targetHeight);
  const size_t channels = 3 * static_cast<size_t>(targetWidth);
  ShrunkRows shrunk(source, sourceStride, columns, rows.taps);
  std::vector<const uint16_t*> used(static_cast<size_t>(rows.taps));
  std::vector<uint16_t> weights(static_cast<size_t>(rows.taps));
  for (int t = firstRow; t < endRow; ++t) {
    int count = 0;
    for (int k = 0; k < rows.taps; ++k) {
      const uint32_t weight = rows.weights[static_cast<size_t>(t * rows.taps + k)];
      if (weight == 0) continue;
      used[static_cast<size_t>(count)] = shrunk.Row(rows.first[static_cast<size_t>(t)] + k);
      weights[static_cast<size_t>(count++)] = static_cast<uint16_t>(weight);
    }
    BlendRows(used.data(), weights.data(), count, channels, target + targetStride * static_cast<size_t>(t));
  }
  return true;
}

bool AveragesLikeHalftone(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight) {
  return targetWidth <= sourceWidth && targetHeight <= sourceHeight && 100LL * targetWidth >= 79LL * sourceWidth &&
         100LL * targetHeight >= 79LL * sourceHeight;
}
