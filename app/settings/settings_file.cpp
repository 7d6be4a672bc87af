#include "app/settings/settings_file.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "app/recording/frame_rate.h"
#include "app/settings/hotkey_text.h"
#include "components/services/path_kind.h"
#include "components/services/services.h"
#include "components/services/temporary_target.h"
#include "components/services/wide_text.h"
#include "components/services/win_handle.h"

namespace {

constexpr char kHotkeys[] = "Hotkeys";
constexpr char kRecording[] = "Recording";
constexpr char kRecordOrStop[] = "RecordOrStop";
constexpr char kPauseOrResume[] = "PauseOrResume";
constexpr char kDrawPointer[] = "DrawPointer";
constexpr char kHighlightClicks[] = "HighlightClicks";
constexpr char kExcludeOwnWindows[] = "ExcludeOwnWindows";
constexpr char kCapture[] = "Capture";
constexpr char kChoice[] = "Choice";
constexpr char kArea[] = "Area";
constexpr char kFrameRate[] = "FrameRate";
constexpr char kCountdown[] = "Countdown";
constexpr char kSave[] = "Save";
constexpr char kQuality[] = "Quality";
constexpr char kSound[] = "Sound";
constexpr char kMicrophone[] = "Microphone";
constexpr char kMicrophoneDevice[] = "MicrophoneDevice";
constexpr char kMicrophoneLevel[] = "MicrophoneLevel";
constexpr char kComputerSound[] = "ComputerSound";
constexpr char kComputerSoundLevel[] = "ComputerSoundLevel";
constexpr int kApplicationDataFolder = 8;
// The new file is written under this name beside the old one; a store cut short leaves at most
// this file, which the next store writes over.
constexpr char kTemporarySuffix[] = ".tmp";
constexpr char kFileComment[] =
    "Velmo屏幕录像器 的设置。热键写作 Alt+F9 这样的文字，留空为不用热键；选项 1 为开，0 为关；品质为上次保存的百分比；录制范围写作 FullScreen、Monitor、Region 或 Window，Area 为左,上,宽,高（物理像素），帧率为每秒帧数，倒计时为秒数；MicrophoneDevice 为麦克风的名称，留空为系统默认设备，声音的音量为 0 到 200 的百分比。";

void ReadHotkey(const IniText& ini, const char* key, Hotkey& hotkey) {
  const auto text = ini.Value(kHotkeys, key);
  if (!text) return;
  if (const auto parsed = ParseHotkeyText(*text)) hotkey = *parsed;
}

void ReadOption(const IniText& ini, const char* section, const char* key, bool& option) {
  const auto text = ini.Value(section, key);
  if (text == "1") option = true;
  if (text == "0") option = false;
}

void ReadQuality(const IniText& ini, int& quality) {
  const auto text = ini.Value(kSave, kQuality);
  if (!text) return;
  for (int percent = 20; percent <= 100; percent += 20) {
    if (*text == std::to_string(percent)) quality = percent;
  }
}

// The words a choice is written as, in CaptureChoice's order.
constexpr const char* kChoiceWords[] = {"FullScreen", "Monitor", "Region", "Window"};

void ReadCaptureChoice(const IniText& ini, CaptureChoice& choice) {
  const auto text = ini.Value(kCapture, kChoice);
  for (int i = 0; i < 4; ++i)
    if (text == kChoiceWords[i]) choice = static_cast<CaptureChoice>(i);
}

// A whole number of at most nine digits with an optional minus sign, or nothing.
std::optional<int> ParseSmallInteger(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

// "left,top,width,height"; a rectangle smaller than the smallest region is not kept.
void ReadCaptureArea(const IniText& ini, ScreenArea& area) {
  const auto text = ini.Value(kCapture, kArea);
  if (!text) return;
  int values[4] = {};
  std::string_view rest = *text;
  for (int i = 0; i < 4; ++i) {
    const size_t comma = i < 3 ? rest.find(',') : rest.size();
    if (comma == std::string_view::npos) return;
    const auto value = ParseSmallInteger(rest.substr(0, comma));
    if (!value) return;
    values[i] = *value;
    rest.remove_prefix(std::min(rest.size(), comma + 1));
  }
  if (values[2] < kSmallestAreaSide || values[3] < kSmallestAreaSide) return;
  area = {values[0], values[1], values[2], values[3]};
}

std::string AreaText(const ScreenArea& area) {
  return std::to_string(area.left) + "," + std::to_string(area.top) + "," + std::to_string(area.width) + "," +
         std::to_string(area.height);
}

void ReadFrameRate(const IniText& ini, int& rate) {
  const auto value = ParseSmallInteger(ini.Value(kCapture, kFrameRate).value_or(""));
  if (value && IsOfferedFrameRate(*value)) rate = *value;
}

void ReadCountdown(const IniText& ini, int& seconds) {
  const auto value = ParseSmallInteger(ini.Value(kCapture, kCountdown).value_or(""));
  if (value && *value >= 0 && *value <= kLongestCountdown) seconds = *value;
}

void ReadSoundLevel(const IniText& ini, const char* key, int& percent) {
  const auto value = ParseSmallInteger(ini.Value(kSound, key).value_or(""));
  if (value && *value >= 0 && *value <= kLoudestSoundLevel) percent = *value;
}

// The file's first kSettingsReadLimit bytes; empty when it cannot be opened.
std::string ReadSettingsBytes(const std::string& path) {
  const FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  std::string bytes(kSettingsReadLimit, '\0');
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return {};
  bytes.resize(read);
  return bytes;
}

// The text of a file cut at the read limit ends in the middle of a line, which is not the
// user's: only whole lines are kept.
IniText ReadSettingsText(const std::string& path) {
  std::string bytes = ReadSettingsBytes(path);
  if (bytes.size() == kSettingsReadLimit) bytes.resize(bytes.find_last_of('\n') + 1);
  return IniText::Parse(bytes);
}

bool WriteNewFile(const std::string& path, const std::string& text) {
  const FileHandle file(
      CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

void CreateFolderOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return;
  CreateDirectoryW(Widen(path.substr(0, slash)).c_str(), nullptr);
}

}  // namespace

std::string ChooseSettingsFilePath(const std::string& programFolder, const std::string& appDataFolder) {
  const std::string portable = programFolder + kSettingsFileName;
  if (IsFile(portable)) return portable;
  return appDataFolder + kSettingsFolderName + "\\" + kSettingsFileName;
}

std::string SettingsFilePath() {
  return ChooseSettingsFilePath(ProgramFilePath(""), SpecialFolderPath(kApplicationDataFolder));
}

Settings SettingsFromIni(const IniText& ini) {
  Settings settings;
  ReadHotkey(ini, kRecordOrStop, settings.recordOrStopKey);
  ReadHotkey(ini, kPauseOrResume, settings.pauseOrResumeKey);
  ReadOption(ini, kRecording, kDrawPointer, settings.drawPointer);
  ReadOption(ini, kRecording, kHighlightClicks, settings.highlightClicks);
  ReadOption(ini, kRecording, kExcludeOwnWindows, settings.excludeOwnWindows);
  ReadQuality(ini, settings.saveQuality);
  ReadCaptureChoice(ini, settings.captureChoice);
  ReadCaptureArea(ini, settings.captureArea);
  ReadFrameRate(ini, settings.frameRate);
  ReadCountdown(ini, settings.countdownSeconds);
  ReadOption(ini, kSound, kMicrophone, settings.recordMicrophone);
  settings.microphoneName = ini.Value(kSound, kMicrophoneDevice).value_or("");
  ReadSoundLevel(ini, kMicrophoneLevel, settings.microphoneLevel);
  ReadOption(ini, kSound, kComputerSound, settings.recordComputerSound);
  ReadSoundLevel(ini, kComputerSoundLevel, settings.computerSoundLevel);
  return settings;
}

void PutSettingsInto(IniText& ini, const Settings& settings) {
  if (ini.empty()) ini.AddCommentFirst(kFileComment);
  const auto option = [](bool on) { return on ? "1" : "0"; };
  ini.SetValue(kHotkeys, kRecordOrStop, HotkeyText(settings.recordOrStopKey));
  ini.SetValue(kHotkeys, kPauseOrResume, HotkeyText(settings.pauseOrResumeKey));
  ini.SetValue(kRecording, kDrawPointer, option(settings.drawPointer));
  ini.SetValue(kRecording, kHighlightClicks, option(settings.highlightClicks));
  ini.SetValue(kRecording, kExcludeOwnWindows, option(settings.excludeOwnWindows));
  ini.SetValue(kSave, kQuality, std::to_string(settings.saveQuality));
  ini.SetValue(kCapture, kChoice, kChoiceWords[static_cast<int>(settings.captureChoice)]);
  if (!settings.captureArea.IsEmpty()) ini.SetValue(kCapture, kArea, AreaText(settings.captureArea));
  ini.SetValue(kCapture, kFrameRate, std::to_string(settings.frameRate));
  ini.SetValue(kCapture, kCountdown, std::to_string(settings.countdownSeconds));
  ini.SetValue(kSound, kMicrophone, option(settings.recordMicrophone));
  ini.SetValue(kSound, kMicrophoneDevice, settings.microphoneName);
  ini.SetValue(kSound, kMicrophoneLevel, std::to_string(settings.microphoneLevel));
  ini.SetValue(kSound, kComputerSound, option(settings.recordComputerSound));
  ini.SetValue(kSound, kComputerSoundLevel, std::to_string(settings.computerSoundLevel));
}

Settings LoadSettingsFile(const std::string& path) { return SettingsFromIni(ReadSettingsText(path)); }

bool StoreSettingsFile(const std::string& path, const Settings& settings) {
  IniText ini = ReadSettingsText(path);
  PutSettingsInto(ini, settings);
  CreateFolderOf(path);
  TemporaryTarget temporary(path, kTemporarySuffix);
  return WriteNewFile(temporary.path(), ini.Text()) && temporary.Commit();
}
