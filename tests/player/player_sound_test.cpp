// The player plays a recording's sound as a listener hears it: what the private sound server's
// null output plays is recorded from its monitor by parec while the player runs. Tone while
// playing, silence paused or muted, the new place's sound after a seek, the frames on the
// sound's clock, no device, and the sound a range keeps.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "app/player/range_save.h"
#include "components/sound/sound_format.h"
#include "controls/property_indexes.h"
#include "tests/player/player_fixture.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tools/drive/mouse.h"
#include "tools/drive/waiting.h"

namespace {

using namespace PlayerWindow;

constexpr int kRate = 44100;
constexpr int kFrames = 300;
constexpr char kTone[] = "tone";
constexpr char kSilence[] = "silence";

// A 16-bit mono WAV, as a recording's sound entry, whose sample n is `sample(n)`; its tags
// ("RIFF", "WAVE", "fmt ", "data") are written as the little-endian words they make.
template <typename Sample>
Bytes MonoWav(int rate, uint64_t frames, Sample sample) {
  Bytes wav;
  const auto put = [&](uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) wav.push_back(static_cast<uint8_t>(value >> (8 * i)));
  };
  const uint32_t data = static_cast<uint32_t>(frames * 2);
  for (const uint32_t word : {0x46464952u, 36 + data, 0x45564157u, 0x20746D66u, 16u}) put(word, 4);
  put(1, 2), put(1, 2), put(rate, 4), put(rate * 2, 4), put(2, 2), put(16, 2), put(0x61746164u, 4), put(data, 4);
  for (uint64_t n = 0; n < frames; ++n) put(static_cast<uint16_t>(sample(n)), 2);
  return wav;
}

// 300 small frames at ten a second with as long a sound, a 440 Hz tone where `loud` says.
std::string WriteSoundRecording(const TempFolder& folder, bool (*loud)(uint64_t)) {
  const Bytes frame = JpegFrame(64, 48, {90, 90, 90});
  RecordingEntries entries;
  for (int n = 1; n <= kFrames; ++n) entries.push_back({std::to_string(n) + ".jpg", frame});
  entries.push_back({"sound.wav", MonoWav(kRate, SoundFramesBefore(kFrames + 1, 10, kRate), [&](uint64_t n) {
                       return static_cast<int16_t>(loud(n) ? 8000 * std::sin(2 * 3.14159265 * 440 * n / kRate) : 0);
                     })});
  WriteRecording(folder / "sound.vmrc", entries);
  return folder / "sound.vmrc";
}
bool Always(uint64_t) { return true; }
bool InTheSecondHalf(uint64_t n) { return n >= SoundFramesBefore(kFrames / 2 + 1, 10, kRate); }

// "tone" when at least three in four 10 ms windows are loud (a busy machine may leave a gap) at
// 440 Hz by their zero crossings, "silence" when every one is silent, else what was heard.
std::string Verdict(const Bytes& raw, size_t from, size_t to) {
  constexpr size_t kWindow = 441;
  int windows = 0, loud = 0, silent = 0, crossings = 0;
  for (size_t at = from; at + kWindow <= to && 2 * (at + kWindow) <= raw.size(); at += kWindow, ++windows) {
    double energy = 0;
    int crossed = 0;
    for (size_t n = at; n < at + kWindow; ++n) {
      const int16_t sample = static_cast<int16_t>(Le16(raw, 2 * n));
      energy += static_cast<double>(sample) * sample;
      crossed += n > at && (sample >= 0) != (static_cast<int16_t>(Le16(raw, 2 * n - 2)) >= 0);
    }
    if (energy > kWindow * 2000.0 * 2000.0) ++loud, crossings += crossed;
    if (energy < kWindow * 50.0 * 50.0) ++silent;
  }
  const double hertz = loud ? crossings / 2.0 / (loud * 0.01) : 0;
  if (windows >= 50 && loud >= windows * 3 / 4 && std::abs(hertz - 440) < 20) return kTone;
  if (windows >= 50 && silent == windows) return kSilence;
  return std::to_string(windows) + " windows, " + std::to_string(loud) + " loud at " + std::to_string(hertz) +
         " Hz, " + std::to_string(silent) + " silent";
}

// The monitor recorded by parec into a file of /tmp, 16-bit mono at 44.1 kHz, read through
// Wine's drive Z:. Wine gives no handle to a Linux program it starts, so the shell that starts
// parec leaves its process id beside the file for the end, and a limit of its own.
class Monitor {
 public:
  Monitor() {
    Run("/bin/sh -c \"printf %s $$ >" + unix_ + ".pid; exec /usr/bin/timeout -s INT 60 /usr/bin/parec -d "
        "velmo_out.monitor --raw --format=s16le --channels=1 --rate=44100 --latency-msec=20 " + unix_ +
        " </dev/null >/dev/null 2>&1\"");
    EXPECT_TRUE(WaitUntil([&] { return Samples() > 0; })) << "parec records nothing";
  }
  ~Monitor() {
    const Bytes pid = ReadBytes(Dos(unix_ + ".pid"));
    Run("/bin/kill " + std::string(pid.begin(), pid.end()));
    for (const std::string& file : {Dos(unix_), Dos(unix_ + ".pid")}) DeleteFileA(file.c_str());
  }
  Monitor(const Monitor&) = delete;
  Monitor& operator=(const Monitor&) = delete;

  // The verdict on a second of what was played, once what the player was just asked to do can
  // be heard (the device's latency), the player running meanwhile.
  std::string NextSecond() const {
    PumpFor(300);
    const size_t from = Samples();
    PumpFor(1000);
    return Verdict(ReadBytes(Dos(unix_)), from, Samples());
  }

 private:
  static std::string Dos(std::string path) {
    for (char& c : path) c = c == '/' ? '\\' : c;
    return "Z:" + path;
  }
  static void Run(const std::string& command) {
    std::wstring line(command.begin(), command.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    EXPECT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started));
  }
  size_t Samples() const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExA(Dos(unix_).c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow / 2 : 0;
  }

  std::string unix_ = "/tmp/velmo-heard-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
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
  entries.push_back({"sound.wav", MonoWav(8000, SoundFramesBefore(11, 15, 8000), [](uint64_t n) {
                       return static_cast<int16_t>(7 * static_cast<int>(n) - 16000);
                     })});
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
