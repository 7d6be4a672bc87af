// A sound at another rate. Each sample out is the sum of the samples in around its moment,
// weighted by a windowed sinc (a Blackman window over eight zero crossings each side) whose
// cut-off stands just below half the lower of the two rates, so that neither a rise nor a fall
// in rate folds tones back into what is heard, as straight-line interpolation would. The kernel
// is a table read with linear interpolation between its entries: a few dozen multiplications a
// sample. Sample n out stands at moment n × from / to of the input exactly (no delay); before
// the first sample in is silence. Plain C++ over numbers.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class SoundResampler {
 public:
  // From `fromRate` to `toRate` sample frames a second, `channels` interleaved samples a frame;
  // the rates are those of SoundFormat::IsValid.
  SoundResampler(int fromRate, int toRate, int channels);
  // Takes `frames` more sample frames in.
  void Push(const float* interleaved, size_t frames);
  // Up to `frames` sample frames out, as many as the input taken so far reaches; the count.
  size_t Pull(float* interleaved, size_t frames);

 private:
  void Weigh(double offset);

  int channels_;
  uint64_t step_;       // input frames per `outFrames_` output frames, the rates' ratio reduced
  uint64_t outFrames_;
  double cutoff_;       // of the input's half rate
  int64_t reach_;       // input frames each side of a moment that weigh in
  int64_t whole_ = 0;   // the next output's moment: whole input frames ...
  uint64_t part_ = 0;   // ... and `part_` / `outFrames_` of one
  int64_t first_;       // the input frame history_ starts with
  std::vector<float> history_;
  std::vector<float> weights_;
};
