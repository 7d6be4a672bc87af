#include "components/sound/sound_stream.h"

#include <algorithm>

namespace {
// Sample frames read from the file at a time.
constexpr size_t kChunkFrames = 4096;
}  // namespace

bool SoundStream::Open(const std::string& path, uint64_t firstFrame, int rate) {
  resampler_.reset();
  if (!reader_.Open(path) || !SoundFormat{rate, reader_.shape().format.channels}.IsValid()) return false;
  reader_.Seek(std::min(firstFrame, reader_.shape().frames));
  const SoundFormat source = reader_.shape().format;
  if (source.rate != rate) resampler_.emplace(source.rate, rate, source.channels);
  return true;
}

void SoundStream::ReadSource(float* interleaved, size_t frames) {
  const size_t read = reader_.Read(interleaved, frames);
  std::fill(interleaved + read * static_cast<size_t>(sourceFormat().channels),
            interleaved + frames * static_cast<size_t>(sourceFormat().channels), 0.0f);
}

void SoundStream::Read(float* interleaved, size_t frames) {
  if (!resampler_) {
    ReadSource(interleaved, frames);
    return;
  }
  const size_t channels = static_cast<size_t>(sourceFormat().channels);
  chunk_.resize(kChunkFrames * channels);
  for (size_t made = resampler_->Pull(interleaved, frames); made < frames;
       made += resampler_->Pull(interleaved + made * channels, frames - made)) {
    ReadSource(chunk_.data(), kChunkFrames);
    resampler_->Push(chunk_.data(), kChunkFrames);
  }
}
