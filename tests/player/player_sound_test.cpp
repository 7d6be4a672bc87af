// The player plays a recording's sound as a listener hears it: what the private sound server's
// null output plays is recorded from its monitor by parec while the player runs. Tone while
// playing, silence paused or muted, the new place's sound after a seek, the frames on the
// sound's clock, no device, and the sound a range keeps.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/player/range_save.h"
#include "components/services/wide_text.h"
#include "controls/property_indexes.h"
#include "tests/player/player_fixture.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/sound/sound_samples.h"
#include "tests/support/linux_program.h"
#include "tools/drive/mouse.h"
#include "tools/drive/waiting.h"

namespace {

using namespace PlayerWindow;

constexpr int kRate = 44100;
constexpr int kFrames = 300;
constexpr char kTone[] = "tone";
constexpr char kSilence[] = "silence";

// 300 small frames at ten a second with as long a sound, a 440 Hz tone where `loud` says.
std::string WriteSoundRecording(const TempFolder& folder, bool (*loud)(size_t)) {
  const Bytes frame = JpegFrame(64, 48, {90, 90, 90});
  RecordingEntries entries;
  for (int n = 1; n <= kFrames; ++n) entries.push_back({std::to_string(n) + ".jpg", frame});
  std::vector<float> sound = Sine({kRate, 1}, 440, 0.25, SoundFramesBefore(kFrames + 1, 10, kRate));
  for (size_t n = 0; n < sound.size(); ++n) sound[n] = loud(n) ? sound[n] : 0;
  EXPECT_TRUE(WriteWav(folder / "sound.wav", {kRate, 1}, sound, SampleKind::Pcm16));
  entries.push_back({"sound.wav", ReadBytes(folder / "sound.wav")});
  WriteRecording(folder / "sound.vmrc", entries);
  return folder / "sound.vmrc";
}
bool Always(size_t) { return true; }
bool InTheSecondHalf(size_t n) { return n >= SoundFramesBefore(kFrames / 2 + 1, 10, kRate); }

// "tone" when at least three in four 50 ms windows of `samples` hold the 440 Hz tone (a busy
// machine may leave a gap), "silence" when none holds any sound, else what was heard.
std::string Verdict(const std::vector<float>& samples) {
  constexpr size_t kWindow = kRate / 20;
  int windows = 0, tone = 0, silent = 0;
  for (size_t at = 0; at + kWindow <= samples.size(); at += kWindow, ++windows) {
    const std::vector<float> window(samples.begin() + at, samples.begin() + at + kWindow);
    tone += ToneAmplitude(window, kRate, 440) > 0.1;
    silent += std::all_of(window.begin(), window.end(), [](float sample) { return std::fabs(sample) < 0.002f; });
  }
  if (windows >= 15 && tone >= windows * 3 / 4) return kTone;
  if (windows >= 15 && silent == windows) return kSilence;
  return std::to_string(windows) + " windows, " + std::to_string(tone) + " of the tone, " + std::to_string(silent) +
         " silent";
}

// The null output's monitor recorded by parec, 16-bit mono at 44.1 kHz, in the background (with
// a limit of its own) until the monitor goes.
class Monitor {
 public:
  Monitor() {
    const LinuxRun parec = RunLinuxProgram(
        {"/bin/sh", "-c",
         "/usr/bin/timeout -s INT 60 /usr/bin/parec -d velmo_out.monitor --raw --format=s16le --channels=1 "
         "--rate=44100 --latency-msec=20 '" + UnixPath(folder_.path()) + "/heard' </dev/null >/dev/null 2>&1 & echo $!"});
    pid_ = parec.output.substr(0, parec.output.find('\n'));
    EXPECT_TRUE(WaitUntil([&] { return Samples() > 0; })) << "parec records nothing";
  }
  ~Monitor() { RunLinuxProgram({"/bin/kill", pid_}); }
  Monitor(const Monitor&) = delete;
  Monitor& operator=(const Monitor&) = delete;

  // The verdict on a second of what was played, once what the player was just asked to do can
  // be heard (the device's latency), the player running meanwhile.
  std::string NextSecond() const {
    PumpFor(300);
    const size_t from = Samples();
    PumpFor(1000);
    const size_t to = Samples();
    const Bytes raw = ReadBytes(folder_ / "heard");
    std::vector<float> samples;
    for (size_t n = from; n < to && 2 * n + 2 <= raw.size(); ++n) samples.push_back(static_cast<int16_t>(Le16(raw, 2 * n)) / 32768.0f);
    return Verdict(samples);
  }

 private:
  size_t Samples() const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExW(Widen(folder_ / "heard").c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow / 2 : 0;
  }

