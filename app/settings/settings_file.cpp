#include "app/settings/settings_file.h"

#include <windows.h>

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
constexpr char kSave[] = "Save";
constexpr char kQuality[] = "Quality";
constexpr int kApplicationDataFolder = 8;
// The new file is written under this name beside the old one; a store cut short leaves at most
// this file, which the next store writes over.
constexpr char kTemporarySuffix[] = ".tmp";
constexpr char kFileComment[] =
    "Velmo屏幕录像器 的设置。热键写作 Alt+F9 这样的文字，留空为不用热键；选项 1 为开，0 为关；品质为上次保存的百分比。";

void ReadHotkey(const IniText& ini, const char* key, Hotkey& hotkey) {
  const auto text = ini.Value(kHotkeys, key);
  if (!text) return;
  if (const auto parsed = ParseHotkeyText(*text)) hotkey = *parsed;
}

void ReadOption(const IniText& ini, const char* key, bool& option) {
  const auto text = ini.Value(kRecording, key);
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
  ReadOption(ini, kDrawPointer, settings.drawPointer);
  ReadOption(ini, kHighlightClicks, settings.highlightClicks);
  ReadOption(ini, kExcludeOwnWindows, settings.excludeOwnWindows);
  ReadQuality(ini, settings.saveQuality);
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
}

Settings LoadSettingsFile(const std::string& path) { return SettingsFromIni(ReadSettingsText(path)); }

bool StoreSettingsFile(const std::string& path, const Settings& settings) {
  IniText ini = ReadSettingsText(path);
  PutSettingsInto(ini, settings);
  CreateFolderOf(path);
  TemporaryTarget temporary(path, kTemporarySuffix);
  return WriteNewFile(temporary.path(), ini.Text()) && temporary.Commit();
}
