// A WAV file's samples from a sample frame on, at a rate of the reader's choosing (resampled
// where the file's differs), and silence after the file's end: what a mix takes from each
// source and the video export from a recording's track. Memory stays flat over the length.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "components/sound/sound_resampler.h"
#include "components/sound/wav_file.h"

class SoundStream {
 public:
  // Opens `path` (UTF-8) to be read from its sample frame `firstFrame` on (at its own rate) at
  // `rate`; false when it is no WAV SoundFileReader reads or `rate` is not a valid one.
  bool Open(const std::string& path, uint64_t firstFrame, int rate);
  // The file's own format: its channels are what Read gives.
  SoundFormat sourceFormat() const { return reader_.shape().format; }
  // Exactly `frames` sample frames at the chosen rate into `interleaved`, of
  // sourceFormat().channels samples each; silence beyond the file's end (or a read failure).
  void Read(float* interleaved, size_t frames);

 private:
  void ReadSource(float* interleaved, size_t frames);

  SoundFileReader reader_;
  std::optional<SoundResampler> resampler_;
  std::vector<float> chunk_;
};
