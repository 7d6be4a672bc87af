// The player plays a recording's sound, as a listener hears it: what the private sound server's
// null output plays is recorded from its monitor with parec while the player runs by the real
// clock. Tone while playing, silence while paused or muted, the sound of the new place after a
// seek, the frames held to the sound's clock, and the sound a range keeps.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "app/player/range_save.h"
#include "components/sound/sound_format.h"
#include "components/sound/wav_file.h"
#include "components/zip/zip.h"
#include "controls/property_indexes.h"
#include "tests/player/player_fixture.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/support/temp_folder.h"
#include "tools/drive/mouse.h"
#include "tools/drive/waiting.h"

namespace {

using namespace PlayerWindow;

constexpr int kRate = 44100;
constexpr int kFrames = 300;

// A 16-bit mono WAV, the sound entry as a recording holds it; sample n is `sample(n)`.
template <typename Sample>
Bytes MonoWav(int rate, uint64_t frames, Sample sample) {
  Bytes wav;
  const auto put = [&](uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) wav.push_back(static_cast<uint8_t>(value >> (8 * i)));
  };
  const auto tag = [&](const char* text) { wav.insert(wav.end(), text, text + 4); };
  const uint32_t data = static_cast<uint32_t>(frames * 2);
  tag("RIFF"), put(36 + data, 4), tag("WAVE"), tag("fmt "), put(16, 4), put(1, 2), put(1, 2);
  put(rate, 4), put(rate * 2, 4), put(2, 2), put(16, 2), tag("data"), put(data, 4);
  for (uint64_t n = 0; n < frames; ++n) put(static_cast<uint16_t>(sample(n)), 2);
  return wav;
}

int16_t Tone(uint64_t n) { return static_cast<int16_t>(8000 * std::sin(2 * 3.14159265358979 * 440 * n / kRate)); }

// 300 small frames at ten a second with a sound as long, `loud` telling where the tone plays.
std::string WriteSoundRecording(const TempFolder& folder, bool (*loud)(uint64_t)) {
  const Bytes frame = JpegFrame(64, 48, {90, 90, 90});
  RecordingEntries entries;
  for (int n = 1; n <= kFrames; ++n) entries.push_back({std::to_string(n) + ".jpg", frame});
  const uint64_t length = SoundFramesBefore(kFrames + 1, 10, kRate);
  entries.push_back({"sound.wav", MonoWav(kRate, length, [&](uint64_t n) { return loud(n) ? Tone(n) : int16_t{0}; })});
  WriteRecording(folder / "sound.vmrc", entries);
  return folder / "sound.vmrc";
}

// What the null output played over a stretch, as 10 ms windows: how many were loud, how many
// silent, and the pitch of the loud ones from their zero crossings.
struct Heard {
  int windows = 0;
  int loud = 0;
  int silent = 0;
  double hertz = 0;
};

std::ostream& operator<<(std::ostream& out, const Heard& heard) {
  return out << heard.windows << " windows, " << heard.loud << " loud at " << heard.hertz << " Hz, " << heard.silent
             << " silent";
}

Heard HeardIn(const Bytes& raw, size_t from, size_t to) {
  constexpr size_t kWindow = 441;
  Heard heard;
  int crossings = 0;
  for (size_t at = from; at + kWindow <= to && 2 * (at + kWindow) <= raw.size(); at += kWindow) {
    double energy = 0;
    int windowCrossings = 0;
    for (size_t n = at; n < at + kWindow; ++n) {
      const int16_t sample = static_cast<int16_t>(Le16(raw, 2 * n));
      energy += static_cast<double>(sample) * sample;
      if (n > at && (sample >= 0) != (static_cast<int16_t>(Le16(raw, 2 * n - 2)) >= 0)) ++windowCrossings;
    }
    const double rms = std::sqrt(energy / kWindow);
    ++heard.windows;
    if (rms > 2000) ++heard.loud, crossings += windowCrossings;
    if (rms < 50) ++heard.silent;
  }
  if (heard.loud > 0) heard.hertz = crossings / 2.0 / (heard.loud * 0.01);
  return heard;
}

