// WAV files of sound. The working folder keeps each source of a take as 32-bit float samples
// in the device's own format, written as they come; every flush writes the header's sizes too,
// so the file is a whole WAV after any flush, and a kill loses only what came since. A
// recording's track is 16-bit PCM. Reading takes either, and takes the data's length from the
// file's size where the header claims more or was never finished (a file cut short).
#pragma once
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "components/sound/sound_format.h"

enum class SampleKind { Pcm16, Float32 };

// What a WAV file holds and where its samples are.
struct WavShape {
  SoundFormat format;
  SampleKind kind = SampleKind::Pcm16;
  uint64_t dataOffset = 0;  // bytes from the file's start to the first sample
  uint64_t frames = 0;      // whole sample frames present
};

// The shape of the WAV file at `path` (UTF-8); nothing when it is no WAV this program reads
// (another format, compressed samples, a header cut short).
std::optional<WavShape> ReadWavShape(const std::string& path);

// Writes a float WAV as sound comes. Samples gather in memory and reach the file at Flush.
class SoundFileWriter {
 public:
  SoundFileWriter() = default;
  SoundFileWriter(const SoundFileWriter&) = delete;
  SoundFileWriter& operator=(const SoundFileWriter&) = delete;
  ~SoundFileWriter();
  // Creates or replaces `path` with an empty WAV of `format`; false when it cannot.
  bool Open(const std::string& path, SoundFormat format);
  // `frames` sample frames of `format().channels` interleaved samples each.
  void Append(const float* interleaved, size_t frames);
  void AppendSilence(size_t frames);
  // Writes what gathered and the header's sizes, and has the system put them on the disk; false
  // when the disk refused (full, lost): the file then holds what the last good flush left.
  bool Flush();
  // Flushes and closes; false as Flush.
  bool Close();
  SoundFormat format() const { return format_; }
  // Sample frames appended so far, flushed or not.
  uint64_t Frames() const { return frames_; }

 private:
  FILE* file_ = nullptr;
  SoundFormat format_;
  std::vector<float> pending_;
  uint64_t frames_ = 0;
};

// Reads a WAV file's samples as floats in -1..1, interleaved.
class SoundFileReader {
 public:
  SoundFileReader() = default;
  SoundFileReader(const SoundFileReader&) = delete;
  SoundFileReader& operator=(const SoundFileReader&) = delete;
  ~SoundFileReader();
  bool Open(const std::string& path);
  const WavShape& shape() const { return shape_; }
  // The next Read starts at sample frame `frame` (at most the length).
  bool Seek(uint64_t frame);
  // Up to `frames` sample frames into `interleaved`; fewer at the end, 0 after it or on a read
  // failure.
  size_t Read(float* interleaved, size_t frames);

 private:
  FILE* file_ = nullptr;
  WavShape shape_;
  uint64_t position_ = 0;
  std::vector<uint8_t> bytes_;
};
