#include "components/sound/sound_resampler.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr int kZeroCrossings = 8;
constexpr int kTableSteps = 512;  // entries per zero crossing
constexpr double kCutoffShare = 0.9;
constexpr double kPi = 3.14159265358979323846;

// sinc(u) × Blackman window, u from 0 to kZeroCrossings in 1 / kTableSteps steps, one more entry
// (0) at the end so the interpolation may read past the last.
std::vector<float> MakeKernel() {
  std::vector<float> table(kZeroCrossings * kTableSteps + 2, 0.0f);
  for (int i = 0; i <= kZeroCrossings * kTableSteps; ++i) {
    const double u = static_cast<double>(i) / kTableSteps;
    const double r = u / kZeroCrossings;
    const double window = 0.42 + 0.5 * std::cos(kPi * r) + 0.08 * std::cos(2 * kPi * r);
    const double sinc = i == 0 ? 1.0 : std::sin(kPi * u) / (kPi * u);
    table[static_cast<size_t>(i)] = static_cast<float>(sinc * window);
  }
  return table;
}

float Kernel(double u) {
  static const std::vector<float> table = MakeKernel();
  const double at = u * kTableSteps;
  if (at >= kZeroCrossings * kTableSteps) return 0.0f;
  const size_t index = static_cast<size_t>(at);
  const float share = static_cast<float>(at - static_cast<double>(index));
  return table[index] + (table[index + 1] - table[index]) * share;
}

}  // namespace

SoundResampler::SoundResampler(int fromRate, int toRate, int channels) : channels_(channels) {
  const uint64_t common = std::gcd(static_cast<uint64_t>(fromRate), static_cast<uint64_t>(toRate));
  step_ = static_cast<uint64_t>(fromRate) / common;
  outFrames_ = static_cast<uint64_t>(toRate) / common;
  cutoff_ = std::min(1.0, static_cast<double>(toRate) / fromRate) * kCutoffShare;
  reach_ = static_cast<int64_t>(std::ceil(kZeroCrossings / cutoff_));
  // The silence before the first sample, so every moment finds its neighbours in the history.
  first_ = -reach_;
  history_.assign(static_cast<size_t>(reach_ * channels_), 0.0f);
  weights_.resize(static_cast<size_t>(2 * reach_));
}

void SoundResampler::Push(const float* interleaved, size_t frames) {
  history_.insert(history_.end(), interleaved, interleaved + frames * static_cast<size_t>(channels_));
}

// weights_[k] for input frame whole_ - reach_ + 1 + k, `offset` (0..1) after whole_.
void SoundResampler::Weigh(double offset) {
  for (int64_t k = 0; k < 2 * reach_; ++k) {
    const double distance = std::fabs(static_cast<double>(reach_ - 1 - k) + offset);
    weights_[static_cast<size_t>(k)] = static_cast<float>(cutoff_) * Kernel(distance * cutoff_);
  }
}

size_t SoundResampler::Pull(float* interleaved, size_t frames) {
  const int64_t present = static_cast<int64_t>(history_.size()) / channels_;
  size_t made = 0;
  for (; made < frames && whole_ + reach_ < first_ + present; ++made) {
    Weigh(static_cast<double>(part_) / static_cast<double>(outFrames_));
    const float* from = history_.data() + (whole_ - reach_ + 1 - first_) * channels_;
    float* out = interleaved + made * static_cast<size_t>(channels_);
    for (int c = 0; c < channels_; ++c) {
      float sum = 0.0f;
      for (int64_t k = 0; k < 2 * reach_; ++k) sum += weights_[static_cast<size_t>(k)] * from[k * channels_ + c];
      out[c] = sum;
    }
    part_ += step_;
    whole_ += static_cast<int64_t>(part_ / outFrames_);
    part_ %= outFrames_;
  }
  // What no later moment reaches back to.
  const int64_t unused = std::clamp<int64_t>(whole_ - reach_ + 1 - first_, 0, present);
  history_.erase(history_.begin(), history_.begin() + unused * channels_);
  first_ += unused;
  return made;
}
