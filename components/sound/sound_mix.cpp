#include "components/sound/sound_mix.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "components/services/wide_text.h"
#include "components/sound/sound_format.h"
#include "components/sound/sound_stream.h"

namespace {

// Sample frames mixed at a time.
constexpr size_t kChunkFrames = 4096;

struct MixedSource {
  SoundStream stream;
  float gain = 1.0f;
};

// Adds `frames` frames of `from` (its own channels) into `mix` (`channels` each) at `gain`. A
// mono source goes to the first two channels, so it is heard on both sides; a source of more
// channels puts each where the mix has it.
void AddInto(std::vector<float>& mix, int channels, const std::vector<float>& from, int fromChannels, float gain,
             size_t frames) {
  for (size_t f = 0; f < frames; ++f) {
    float* out = mix.data() + f * static_cast<size_t>(channels);
    const float* in = from.data() + f * static_cast<size_t>(fromChannels);
    if (fromChannels == 1) {
      for (int c = 0; c < std::min(channels, 2); ++c) out[c] += in[0] * gain;
    } else {
      for (int c = 0; c < fromChannels; ++c) out[c] += in[c] * gain;
    }
  }
}

// Writes `length` sample frames of `sources` mixed, clipped to -1..1, as a 16-bit WAV of
// `format` at `target`; nothing is left there when it fails.
bool WriteMix(std::vector<std::unique_ptr<MixedSource>>& sources, SoundFormat format, uint64_t length,
              const std::string& target) {
  SoundFileWriter writer;
  bool written = writer.Open(target, format, SampleKind::Pcm16);
  std::vector<float> mix, from;
  for (uint64_t done = 0; written && done < length; done += kChunkFrames) {
    const size_t frames = static_cast<size_t>(std::min<uint64_t>(kChunkFrames, length - done));
    mix.assign(frames * static_cast<size_t>(format.channels), 0.0f);
    for (const std::unique_ptr<MixedSource>& source : sources) {
      const int channels = source->stream.sourceFormat().channels;
      from.resize(frames * static_cast<size_t>(channels));
      source->stream.Read(from.data(), frames);
      AddInto(mix, format.channels, from, channels, source->gain, frames);
    }
    for (float& sample : mix) sample = std::clamp(sample, -1.0f, 1.0f);
    writer.Append(mix.data(), frames);
    written = writer.WritePending();
  }
  written = writer.Close() && written;
  if (!written) DeleteFileW(Widen(target).c_str());
  return written;
}

}  // namespace

bool MixSoundFiles(const std::vector<SoundSourceFile>& sources, int videoFrames, int frameRate,
                   const std::string& target) {
  SoundFormat format;
  for (const SoundSourceFile& source : sources) {
    if (const std::optional<WavShape> shape = ReadWavShape(source.path)) {
      format.rate = std::max(format.rate, shape->format.rate);
      format.channels = std::max(format.channels, shape->format.channels);
    }
  }
  std::vector<std::unique_ptr<MixedSource>> mixed;
  for (const SoundSourceFile& source : sources) {
    auto opened = std::make_unique<MixedSource>();
    opened->gain = static_cast<float>(std::max(source.levelPercent, 0)) / 100.0f;
    if (opened->stream.Open(source.path, 0, format.rate)) mixed.push_back(std::move(opened));
  }
  if (mixed.empty() || videoFrames < 1 || frameRate < 1) return false;
  return WriteMix(mixed, format, SoundFramesBefore(videoFrames + 1, frameRate, format.rate), target);
}

bool CutSoundAtFrames(const std::string& source, int firstFrame, int lastFrame, int frameRate,
                      const std::string& target) {
  const std::optional<WavShape> shape = ReadWavShape(source);
  if (!shape || firstFrame < 1 || lastFrame < firstFrame || frameRate <= 0) return false;
  const int rate = shape->format.rate;
  const uint64_t start = SoundFramesBefore(firstFrame, frameRate, rate);
  std::vector<std::unique_ptr<MixedSource>> cut;
  cut.push_back(std::make_unique<MixedSource>());
  if (!cut.back()->stream.Open(source, start, rate)) return false;
  return WriteMix(cut, shape->format, SoundFramesBefore(lastFrame + 1, frameRate, rate) - start, target);
}
