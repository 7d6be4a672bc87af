// The microphone recorded with a take, through the suite's PulseAudio server whose default
// input is a 440 Hz sine: the recording's track carries the tone for exactly the frames' length,
// a tone switched on with a flash on the screen lands with the flash's frame, a pause takes its
// stretch out of the sound, a take a kill left behind keeps its sound, and a source the system
// refuses leaves the take without it, said once.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/take_messages.h"
#include "app/recorder/take_sound_files.h"
#include "app/recording/sound_entry.h"
#include "components/services/file_bytes.h"
#include "components/services/wide_text.h"
#include "components/services/steady_clock.h"
#include "components/sound/sound_format.h"
#include "components/sound/wav_file.h"
#include "components/zip/zip.h"
#include "controls/event_delivery.h"
#include "controls/event_index.h"
#include "controls/tray_icon.h"
#include "controls/window_events.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "tests/recorder/colour_patch.h"
#include "tests/recorder/frame_pictures.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/recorder/settings_for_test.h"
#include "tests/support/files.h"
#include "tests/support/sound_server.h"
#include "tests/support/temp_folder.h"
#include "tests/video/container_reading.h"
#include "tests/sound/sound_samples.h"
#include "tests/zip/archive_bytes.h"
#include "tools/drive/waiting.h"

namespace {
using namespace RecorderWindow;

struct Track {
  SoundFormat format;
  std::vector<float> mono;  // the first channel
};

Track ReadTrack(const std::string& path) {
  Track track;
  SoundFileReader reader;
  if (!reader.Open(path)) return track;
  track.format = reader.shape().format;
  std::vector<float> samples(4096 * static_cast<size_t>(track.format.channels));
  for (size_t read; (read = reader.Read(samples.data(), 4096)) > 0;)
    for (size_t i = 0; i < read; ++i) track.mono.push_back(samples[i * track.format.channels]);
  return track;
}

std::vector<std::string> ZipEntryNames(const std::string& archive) {
  std::vector<std::string> names;
  for (const ReadRecord& record : CentralRecords(ReadBytes(archive))) names.push_back(record.fields.name);
  return names;
}

// The pause command, as the menu gives it.
void ChoosePause() { RaiseEvent(kId, 菜单_暂停, 0); }

// The first sample from `from` on whose magnitude passes `threshold`; samples.size() if none.
size_t FirstLoudSample(const std::vector<float>& samples, size_t from, float threshold) {
  for (size_t i = from; i < samples.size(); ++i)
    if (std::fabs(samples[i]) > threshold) return i;
  return samples.size();
}

// The sound server's microphone by its name; the default device is the same one.
constexpr char kSine[] = "Monitor of Velmo-Microphone";

SettingsForTest WithMicrophone(std::string name = {}, int frameRate = 10) {
  return SettingsForTest([&](Settings& settings) {
    settings.recordMicrophone = true;
    settings.microphoneName = name;
    settings.frameRate = frameRate;
  });
}

void RecordUntil(int frames) {
  Click(按钮1);
  ASSERT_TRUE(WaitUntil([frames] { return FrameCount >= frames; }, 20.0));
  Click(按钮2);
}

// The keys a user presses in SaveDialog before 保存按钮: the slider to its lowest (a save that
// converts rather than packing what was coded ahead), the format list one item down (mp4格式).
struct SaveKeys {
  bool lowestQuality = false;
  int formatItem = 0;
};

void Press(UnitId unit, WPARAM key) {
  const HWND control = LiveHwnd({SaveDialog::kId, unit});
  SendMessageW(control, WM_KEYDOWN, key, 0);
  SendMessageW(control, WM_KEYUP, key, 0);
}

void SaveAs(const std::string& target, SaveKeys keys = {}) {
  AnswerFileDialogsWith(target);
  WhenLoaded(SaveDialog::kId, [keys] {
    if (keys.lowestQuality) Press(SaveDialog::滑块条, VK_HOME);
    for (int i = 0; i < keys.formatItem; ++i) Press(SaveDialog::组合框, VK_DOWN);
    PostClick({SaveDialog::kId, SaveDialog::保存按钮});
  });
  Click(按钮3);
}

// The recording's track, unpacked.
Track RecordingTrack(const std::string& recording, const TempFolder& scratch) {
  const std::string folder = scratch / "unpacked";
  EXPECT_EQ(Unpack(nullptr, recording, folder), kZipDone);
  return ReadTrack(SoundEntryPath(folder));
}

// A second of the track from `from`.
std::vector<float> SecondOf(const Track& track, size_t from) {
  const size_t end = std::min(track.mono.size(), from + static_cast<size_t>(track.format.rate));
  return {track.mono.begin() + static_cast<std::ptrdiff_t>(std::min(from, end)), track.mono.begin() + static_cast<std::ptrdiff_t>(end)};
}

void ExpectTheSine(const Track& track, int frames, int frameRate) {
  ASSERT_TRUE(track.format.IsValid());
  EXPECT_EQ(track.mono.size(), SoundFramesBefore(frames + 1, frameRate, track.format.rate)) << "exactly the frames' length";
  const std::vector<float> second = SecondOf(track, track.mono.size() / 2 - track.format.rate / 2);
  EXPECT_NEAR(LoudestFrequency(second, track.format.rate, 300, 600), 440, 5);
  EXPECT_GT(ToneAmplitude(second, track.format.rate, 440), 0.1) << "well above the floor";
}

// The MP4's AAC track is as long as its pictures within a frame.
void ExpectTheSoundTrack(const std::string& video) {
  const std::string sound = ProbeStreams(video, "a", "codec_name,duration");
  ASSERT_EQ(sound.substr(0, 4), "aac,") << sound;
  const double soundSeconds = std::stod(sound.substr(4));
  const double pictureSeconds = std::stod(ProbeStreams(video, "v", "duration"));
  EXPECT_NEAR(soundSeconds, pictureSeconds, 0.1);
}

TEST(TakeSound, TheSineIsInTheRecordingWhetherTheSavePacksOrConvertsAndInTheMp4) {
  const SettingsForTest microphone = WithMicrophone();
  const struct {
    const char* name;
    SaveKeys keys;
  } saves[] = {{"sine.vmrc", {}}, {"converted.vmrc", {true, 0}}, {"sine.mp4", {false, 1}}};
  for (const auto& save : saves) {
    TempFolder scratch;
    const std::string target = scratch / save.name;
    int frames = 0;
    RunRecorder([&] {
      UseSystemClock();
      RecordUntil(25);
      frames = FrameCount;
      EXPECT_TRUE(HasTakeSound(WorkingFolder()));
      SaveAs(target, save.keys);
    });
    if (save.keys.formatItem == 1) {
      ExpectTheSoundTrack(target);
      continue;
    }
    const std::vector<std::string> entries = ZipEntryNames(target);
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.back(), kSoundEntryName) << "one more entry, after the frames";
    ExpectTheSine(RecordingTrack(target, scratch), frames, 10);
  }
}

