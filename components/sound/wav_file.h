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
// (another format, compressed samples, a format outside SoundFormat::IsValid, no "fmt " chunk
// before the "data" chunk, a chunk that runs past the file's end before the data, a header cut
// short). A data chunk that claims more than the file holds, or 0 or 0xFFFFFFFF bytes, holds
// what the file holds from its start on.
std::optional<WavShape> ReadWavShape(const std::string& path);

// Writes a WAV as sound comes, 32-bit float (a take's source) or 16-bit PCM (a recording's
// track). Samples gather in memory and reach the file at WritePending or Flush.
class SoundFileWriter {
 public:
  SoundFileWriter() = default;
  SoundFileWriter(const SoundFileWriter&) = delete;
  SoundFileWriter& operator=(const SoundFileWriter&) = delete;
  ~SoundFileWriter();
  // Creates or replaces `path` with an empty WAV of `format` and `kind`; false when it cannot
  // (or the format is not valid).
  bool Open(const std::string& path, SoundFormat format, SampleKind kind = SampleKind::Float32);
  // `frames` sample frames of `format().channels` interleaved samples each. 16-bit samples are
  // the floats clipped to -1..1, times 32768, rounded to the nearest and kept within 16 bits,
  // so a 16-bit sound read and written again is unchanged.
  void Append(const float* interleaved, size_t frames);
  void AppendSilence(size_t frames);
  // Writes what gathered to the file without the header's sizes or the disk's flush, for a
  // writer that makes a whole file at once (a mix) and keeps its memory flat; false when the
  // disk refused. Samples the disk refused stay gathered for the next try, so a later flush
  // keeps them in their place.
  bool WritePending();
  // Writes what gathered and the header's sizes, and has the system put them on the disk; false
  // when the disk refused (full, lost): the file then holds what the last good flush left.
  bool Flush();
  // Flushes and closes; false as Flush, or when nothing was open.
  bool Close();
  SoundFormat format() const { return format_; }
  // Sample frames appended so far, flushed or not.
  uint64_t Frames() const { return frames_; }

 private:
  bool WriteSizes();

  FILE* file_ = nullptr;
  SoundFormat format_;
  SampleKind kind_ = SampleKind::Float32;
  uint64_t dataOffset_ = 0;
  std::vector<float> pending_;
  std::vector<uint8_t> bytes_;
  uint64_t frames_ = 0;
  uint64_t written_ = 0;  // sample frames in the file
};

// Reads a WAV file's samples as floats in -1..1, interleaved (a float sample beyond that range
// is clipped to it, one that is no number reads as 0).
class SoundFileReader {
 public:
  SoundFileReader() = default;
  SoundFileReader(const SoundFileReader&) = delete;
  SoundFileReader& operator=(const SoundFileReader&) = delete;
  ~SoundFileReader();
  // False when `path` is no WAV ReadWavShape reads.
  bool Open(const std::string& path);
  const WavShape& shape() const { return shape_; }
  // The next Read starts at sample frame `frame` (at most the length).
  bool Seek(uint64_t frame);
  // Up to `frames` sample frames into `interleaved`; fewer at the end, 0 after it or on a read
  // failure.
  size_t Read(float* interleaved, size_t frames);

 private:
  void CloseFile();

  FILE* file_ = nullptr;
  WavShape shape_;
  uint64_t position_ = 0;
  std::vector<uint8_t> bytes_;
};
