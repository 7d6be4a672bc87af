// An MP4 with sound as a player meets it: ffprobe finds an AAC track as long as the pictures, and
// Debian's own ffmpeg decodes from it the tone that went in.
#include <gtest/gtest.h>

#include "components/sound/sound_format.h"
#include "components/video/video.h"
#include "tests/sound/sound_samples.h"
#include "tests/support/files.h"
#include "tests/support/linux_program.h"
#include "tests/support/temp_folder.h"
#include "tests/video/container_reading.h"
#include "tests/video/synthetic_frames.h"

namespace {

// Two seconds of a 440 Hz tone, as long as the frames; a rate AAC has not is resampled to 48000.
TEST(VideoSound, AnMp4CarriesTheSoundAsAacAsLongAsThePictures) {
  const struct {
    int frameRate;
    SoundFormat wav;
    int trackRate;
  } cases[] = {{10, {48000, 2}, 48000}, {30, {44100, 1}, 44100}, {30, {37800, 2}, 48000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.frameRate) + " frames a second, sound at " + std::to_string(c.wav.rate));
    TempFolder folder;
    const int frameCount = 2 * c.frameRate;
    const VideoSound sound{folder / "sound.wav", 0, SoundFramesBefore(frameCount + 1, c.frameRate, c.wav.rate)};
    ASSERT_TRUE(WriteWav(sound.path, c.wav, Sine(c.wav, 440, 0.5, sound.frames), SampleKind::Pcm16));
    SyntheticFrames frames(96, 64);
    ASSERT_EQ(ExportVideo(frames, frameCount, c.frameRate, folder / "有声.mp4", VideoFormat::kMp4, 80, &sound),
              kVideoWritten);
    const std::string mp4 = folder / "有声.mp4";
    EXPECT_EQ(ProbeStreams(mp4, "a", "codec_name,profile,sample_rate,channels"),
              "aac,LC," + std::to_string(c.trackRate) + "," + std::to_string(c.wav.channels) + "\n");
    const std::string pictures = ProbeStreams(mp4, "v", "codec_name,duration");
    ASSERT_EQ(pictures.substr(0, 5), "h264,");
    EXPECT_NEAR(std::stod(ProbeStreams(mp4, "a", "duration")), std::stod(pictures.substr(5)), 1.0 / c.frameRate);
    const std::vector<std::string> decode = {"/usr/bin/ffmpeg", "-nostdin", "-v", "error", "-i", UnixPath(mp4), "-ac",
                                             "1", "-c:a", "pcm_f32le", UnixPath(folder / "heard.wav")};
    ASSERT_EQ(RunLinuxProgram(decode).status, 0);
    const std::vector<float> heard = ReadWavSamples(folder / "heard.wav");
    ASSERT_GT(heard.size(), static_cast<size_t>(c.trackRate));
    EXPECT_NEAR(LoudestFrequency(heard, c.trackRate, 100, 2000), 440, 5);
  }
}

// A sound that cannot be read fails the MP4 by name and leaves nothing; a GIF has no sound.
TEST(VideoSound, ASoundThatCannotBeReadFailsTheMp4ButNotTheGif) {
  TempFolder folder;
  ASSERT_TRUE(WriteText(folder / "sound.wav", "no sound"));
  const VideoSound sound{folder / "sound.wav", 0, 48000};
  SyntheticFrames frames(96, 64);
  EXPECT_EQ(ExportVideo(frames, 10, 10, folder / "a.mp4", VideoFormat::kMp4, 80, &sound), kVideoSoundUnreadable);
  EXPECT_EQ(ListFolder(folder.path()), std::vector<std::string>{"sound.wav"});
  EXPECT_EQ(ExportVideo(frames, 10, 10, folder / "a.gif", VideoFormat::kGif, 80, &sound), kVideoWritten);
}

}  // namespace