// At 30 a second a frame lasts 33 ms: the tone switched on just before a patch appears begins
// in the sound within 40 ms of the time of the frame that first shows the patch, or the one
// before it (the patch came during that frame's period).
TEST(TakeSound, AToneSwitchedOnWithAFlashLandsWithTheFlashsFrame) {
  const SettingsForTest microphone = WithMicrophone(kSine, 30);
  ASSERT_TRUE(MuteSine(true));
  std::vector<Pixel> patchColours;
  Track track;
  RunRecorder([&] {
    UseSystemClock();
    Click(按钮1);
    ASSERT_TRUE(WaitUntil([] { return FrameCount >= 45; }, 20.0));
    UnmuteSineNow();
    const ColourPatch flash({300, 300, 400, 400}, RGB(255, 255, 255));
    ASSERT_TRUE(WaitUntil([] { return FrameCount >= 90; }, 20.0));
    Click(按钮2);
    for (int n = 1; n <= FrameCount; ++n) patchColours.push_back(DecodedPicture(TakeFrameFile(n)).At(350, 350));
    ASSERT_TRUE(MixTakeSound(WorkingFolder(), FrameCount, 30, WorkingFolder() + "\\mixed.wav"));
    track = ReadTrack(WorkingFolder() + "\\mixed.wav");
  });
  MuteSine(false);
  int flashFrame = 0;
  while (flashFrame < static_cast<int>(patchColours.size()) && !PixelNear(patchColours[flashFrame], {255, 255, 255}, 8))
    ++flashFrame;
  ++flashFrame;  // numbered from 1
  ASSERT_GT(flashFrame, 40);
  ASSERT_TRUE(track.format.IsValid());
  const size_t toneStart = FirstLoudSample(track.mono, 0, 0.2f);
  ASSERT_LT(toneStart, track.mono.size());
  const double toneMs = toneStart * 1000.0 / track.format.rate;
  EXPECT_GE(toneMs, (flashFrame - 2) * 1000.0 / 30 - 40) << "flash in frame " << flashFrame;
  EXPECT_LE(toneMs, (flashFrame - 1) * 1000.0 / 30 + 40) << "flash in frame " << flashFrame;
}

