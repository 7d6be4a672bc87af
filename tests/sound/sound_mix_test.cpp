// A take's sources mixed into the recording's one track, and a part of a track cut out: real
// files in a temporary folder, held against the rule of SoundFramesBefore, their tones measured
// and the track read by ffprobe.
#include <gtest/gtest.h>

#include "components/sound/sound_format.h"
#include "components/sound/sound_mix.h"
#include "tests/sound/sound_samples.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "tests/video/container_reading.h"

namespace {

// The left side of 48 kHz stereo from `from` to `to` tenths of a second.
std::vector<float> LeftPart(const std::vector<float>& stereo, int from, int to) {
  std::vector<float> left;
  for (int i = from * 4800; i < to * 4800; ++i) left.push_back(stereo[2 * static_cast<size_t>(i)]);
  return left;
}

// A microphone of 2.5 seconds (mono 44.1 kHz, 440 Hz) and the computer's sound of 1 second
// (stereo 48 kHz, 1000 Hz) under 20 frames at 10 a second: 2 seconds of 48 kHz stereo, the
// longer cut, the shorter padded with silence; a source that is no WAV is left out.
TEST(SoundMix, TwoSourcesAtTheirLevelsMakeOneTrackExactlyAsLongAsTheFrames) {
  TempFolder folder;
  ASSERT_TRUE(WriteWav(folder / "麦克风.wav", {44100, 1}, Sine({44100, 1}, 440, 0.5, 110250)));
  ASSERT_TRUE(WriteWav(folder / "电脑.wav", {48000, 2}, Sine({48000, 2}, 1000, 0.5, 48000)));
  ASSERT_TRUE(WriteText(folder / "坏.wav", "no sound"));
  ASSERT_TRUE(MixSoundFiles({{folder / "麦克风.wav", 60}, {folder / "电脑.wav", 80}, {folder / "坏.wav", 100}}, 20, 10,
                            folder / "sound.wav"));
  EXPECT_EQ(ProbeStreams(folder / "sound.wav", "a", "codec_name,sample_rate,channels,duration"),
            "pcm_s16le,48000,2,2.000000\n");
  const std::vector<float> mix = ReadWavSamples(folder / "sound.wav");
  ASSERT_EQ(mix.size(), 2 * SoundFramesBefore(21, 10, 48000));
  for (size_t i = 0; i < mix.size(); i += 2) ASSERT_EQ(mix[i], mix[i + 1]) << "the microphone is heard on both sides";
  EXPECT_NEAR(ToneAmplitude(LeftPart(mix, 1, 9), 48000, 440), 0.3, 0.01);
  EXPECT_NEAR(ToneAmplitude(LeftPart(mix, 1, 9), 48000, 1000), 0.4, 0.01);
  EXPECT_NEAR(ToneAmplitude(LeftPart(mix, 11, 19), 48000, 440), 0.3, 0.01);
  EXPECT_LT(ToneAmplitude(LeftPart(mix, 11, 19), 48000, 1000), 0.002) << "silence after its end";
}

// A sum beyond full scale is clipped, never wrapped; 16-bit samples are rounded, not cut off.
// Nothing to mix leaves nothing.
TEST(SoundMix, SumsAreClippedAndRounded) {
  TempFolder folder;
  ASSERT_TRUE(WriteWav(folder / "a.wav", {1000, 1}, {0.75f, -0.75f, 0.3f / 32768, 0.7f / 32768, -0.7f / 32768}));
  ASSERT_TRUE(MixSoundFiles({{folder / "a.wav", 100}, {folder / "a.wav", 100}}, 1, 200, folder / "mix.wav"));
  std::vector<int> mixed;
  for (float sample : ReadWavSamples(folder / "mix.wav")) mixed.push_back(static_cast<int>(sample * 32768));
  EXPECT_EQ(mixed, std::vector<int>({32767, -32768, 1, 1, -1}));
  EXPECT_FALSE(MixSoundFiles({{folder / "missing.wav", 100}}, 10, 10, folder / "none.wav"));
  EXPECT_FALSE(MixSoundFiles({}, 10, 10, folder / "none.wav"));
  EXPECT_FALSE(FileExists(folder / "none.wav"));
}

// Frames 3 to 7 at 10 a second: from 0.2 s on, 0.5 s long; past the sound's end, silence.
TEST(SoundCut, APartOfATrackStartsAtItsFirstFrame) {
  TempFolder folder;
  ASSERT_TRUE(WriteWav(folder / "sound.wav", {48000, 2}, Sine({48000, 2}, 440, 0.5, 48000), SampleKind::Pcm16));
  const std::vector<float> whole = ReadWavSamples(folder / "sound.wav");
  for (const auto& [first, starts] : {std::pair{3, 9600}, std::pair{8, 33600}}) {
    ASSERT_TRUE(CutSoundAtFrames(folder / "sound.wav", first, first + 4, 10, folder / "cut.wav"));
    const std::vector<float> cut = ReadWavSamples(folder / "cut.wav");
    ASSERT_EQ(cut.size(), 24000u * 2);
    EXPECT_EQ(ReadWavShape(folder / "cut.wav")->kind, SampleKind::Pcm16);
    EXPECT_EQ(cut[0], whole[starts * 2]);
    EXPECT_EQ(cut[1], whole[starts * 2 + 1]);
    EXPECT_EQ(cut.back(), first == 8 ? 0.0f : whole[(starts + 24000) * 2 - 1]);
  }
  EXPECT_FALSE(CutSoundAtFrames(folder / "sound.wav", 0, 5, 10, folder / "bad.wav"));
  EXPECT_FALSE(CutSoundAtFrames(folder / "sound.wav", 5, 4, 10, folder / "bad.wav"));
  EXPECT_FALSE(CutSoundAtFrames(folder / "missing.wav", 1, 4, 10, folder / "bad.wav"));
  EXPECT_FALSE(FileExists(folder / "bad.wav"));
}

}  // namespace