// The null output's monitor recorded by parec into a file of /tmp, 16-bit mono at 44.1 kHz,
// read through Wine's drive Z:. Wine gives no handle to a Linux program it starts, so the shell
// that starts parec leaves its process id beside the file for the end, and a limit of its own.
class Monitor {
 public:
  Monitor() : path_(DosPath(unixPath_)) {
    Run(L"/bin/sh -c \"printf %s $$ >" + Wide(unixPath_) + L".pid; exec /usr/bin/timeout -s INT 60 /usr/bin/parec"
        L" -d velmo_out.monitor --raw --format=s16le --channels=1 --rate=44100 --latency-msec=20 " +
        Wide(unixPath_) + L" </dev/null >/dev/null 2>&1\"");
    EXPECT_TRUE(WaitUntil([&] { return Now() > 0; })) << "parec records nothing";
  }
  ~Monitor() {
    const Bytes pid = ReadBytes(DosPath(unixPath_ + ".pid"));
    Run(L"/bin/kill " + Wide(std::string(pid.begin(), pid.end())));
    DeleteFileW(Wide(path_).c_str());
    DeleteFileW(Wide(DosPath(unixPath_ + ".pid")).c_str());
  }
  Monitor(const Monitor&) = delete;
  Monitor& operator=(const Monitor&) = delete;

  // Samples recorded so far.
  size_t Now() const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExW(Wide(path_).c_str(), GetFileExInfoStandard, &data)
               ? data.nFileSizeLow / 2
               : 0;
  }
  // What was played over a second, once what the player was just asked to do can be heard
  // (the device's latency), the player running meanwhile.
  Heard NextSecond() const {
    PumpFor(300);
    const size_t from = Now();
    PumpFor(1000);
    return HeardIn(ReadBytes(path_), from, Now());
  }

 private:
  static std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }
  static std::string DosPath(std::string path) {
    for (char& c : path) c = c == '/' ? '\\' : c;
    return "Z:" + path;
  }
  static void Run(std::wstring command) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    EXPECT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started));
  }

  std::string unixPath_ = "/tmp/velmo-heard-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
  std::string path_;
};

// The tone, most of the time (a busy machine may leave a gap), at its pitch.
bool ToneHeard(const Heard& heard) {
  return heard.windows >= 50 && heard.loud >= heard.windows * 3 / 4 && std::abs(heard.hertz - 440) < 20;
}
bool SilenceHeard(const Heard& heard) { return heard.windows >= 50 && heard.silent == heard.windows; }

std::string MuteCaption() { return ReadText(Player(静音按钮), button_property::kCaption); }

bool Always(uint64_t) { return true; }
bool InTheSecondHalf(uint64_t n) { return n >= SoundFramesBefore(kFrames / 2 + 1, 10, kRate); }

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
    EXPECT_TRUE(PlayerButtonEnabled(静音按钮));
    EXPECT_EQ(MuteCaption(), "静音");
    const Heard playing = monitor.NextSecond();
    EXPECT_TRUE(ToneHeard(playing)) << playing;

    ClickPlayer(暂停按钮);
    const Heard paused = monitor.NextSecond();
    EXPECT_TRUE(SilenceHeard(paused)) << paused;

    ClickPlayer(播放按钮);
    ClickPlayer(静音按钮);
    EXPECT_EQ(MuteCaption(), "取消静音");
    const std::string before = TimeText();
    const Heard muted = monitor.NextSecond();
    EXPECT_TRUE(SilenceHeard(muted)) << muted;
    EXPECT_NE(TimeText(), before) << "the frames play on while muted";
    ClickPlayer(静音按钮);
    EXPECT_EQ(MuteCaption(), "静音");
    const Heard again = monitor.NextSecond();
    EXPECT_TRUE(ToneHeard(again)) << again;

    // Muting holds for the next recordings opened in the window; one without sound has nothing
    // to mute.
    ClickPlayer(静音按钮);
    OpenRecordingFile(scratch / "silent.vmrc");
    EXPECT_FALSE(PlayerButtonEnabled(静音按钮));
    OpenRecordingFile(tone);
    EXPECT_EQ(MuteCaption(), "取消静音");
    const Heard reopened = monitor.NextSecond();
    EXPECT_TRUE(SilenceHeard(reopened)) << reopened;
  });
  RunRecorder([&] {
    UseSystemClock();
    OpenPlayer();
    OpenRecordingFile(tone);
    EXPECT_EQ(MuteCaption(), "静音") << "a window loaded again begins unmuted";
    const Heard unmuted = monitor.NextSecond();
    EXPECT_TRUE(ToneHeard(unmuted)) << unmuted;
  });
}