// The working folder's sound is the take's length, pause taken out, give or take a packet.
TEST(TakeSound, APauseTakesTheSameStretchOutOfTheSound) {
  const SettingsForTest microphone = WithMicrophone();
  RunRecorder([] {
    UseSystemClock();
    Click(按钮1);
    ASSERT_TRUE(WaitUntil([] { return FrameCount >= 10; }));
    ChoosePause();
    PumpFor(1500);
    ChoosePause();
    ASSERT_TRUE(WaitUntil([] { return FrameCount >= 20; }));
    Click(按钮2);
    const Track kept = ReadTrack(TakeSoundPath(WorkingFolder(), SoundSourceKind::Microphone));
    ASSERT_TRUE(kept.format.IsValid());
    const double soundSeconds = static_cast<double>(kept.mono.size()) / kept.format.rate;
    EXPECT_NEAR(soundSeconds, FrameCount / 10.0, 0.12) << "the 1.5 s pause is not in the sound";
  });
}

// What a kill leaves is what the last flush wrote; the next start offers the take, and its save
// has the sound, cut to the frames.
TEST(TakeSound, ATakeAKillLeftBehindKeepsItsSound) {
  const SettingsForTest microphone = WithMicrophone();
  TempFolder scratch;
  const std::string left = scratch / "left";
  RunRecorder([&] {
    UseSystemClock();
    Click(按钮1);
    ASSERT_TRUE(WaitUntil([] { return FrameCount >= 20; }));
    PumpFor(600);  // a flush since the 20th frame
    std::filesystem::copy(Widen(WorkingFolder()), Widen(left), std::filesystem::copy_options::recursive);
    Click(按钮2);
  });
  RemoveTree(WorkingFolder());
  std::filesystem::copy(Widen(left), Widen(WorkingFolder()), std::filesystem::copy_options::recursive);
  KeepWorkingFolderForNextRun();
  AnswerQuestionsWith(IDYES);
  const std::string target = scratch / "after-kill.vmrc";
  int frames = 0;
  RunRecorder([&] {
    frames = FrameCount;
    SaveAs(target);
  });
  ASSERT_GE(frames, 20);
  ExpectTheSine(RecordingTrack(target, scratch), frames, 10);
}

TEST(TakeSound, ASourceTheSystemRefusesIsLeftOutAndSaidOnce) {
  const SettingsForTest refused([](Settings& settings) {
    settings.recordMicrophone = true;
    settings.microphoneName = "没有这个麦克风";
    settings.recordComputerSound = true;  // this system's Wine has no loopback capture
  });
  TempFolder scratch;
  const std::string target = scratch / "silent.vmrc";
  const size_t before = TrayBalloonTexts().size();
  RunRecorder([&] {
    CaptureTicks(3);
    Click(按钮1);
    CaptureTicks(3);
    Click(按钮2);
    EXPECT_FALSE(HasTakeSound(WorkingFolder()));
    SaveAs(target);
  });
  ASSERT_EQ(TrayBalloonTexts().size(), before + 1);
  EXPECT_EQ(TrayBalloonTexts().back(),
            Widen(SoundLeftOutText(SoundSourceKind::Microphone, SoundRefusal::NoDevice) +
                  SoundLeftOutText(SoundSourceKind::ComputerSound, SoundRefusal::NotSupported)));
  const std::vector<std::string> entries = ZipEntryNames(target);
  EXPECT_EQ(std::count(entries.begin(), entries.end(), kSoundEntryName), 0) << "no track";
}

}  // namespace