  TempFolder folder_;
  std::string pid_;
};

std::string MuteCaption() { return ReadText(Player(静音按钮), button_property::kCaption); }
double SecondsShown() { return std::stod(TimeText().substr(std::string("时长:").size())); }

TEST(PlayerSound, TheToneIsHeardWhilePlayingAndNotWhilePausedOrMuted) {
  TempFolder scratch;
  const std::string tone = WriteSoundRecording(scratch, Always);
  WriteRecording(scratch / "silent.vmrc", {{"1.jpg", JpegFrame(64, 48, {90, 90, 90})}});
  const Monitor monitor;
  RunRecorder([&] {
    UseSystemClock();
    OpenPlayer();
    EXPECT_FALSE(PlayerButtonEnabled(静音按钮)) << "nothing open";
    OpenRecordingFile(tone);
    EXPECT_EQ(MuteCaption(), "静音");
    EXPECT_EQ(monitor.NextSecond(), kTone);
    ClickPlayer(暂停按钮);
    EXPECT_EQ(monitor.NextSecond(), kSilence);
    ClickPlayer(播放按钮);
    ClickPlayer(静音按钮);
    EXPECT_EQ(MuteCaption(), "取消静音");
    const double before = SecondsShown();
    EXPECT_EQ(monitor.NextSecond(), kSilence);
    EXPECT_GT(SecondsShown(), before + 0.5) << "the frames play on while muted";
    ClickPlayer(静音按钮);
    EXPECT_EQ(MuteCaption(), "静音");
    EXPECT_EQ(monitor.NextSecond(), kTone);
    // Muting holds for the next recordings opened in the window; one without sound has nothing
    // to mute.
    ClickPlayer(静音按钮);
    OpenRecordingFile(scratch / "silent.vmrc");
    EXPECT_FALSE(PlayerButtonEnabled(静音按钮));
    OpenRecordingFile(tone);
    EXPECT_EQ(MuteCaption(), "取消静音");
    EXPECT_EQ(monitor.NextSecond(), kSilence);
  });
  RunRecorder([&] {
    OpenPlayer();
    OpenRecordingFile(tone);
    EXPECT_EQ(MuteCaption(), "静音") << "a window loaded again begins unmuted";
    EXPECT_EQ(monitor.NextSecond(), kTone);
  });
}

// Clicks on 进度条1 a `share` of the way along: playing, playback goes on from there.
void SeekAlongTheBar(double share) {
  const HWND bar = LiveHwnd(Player(进度条1));
  RECT client;
  GetClientRect(bar, &client);
  ClickAt(bar, {static_cast<LONG>(client.right * share), client.bottom / 2});
}

TEST(PlayerSound, AfterASeekTheSoundIsThatOfTheNewPlace) {
  TempFolder scratch;
  const std::string recording = WriteSoundRecording(scratch, InTheSecondHalf);
  const Monitor monitor;
  RunRecorder([&] {
    UseSystemClock();
    OpenPlayer();
    OpenRecordingFile(recording);
    EXPECT_EQ(monitor.NextSecond(), kSilence);
    SeekAlongTheBar(0.75);
    EXPECT_EQ(monitor.NextSecond(), kTone);
    SeekAlongTheBar(0.2);
    EXPECT_EQ(monitor.NextSecond(), kSilence);
  });
}

// With the system's clock (the test's stand-in) three seconds ahead at once, the picture stays
// with the sound the device has played; with that clock standing, it moves on with the sound.
TEST(PlayerSound, TheFramesKeepTheSoundsTime) {
  TempFolder scratch;
  const std::string tone = WriteSoundRecording(scratch, Always);
  RunRecorder([&] {
    OpenPlayer();
    OpenRecordingFile(tone);
    PumpFor(500);
    TickAfter(3'000'000);
    const double early = SecondsShown();
    EXPECT_LT(early, 2) << "about half a second of sound has played";
    PumpFor(1000);
    TickAfter(0);
    EXPECT_GT(SecondsShown(), early + 0.5);
  });
}

// Run alone with no sound server to reach (player_sound_without_device), the system has no
// output device: the recording plays by the system's clock, silently, and nothing is said.
TEST(PlayerSound, WithoutAnOutputDeviceTheFramesPlayAsTheyWould) {
  TempFolder scratch;
  const std::string tone = WriteSoundRecording(scratch, Always);
  RunRecorder([&] {
    UseSystemClock();
    OpenPlayer();
    OpenRecordingFile(tone);
    PumpFor(1500);
    EXPECT_GT(SecondsShown(), 1);
  });
  EXPECT_TRUE(Seen().questions.empty());
}

// Frames 3 to 7 of ten at 15 a second with an 8 kHz sound whose every sample tells its place,
// saved as .vmrc and MP4 for range_save_peers.sh, which holds their sound to the source's.
TEST(PlayerSound, ARangeKeepsTheSoundOfItsFrames) {
  TempFolder scratch;
  RecordingEntries entries;
  for (int n = 1; n <= 10; ++n) entries.push_back({std::to_string(n) + ".jpg", JpegFrame(64, 48, {20, 120, 200})});
  entries.push_back({"framerate.txt", {'1', '5', '\r', '\n'}});
  std::vector<float> ramp;
  for (int n = 0; n < static_cast<int>(SoundFramesBefore(11, 15, 8000)); ++n) ramp.push_back((7 * n - 16000) / 32768.0f);
  ASSERT_TRUE(WriteWav(scratch / "ramp.wav", {8000, 1}, ramp, SampleKind::Pcm16));
  entries.push_back({"sound.wav", ReadBytes(scratch / "ramp.wav")});
  WriteRecording(scratch / "ramp.vmrc", entries);
  for (const char* name : {"range-sound.vmrc", "range-sound.mp4"}) {
    const std::string target = RangeOutputFolder(scratch) + "\\" + name;
    RunRecorder([&] {
      OpenPlayer();
      OpenRecordingFile(scratch / "ramp.vmrc");
      AnswerFileDialogsWith(target);
      SaveFramesAs(3, 7);
      EXPECT_EQ(Seen().questions.back(), "文件“" + target + "”保存成功!");
    });
  }
}

}  // namespace
