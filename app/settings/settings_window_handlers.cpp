#include "app/settings/settings_window_handlers.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "app/recorder/own_windows_capture.h"
#include "app/recorder/rate_probe.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recording/frame_rate.h"
#include "app/settings/settings.h"
#include "app/settings/settings_file.h"
#include "app/settings/settings_window_units.h"
#include "app/settings/sound_settings_part.h"
#include "controls/property_indexes.h"
#include "forms/handler_id.h"
#include "forms/settings_window.h"

namespace {

using namespace SettingsWindow;

void ShowHotkey(UnitId box, const Hotkey& hotkey) {
  WriteProperty(SettingsUnit(box), hotkey_box_property::kModifiers, static_cast<int32_t>(hotkey.modifiers));
  WriteProperty(SettingsUnit(box), hotkey_box_property::kKey, static_cast<int32_t>(hotkey.key));
}

// The box cannot show the Windows key: a combination the user left as it was keeps it.
Hotkey HotkeyIn(UnitId box, const Hotkey& before) {
  const Hotkey shown{static_cast<uint32_t>(ReadInt(SettingsUnit(box), hotkey_box_property::kModifiers)),
                     static_cast<uint32_t>(ReadInt(SettingsUnit(box), hotkey_box_property::kKey))};
  if (shown.IsNone()) return {};
  if (shown == Hotkey{before.modifiers & ~hotkey_modifier::kWindows, before.key}) return before;
  return shown;
}

// 帧率 offers the offered rates in their order, "10 帧/秒" first.
void ShowFrameRate(int rate) {
  std::vector<std::string> items;
  for (int offered : kOfferedFrameRates) items.push_back(std::to_string(offered) + kFrameRateUnit);
  const auto found = std::find(std::begin(kOfferedFrameRates), std::end(kOfferedFrameRates), rate);
  ShowChoice(帧率组合框, items, found == std::end(kOfferedFrameRates) ? 0 : static_cast<int>(found - kOfferedFrameRates));
}
int FrameRateIn(int before) {
  const int item = ChoiceIn(帧率组合框);
  return item >= 0 && item < static_cast<int>(std::size(kOfferedFrameRates)) ? kOfferedFrameRates[item] : before;
}

// 倒计时 offers "不倒计时", then "1 秒" to the longest countdown: item n is n seconds.
void ShowCountdown(int seconds) {
  std::vector<std::string> items{"不倒计时"};
  for (int n = 1; n <= kLongestCountdown; ++n) items.push_back(std::to_string(n) + " 秒");
  ShowChoice(倒计时组合框, items, seconds);
}
int CountdownIn(int before) {
  const int item = ChoiceIn(倒计时组合框);
  return item >= 0 && item <= kLongestCountdown ? item : before;
}

// The rates this screen sustains are measured afresh each time the window opens: the screen,
// and what else the machine is doing, may have changed since.
// Not measured while a take runs: the probe's snapshots and coding would take the take's time.
void ShowSustainedRates() {
  if (TakeIsRunning()) return;
  WriteProperty(SettingsUnit(可持续帧率标签), label_property::kCaption, SustainedRatesText(SustainedFrameRates()));
  ShowNote(可持续帧率标签, true);
}

// 设置 in the tray menu: the window opens, or comes forward when it is open already.
void ShowSettings(EventRecord&) { LoadWindow(kId, 0, false); }

// The window opens on the settings the program runs with, and says what the recorder could not
// do with them: hotkeys another program holds, an option the system cannot follow, the frame
// rates this screen cannot keep, and a sound source the system refuses.
// The hotkeys are let go of while the window is open, so the boxes see every combination, the
// program's own hotkeys included.
void SettingsCreated(EventRecord&) {
  SuspendRecorderHotkeys();
  const Settings& settings = CurrentSettings();
  ShowHotkey(录制热键, settings.recordOrStopKey);
  ShowHotkey(暂停热键, settings.pauseOrResumeKey);
  ShowOption(鼠标指针复选框, settings.drawPointer);
  ShowOption(鼠标点击复选框, settings.highlightClicks);
  ShowOption(本程序窗口复选框, settings.excludeOwnWindows);
  ShowFrameRate(settings.frameRate);
  ShowCountdown(settings.countdownSeconds);
  ShowSustainedRates();
  ShowNote(录制热键占用标签, HotkeyHeldElsewhere(HotkeyJob::RecordOrStop));
  ShowNote(暂停热键占用标签, HotkeyHeldElsewhere(HotkeyJob::PauseOrResume));
  const bool canKeepOut = CanKeepWindowsOutOfFrames();
  SetEnabled(SettingsUnit(本程序窗口复选框), canKeepOut);
  ShowNote(本程序窗口原因标签, !canKeepOut);
  ShowSoundSettings(settings);
}

// What the window does not show (the quality last saved at, what a take records) stays as it is.
Settings SettingsInWindow() {
  Settings settings = CurrentSettings();
  settings.recordOrStopKey = HotkeyIn(录制热键, settings.recordOrStopKey);
  settings.pauseOrResumeKey = HotkeyIn(暂停热键, settings.pauseOrResumeKey);
  settings.drawPointer = OptionIn(鼠标指针复选框);
  settings.highlightClicks = OptionIn(鼠标点击复选框);
  settings.excludeOwnWindows = OptionIn(本程序窗口复选框);
  settings.frameRate = FrameRateIn(settings.frameRate);
  settings.countdownSeconds = CountdownIn(settings.countdownSeconds);
  PutSoundSettingsInto(settings);
  return settings;
}

// A box that shows Ctrl, Alt or Shift with no key: the user has not finished the combination.
bool Unfinished(UnitId box) {
  return ReadInt(SettingsUnit(box), hotkey_box_property::kKey) == 0 &&
         ReadInt(SettingsUnit(box), hotkey_box_property::kModifiers) != 0;
}

// What keeps 确定 from storing the window's settings, or empty. Both jobs on one key would leave
// 暂停/继续 without one, so the user chooses again rather than learning it later.
std::string ProblemWithHotkeys(const Settings& settings) {
  if (Unfinished(录制热键)) return UnfinishedHotkeyText("开始/停止录制");
  if (Unfinished(暂停热键)) return UnfinishedHotkeyText("暂停/继续");
  if (!settings.recordOrStopKey.IsNone() && settings.recordOrStopKey == settings.pauseOrResumeKey)
    return kSameHotkeyTwiceText;
  return {};
}

// 确定: the settings are kept in the file and put to work as the window closes. A file that
// cannot be written does not hold them back for this run; the user learns they will not
// outlast it. A hotkey the user has to mend keeps the window open with nothing stored.
void ConfirmSettings(EventRecord&) {
  const Settings settings = SettingsInWindow();
  if (const std::string problem = ProblemWithHotkeys(settings); !problem.empty()) {
    ShowMessageBox(problem, MB_OK | MB_ICONEXCLAMATION, "提示信息");
    return;
  }
  const std::string path = SettingsFilePath();
  const bool kept = StoreSettingsFile(path, settings);
  SetCurrentSettings(settings);
  DestroyWindow(kId);
  if (!kept) ShowMessageBox(SettingsNotKeptText(path), MB_OK | MB_ICONEXCLAMATION, "提示信息");
}

// 取消, like Esc and the close box, leaves everything as it was.
void CancelSettings(EventRecord&) { DestroyWindow(kId); }

// However the window closes, the recorder's hotkeys come back: the new ones after 确定, the old
// ones otherwise; and the window stops listening to the sound sources.
void SettingsClosing(EventRecord&) {
  StopListeningToSound();
  ResumeRecorderHotkeys();
}

}  // namespace

std::string UnfinishedHotkeyText(const std::string& job) {
  return "“" + job + "”的热键不完整：请在框中按下完整的组合键，或按 Delete 清空。";
}

std::string SettingsNotKeptText(const std::string& path) {
  return "设置未能保存到文件“" + path + "”，仅在本次运行中有效。";
}

void AddSettingsWindowHandlers(HandlerTable& handlers) {
  handlers.Bind(HandlerId::ShowSettings, ShowSettings);
  handlers.Bind(HandlerId::SettingsCreated, SettingsCreated);
  handlers.Bind(HandlerId::ConfirmSettings, ConfirmSettings);
  handlers.Bind(HandlerId::CancelSettings, CancelSettings);
  handlers.Bind(HandlerId::SettingsClosing, SettingsClosing);
  AddSoundSettingsHandlers(handlers);
}