// Clicks 进度条1 a `share` of the way along: playing, playback goes on from there.
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
    const Heard start = monitor.NextSecond();
    EXPECT_TRUE(SilenceHeard(start)) << start;
    SeekAlongTheBar(0.75);
    const Heard later = monitor.NextSecond();
    EXPECT_TRUE(ToneHeard(later)) << later;
    SeekAlongTheBar(0.2);
    const Heard earlier = monitor.NextSecond();
    EXPECT_TRUE(SilenceHeard(earlier)) << earlier;
  });
}

double SecondsShown() { return std::stod(TimeText().substr(std::string("时长:").size())); }

// The frames keep the time the device plays the sound by: with the system's clock (the test's
// stand-in) three seconds ahead at once, the picture stays with the sound, and with that clock
// standing still the picture moves on as the sound does.
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

// Run by itself with no sound server to reach (player_sound_without_device), the system has no
// output device: the recording plays by the steady clock, silently, and nothing is said.
TEST(PlayerSound, WithoutAnOutputDeviceTheFramesPlayAsTheyWould) {
  TempFolder scratch;
  const std::string tone = WriteSoundRecording(scratch, Always);
  RunRecorder([&] {
    UseSystemClock();
    OpenPlayer();
    OpenRecordingFile(tone);
    PumpFor(1500);
    EXPECT_GT(SecondsShown(), 1);
    EXPECT_TRUE(PlayerButtonEnabled(静音按钮));
  });
  EXPECT_TRUE(Seen().questions.empty());
}

// Frames 3 to 7 of ten at 15 a second, with a sound whose every sample tells its place: the
// .vmrc keeps the part that plays with them, after the frames and the rate; the MP4 is made
// with it (range_save_peers.sh holds both against Info-ZIP, ffprobe and ffmpeg).
TEST(PlayerSound, ARangeKeepsTheSoundOfItsFrames) {
  TempFolder scratch;
  constexpr int kSoundRate = 8000;
  const auto ramp = [](uint64_t n) { return static_cast<int16_t>(7 * static_cast<int>(n) - 16000); };
  const Bytes frame = JpegFrame(64, 48, {20, 120, 200});
  RecordingEntries entries;
  for (int n = 1; n <= 10; ++n) entries.push_back({std::to_string(n) + ".jpg", frame});
  entries.push_back({"framerate.txt", {'1', '5', '\r', '\n'}});
  entries.push_back({"sound.wav", MonoWav(kSoundRate, SoundFramesBefore(11, 15, kSoundRate), ramp)});
  WriteRecording(scratch / "ramp.vmrc", entries);
  const std::string out = RangeOutputFolder(scratch);
  for (const char* name : {"range-sound.vmrc", "range-sound.mp4"}) {
    RunRecorder([&] {
      OpenPlayer();
      OpenRecordingFile(scratch / "ramp.vmrc");
      AnswerFileDialogsWith(out + "\\" + name);
      SaveFramesAs(3, 7);
      EXPECT_EQ(Seen().questions.back(), "文件“" + out + "\\" + name + "”保存成功!");
    });
  }
  TempFolder unpacked;
  ASSERT_EQ(Unpack(nullptr, out + "\\range-sound.vmrc", unpacked.path()), kZipDone);
  SoundFileReader sound;
  ASSERT_TRUE(sound.Open(unpacked / "sound.wav"));
  EXPECT_EQ(sound.shape().format, (SoundFormat{kSoundRate, 1}));
  EXPECT_EQ(sound.shape().frames, SoundFramesBefore(8, 15, kSoundRate) - SoundFramesBefore(3, 15, kSoundRate));
  float first = 0;
  ASSERT_EQ(sound.Read(&first, 1), 1u);
  EXPECT_EQ(std::lround(first * 32768), ramp(SoundFramesBefore(3, 15, kSoundRate)));
}

}  // namespace
