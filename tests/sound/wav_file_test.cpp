// WAV files as a take writes them, as a kill leaves them and as a hostile file comes: real files
// in a temporary folder, written by SoundFileWriter, read back by SoundFileReader and ffprobe.
#include <gtest/gtest.h>

#include <cmath>

#include "components/services/little_endian.h"
#include "tests/sound/sound_samples.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "tests/video/container_reading.h"

namespace {

// Samples 16 bits hold exactly, so either kind reads back unchanged.
std::vector<float> Ramp(size_t frames, int channels) {
  std::vector<float> samples(frames * static_cast<size_t>(channels));
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<float>(int(i * 37 % 65536) - 32768) / 32768;
  return samples;
}

// More than two channels take the extensible header players expect; ffprobe holds each to it.
TEST(SoundFile, WhatIsWrittenReadsBackExactlyAndFfprobeReadsItToo) {
  const struct {
    SoundFormat format;
    SampleKind kind;
    std::string codec;
  } cases[] = {{{44100, 1}, SampleKind::Float32, "pcm_f32le"}, {{48000, 2}, SampleKind::Float32, "pcm_f32le"},
               {{48000, 6}, SampleKind::Float32, "pcm_f32le"}, {{48000, 2}, SampleKind::Pcm16, "pcm_s16le"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.format.channels) + " channels, " + c.codec);
    TempFolder folder;
    const std::string path = folder / "声音.wav";
    std::vector<float> samples = Ramp(5000, c.format.channels);
    SoundFileWriter writer;
    ASSERT_TRUE(writer.Open(path, c.format, c.kind));
    writer.Append(samples.data(), 3000);
    ASSERT_TRUE(writer.Flush());
    EXPECT_EQ(ReadWavShape(path)->frames, 3000u) << "a flushed file is whole";
    writer.Append(samples.data() + 3000 * c.format.channels, 2000);
    writer.AppendSilence(10);
    ASSERT_TRUE(writer.Close());
    samples.resize(samples.size() + 10 * static_cast<size_t>(c.format.channels), 0.0f);
    EXPECT_EQ(ReadWavSamples(path), samples);
    EXPECT_TRUE(ReadWavShape(path)->format == c.format && ReadWavShape(path)->kind == c.kind);
    EXPECT_EQ(ProbeStreams(path, "a", "codec_name,sample_rate,channels"),
              c.codec + "," + std::to_string(c.format.rate) + "," + std::to_string(c.format.channels) + "\n");
  }
}

// A take killed between flushes, or before its first: the whole frames the file holds are read.
TEST(SoundFile, AFileCutShortOrNeverFinishedIsReadByItsLength) {
  TempFolder folder;
  const std::vector<float> samples = Ramp(1000, 2);
  ASSERT_TRUE(WriteWav(folder / "whole.wav", {48000, 2}, samples));
  const Bytes whole = ReadBytes(folder / "whole.wav");
  const size_t dataSizeAt = whole.size() - 8000 - 4;
  const struct {
    const char* name;
    size_t bytesCut, frames;  // frames read back
    uint32_t dataSize, riffSize;
  } cases[] = {{"cut short mid-sample", 5, 999, 8000, Le32(whole, 4)},
               {"sizes never written", 0, 1000, 0, 0},
               {"size unknown", 0, 1000, 0xFFFFFFFF, 0xFFFFFFFF},
               {"size beyond the file", 0, 1000, 8000 + 4096, Le32(whole, 4)},
               {"a chunk after the data", 0, 500, 4000, Le32(whole, 4)}};
  for (const auto& c : cases) {
    Bytes bytes(whole.begin(), whole.end() - static_cast<std::ptrdiff_t>(c.bytesCut));
    SetLe32(bytes.data(), dataSizeAt, c.dataSize);
    SetLe32(bytes.data(), 4, c.riffSize);
    ASSERT_TRUE(WriteBytes(folder / "cut.wav", bytes));
    EXPECT_EQ(ReadWavSamples(folder / "cut.wav"), std::vector<float>(samples.begin(), samples.begin() + c.frames * 2))
        << c.name;
  }
}

// Headers no writer of WAV files makes are refused outright, whatever sizes they claim; float
// samples beyond -1..1 are clipped, and one that is no number is silence.
TEST(SoundFile, HostileHeadersAreRefusedAndHostileSamplesTamed) {
  TempFolder folder;
  ASSERT_TRUE(WriteWav(folder / "good.wav", {44100, 2}, Ramp(100, 2), SampleKind::Pcm16));
  const Bytes good = ReadBytes(folder / "good.wav");
  const struct {
    const char* name;
    size_t at;
    uint32_t value;
    bool wide;  // 4 bytes, else 2
  } cases[] = {{"no channels", 22, 0, false},          {"300 channels", 22, 300, false},
               {"rate 0", 24, 0, true},                {"rate beyond int", 24, 0xFFFFFFF0, true},
               {"rate 999999", 24, 999999, true},      {"a block of another size", 32, 6, false},
               {"24-bit samples", 34, 24, false},      {"compressed samples", 20, 0x55, false},
               {"no fmt chunk", 12, 0x6B6E756A, true}, {"fmt beyond the file", 16, 0x7FFFFFF0, true},
               {"not a WAVE", 8, 0x20495641, true}};
  for (const auto& c : cases) {
    Bytes bytes = good;
    c.wide ? SetLe32(bytes.data(), c.at, c.value) : SetLe16(bytes.data(), c.at, static_cast<uint16_t>(c.value));
    ASSERT_TRUE(WriteBytes(folder / "bad.wav", bytes));
    EXPECT_FALSE(ReadWavShape(folder / "bad.wav")) << c.name;
    EXPECT_FALSE(SoundFileReader().Open(folder / "bad.wav")) << c.name;
  }
  ASSERT_TRUE(WriteBytes(folder / "bad.wav", Bytes(good.begin(), good.begin() + 30)));
  EXPECT_FALSE(ReadWavShape(folder / "bad.wav")) << "cut in its header";
  EXPECT_FALSE(WriteWav(folder / "none.wav", {44100, 0}, {}));
  ASSERT_TRUE(WriteWav(folder / "loud.wav", {8000, 1}, {2.0f, -3.0f, NAN, 0.25f}));
  EXPECT_EQ(ReadWavSamples(folder / "loud.wav"), std::vector<float>({1.0f, -1.0f, 0.0f, 0.25f}));
}

}  // namespace
