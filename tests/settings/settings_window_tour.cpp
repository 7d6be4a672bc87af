// settings_window_tour.exe: the settings window "设置" through the real program, driven from
// outside as a user drives it. velmo.exe runs from a folder of its own that holds a portable
// settings.ini:
//   - 设置 from the tray menu opens the window on the file's settings (here the defaults), a
//     second 设置 brings the same window forward, and the option the system cannot follow is
//     greyed with its reason;
//   - a hotkey pressed into its box, two options ticked, 30 帧/秒 and 3 秒 chosen from their
//     lists, then 确定: settings.ini holds them, and after a restart the window shows them; the
//     line under 帧率 says which rates this screen sustains;
//   - changes ended by 取消, Esc or the close box change neither the file nor the window;
//   - a file that cannot be written: 确定 says so, naming the file, and the settings hold for
//     the rest of the run;
//   - keys go to the window they are pressed in: Esc in 设置 (once, then again) closes it alone,
//     with or without a take, and Esc in RecorderWindow leaves a take recording or paused; a box
//     takes the program's own live hotkeys; a box holding only a modifier and two equal boxes
//     are refused with the window left open; the hotkeys work again however 设置 closed;
//   - 声音 against the suite's sound server: the computer's sound, ticked in the file, greyed
//     with its reason; the microphone's bar following the device chosen and the level; the
//     choices kept by 确定 and shown again; nothing recorded once the window is closed.
//
//   settings_window_tour.exe VELMO_EXE        (a Windows path; settings.ini lies beside it)
//
// Exits with 1 naming the step that failed.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "components/services/file_bytes.h"
#include "components/services/wide_text.h"
#include "components/services/win_handle.h"
#include "tests/support/linux_program.h"
#include "tools/drive/cover_window.h"
#include "tools/drive/keyboard.h"
#include "tools/drive/mouse.h"
#include "tools/drive/outside_program.h"
#include "tools/drive/outside_window.h"
#include "tools/drive/tray_menu.h"
#include "tools/drive/waiting.h"
#include "tools/drive/working_folder.h"

namespace {

constexpr wchar_t kHotkeyClass[] = L"msctls_hotkey32";
constexpr wchar_t kComboClass[] = L"ComboBox";
constexpr wchar_t kStaticClass[] = L"Static";
// 设置 lies just above 退出, the last item of the tray menu.
constexpr int kSettingsFromEnd = -2;
constexpr int kExit = -1;

std::string program;
std::string settingsFile;

struct Run : OutsideProgram {
  HWND settings = nullptr;
};

// What the window shows: each hotkey box as the control's HKM_GETHOTKEY word, each check box,
// and the item each list shows.
struct Shown {
  LRESULT recordOrStop;
  LRESULT pauseOrResume;
  bool drawPointer;
  bool highlightClicks;
  bool excludeOwnWindows;
  std::string frameRate;
  std::string countdown;
  bool operator==(const Shown&) const = default;
};

const Shown kDefaults{MAKEWORD(VK_F9, HOTKEYF_ALT), MAKEWORD(VK_F10, HOTKEYF_ALT), true, false, true, "10 帧/秒", "不倒计时"};
const Shown kChanged{MAKEWORD(VK_F8, HOTKEYF_CONTROL | HOTKEYF_SHIFT), MAKEWORD(VK_F10, HOTKEYF_ALT), false, true,
                     true, "30 帧/秒", "3 秒"};

std::string Describe(const Shown& shown) {
  char text[128];
  std::snprintf(text, sizeof(text), "hotkeys %04llx %04llx, options %d %d %d, ",
                static_cast<unsigned long long>(shown.recordOrStop), static_cast<unsigned long long>(shown.pauseOrResume),
                shown.drawPointer, shown.highlightClicks, shown.excludeOwnWindows);
  return text + shown.frameRate + ", " + shown.countdown;
}

std::string FileText() {
  const FileHandle file(CreateFileW(Widen(settingsFile).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return {};
  std::string text(65536, '\0');
  DWORD read = 0;
  ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
  text.resize(read);
  return text;
}

// The windows of `windowClass` among the children of `parent`, in creation order.
std::vector<HWND> Children(HWND parent, const wchar_t* windowClass) {
  std::vector<HWND> found;
  for (HWND child = FindWindowExW(parent, nullptr, nullptr, nullptr); child;
       child = FindWindowExW(parent, child, nullptr, nullptr)) {
    for (HWND inner : Children(child, windowClass)) found.push_back(inner);
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    if (lstrcmpiW(name, windowClass) == 0) found.push_back(child);
  }
  return found;
}

HWND HotkeyBox(HWND settings, size_t which) {
  const std::vector<HWND> boxes = Children(settings, kHotkeyClass);
  return which < boxes.size() ? boxes[which] : nullptr;
}

bool Checked(HWND settings, const std::string& caption) {
  HWND box = FindButton(settings, caption);
  return box && SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// 帧率 is the first list, 倒计时 the second.
HWND ChoiceList(HWND settings, size_t which) {
  const std::vector<HWND> lists = Children(settings, kComboClass);
  return which < lists.size() ? lists[which] : nullptr;
}

Shown ShownIn(HWND settings) {
  return {SendMessageW(HotkeyBox(settings, 0), HKM_GETHOTKEY, 0, 0),
          SendMessageW(HotkeyBox(settings, 1), HKM_GETHOTKEY, 0, 0), Checked(settings, "录制鼠标指针"),
          Checked(settings, "突出显示鼠标点击"), Checked(settings, "录制时不录入本程序窗口"),
          TextOf(ChoiceList(settings, 0)), TextOf(ChoiceList(settings, 1))};
}

bool Shows(const Run& run, const Shown& expected, const std::string& when) {
  Shown shown{};
  if (WaitUntil([&] { return (shown = ShownIn(run.settings)) == expected; }, 3)) return true;
  return Fail("the settings window " + when + " shows " + Describe(shown) + ", not " + Describe(expected));
}

bool StartProgram(Run& run) {
  ClearWorkingFolder();
  return run.Start(program) && run.RecorderShown();
}

bool OpenSettings(Run& run) {
  HWND menu = OpenTrayMenuOf(run.id());
  if (!menu) return Fail("the tray icon opened no menu");
  if (!ChooseMenuItem(menu, kSettingsFromEnd)) return Fail("设置 could not be chosen in the tray menu");
  const bool shown = WaitUntil([&] {
    return (run.settings = FindTopWindow(run.id(), kFormClass, "设置")) != nullptr && HotkeyBox(run.settings, 1);
  });
  return shown || Fail("the settings window did not appear");
}

// Only one settings window at a time, whatever the tray menu is asked.
bool OneSettingsWindow(const Run& run) {
  int count = 0;
  for (HWND window = FindWindowW(kFormClass, nullptr); window; window = FindWindowExW(nullptr, window, kFormClass, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == run.id() && IsWindowVisible(window) && TextOf(window) == "设置") ++count;
  }
  return count == 1 || Fail(std::to_string(count) + " settings windows are open");
}

// Greyed exactly when the system cannot keep the program's windows out of the frames, with
// the reason shown then; no hotkey is held by another program here.
bool NotesAsTheSystemAllows(const Run& run) {
  HWND option = FindButton(run.settings, "录制时不录入本程序窗口");
  HWND reason = FindChild(run.settings, kLabelClass, "需要 Windows 10 2004 或更高版本");
  if (!option || !reason) return Fail("the option 录制时不录入本程序窗口 or its reason is missing");
  if ((IsWindowEnabled(option) != FALSE) == (IsWindowVisible(reason) != FALSE))
    return Fail("the reason under 录制时不录入本程序窗口 does not match the option's greying");
  HWND held = FindChild(run.settings, kLabelClass, "此热键已被其他程序占用");
  if (held && IsWindowVisible(held)) return Fail("a hotkey is said to be held by another program");
  Say(IsWindowEnabled(option) ? "the system can keep the program's windows out of the frames"
                              : "录制时不录入本程序窗口 is greyed: " + TextOf(reason));
  return true;
}

bool ClickIn(HWND window) {
  RECT area;
  return GetWindowRect(window, &area) &&
         ClickAt(POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2});
}

// The user clicks into the first hotkey box and presses Ctrl+Shift+F8, then ticks the options.
// The keyboard focus of the program's window thread, as another program sees it.
HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

// A click into the control; keys go once it has the focus, as a person types after the caret shows.
bool ClickToFocus(HWND control) {
  if (!ClickIn(control)) return Fail("a control could not be clicked");
  if (!WaitUntil([&] { return FocusOf(control) == control; }, 5)) return Fail("a clicked control took no focus");
  PumpFor(200);
  return true;
}

bool TypeHotkey(HWND box, std::initializer_list<WORD> keys) {
  return ClickToFocus(box) && (PressKeys(keys) || Fail("the keys were not taken"));
}

// The line under 帧率 says which rates this screen sustains.
bool SaysTheSustainedRates(const Run& run) {
  HWND note = FindChild(run.settings, kLabelClass, "此屏幕");
  if (!note || !IsWindowVisible(note)) return Fail("no line under 帧率 says what this screen sustains");
  const std::string text = TextOf(note);
  if (text.rfind("此屏幕可持续：10", 0) != 0 && text != "此屏幕无法持续 10 帧/秒，录制仍按时间计帧")
    return Fail("the line under 帧率 reads \"" + text + "\"");
  Say(text);
  return true;
}

// The user opens the list with a click and picks item `item` with the keyboard: Home, Down to
// it, Enter.
bool ChooseItem(HWND list, int item) {
  if (!ClickIn(list) || !WaitUntil([&] { return SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 5))
    return Fail("a click on a list did not open it");
  PressKey(VK_HOME);
  for (int i = 0; i < item; ++i) PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  return WaitUntil([&] { return SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) == 0; }, 5) ||
         Fail("Enter left a list open");
}

bool ChangeSettings(Run& run) {
  if (!TypeHotkey(HotkeyBox(run.settings, 0), {VK_CONTROL, VK_SHIFT, VK_F8})) return false;
  Click(FindButton(run.settings, "录制鼠标指针"));
  Click(FindButton(run.settings, "突出显示鼠标点击"));
  // 30 帧/秒 and 3 秒 are the fourth items of their lists.
  if (!ChooseItem(ChoiceList(run.settings, 0), 3) || !ChooseItem(ChoiceList(run.settings, 1), 3)) return false;
  return Shows(run, kChanged, "after the changes");
}

bool CloseBy(Run& run, const std::string& button) {
  HWND found = FindButton(run.settings, button);
  if (!found) return Fail("no button " + button);
  Click(found);
  return WaitUntil([&] { return !IsWindow(run.settings); }) || Fail("the settings window stayed after " + button);
}

bool FileHolds(const std::vector<std::string>& lines) {
  const std::string text = FileText();
  for (const std::string& line : lines)
    if (text.find(line + "\r\n") == std::string::npos) return Fail("settings.ini lacks " + line + ":\n" + text);
  return true;
}

bool Exit(Run& run) {
  HWND menu = OpenTrayMenuOf(run.id());
  if (!menu || !ChooseMenuItem(menu, kExit)) return Fail("退出 could not be chosen");
  return WaitUntil([&] { return run.Ended(); }) ||
         Fail("the program did not end after 退出");
}

bool FirstRunStoresTheChanges(Run& run) {
  if (!StartProgram(run) || !OpenSettings(run) || !Shows(run, kDefaults, "on a new settings file")) return false;
  if (!NotesAsTheSystemAllows(run) || !SaysTheSustainedRates(run)) return false;
  HWND first = run.settings;
  if (!OpenSettings(run) || !OneSettingsWindow(run)) return false;
  if (run.settings != first) return Fail("a second 设置 made a new window");
  if (!ChangeSettings(run) || !CloseBy(run, "确定")) return false;
  if (!FileHolds({"RecordOrStop=Ctrl+Shift+F8", "PauseOrResume=Alt+F10", "DrawPointer=0", "HighlightClicks=1",
                  "ExcludeOwnWindows=1", "FrameRate=30", "Countdown=3"}))
    return false;
  Say("确定 kept the changes in settings.ini");
  return Exit(run);
}

// Every way of leaving without 确定 keeps the file and the settings as they were.
bool LeavingWithoutConfirmingChangesNothing(Run& run) {
  const std::string before = FileText();
  struct Leaving {
    const char* name;
    bool (*leave)(Run&);
  };
  const Leaving ways[] = {
      {"取消", [](Run& r) { return CloseBy(r, "取消"); }},
      {"Esc", [](Run& r) {
         SetForegroundWindow(r.settings);
         return PressKey(VK_ESCAPE) && (WaitUntil([&] { return !IsWindow(r.settings); }) || Fail("Esc left it open"));
       }},
      {"the close box", [](Run& r) {
         PostMessageW(r.settings, WM_SYSCOMMAND, SC_CLOSE, 0);
         return WaitUntil([&] { return !IsWindow(r.settings); }) || Fail("the close box left it open");
       }},
  };
  for (const Leaving& way : ways) {
    if (!OpenSettings(run) || !Shows(run, kChanged, "after a restart")) return false;
    Click(FindButton(run.settings, "录制鼠标指针"));
    if (!WaitUntil([&] { return Checked(run.settings, "录制鼠标指针"); }, 3)) return Fail("录制鼠标指针 did not tick");
    if (!ChooseItem(ChoiceList(run.settings, 0), 1) || !ChooseItem(ChoiceList(run.settings, 1), 0)) return false;
    if (!way.leave(run)) return false;
    if (FileText() != before) return Fail(std::string(way.name) + " changed settings.ini");
    Say(std::string(way.name) + " changed nothing");
  }
  return OpenSettings(run) && Shows(run, kChanged, "after leaving without 确定") && CloseBy(run, "取消");
}

// A folder in the place of the temporary file the store writes: the file cannot be written.
bool AFileThatCannotBeWrittenIsReported(Run& run) {
  const std::string blocker = settingsFile + ".tmp";
  if (!CreateDirectoryW(Widen(blocker).c_str(), nullptr)) return Fail("the folder " + blocker + " could not be made");
  const std::string before = FileText();
  bool reported = OpenSettings(run);
  if (reported) {
    Click(FindButton(run.settings, "突出显示鼠标点击"));
    reported = CloseBy(run, "确定");
  }
  HWND box = nullptr;
  if (reported && !WaitUntil([&] { return (box = FindTopWindow(run.id(), kDialogClass, "提示信息")) != nullptr; }))
    reported = Fail("no message box said the settings could not be kept");
  if (reported) {
    const std::string text = TextOf(FindChild(box, kStaticClass, "设置"));
    const std::string expected = "设置未能保存到文件“" + settingsFile + "”，仅在本次运行中有效。";
    if (text != expected) reported = Fail("the message reads \"" + text + "\", not \"" + expected + "\"");
    Click(GetDlgItem(box, IDOK));
  }
  RemoveDirectoryW(Widen(blocker).c_str());
  if (!reported) return false;
  if (FileText() != before) return Fail("settings.ini changed though it could not be stored");
  Shown expected = kChanged;
  expected.highlightClicks = false;
  return OpenSettings(run) && Shows(run, expected, "for the rest of the run") && CloseBy(run, "取消");
}

bool SecondRunShowsThemAndKeepsThem(Run& run) {
  return StartProgram(run) && LeavingWithoutConfirmingChangesNothing(run) && AFileThatCannotBeWrittenIsReported(run) &&
         Exit(run);
}

// The frames of the take so far, counted from outside.
int FramesRecorded() {
  int n = 0;
  while (GetFileAttributesW((WorkingFolder() + L"\\" + std::to_wstring(n + 1) + L".vlf").c_str()) !=
         INVALID_FILE_ATTRIBUTES)
    ++n;
  return n;
}

bool StatusBegins(const Run& run, const std::string& prefix) {
  return WaitUntil([&] { return FindChild(run.recorder, kLabelClass, prefix) != nullptr; }, 5) ||
         Fail("RecorderWindow's status does not read " + prefix + "...");
}

// The program runs on with RecorderWindow, and a take that records keeps growing.
bool StillRunning(const Run& run, bool recording, const std::string& after) {
  const int frames = FramesRecorded();
  PumpFor(1500);
  if (run.Ended() || !IsWindow(run.recorder))
    return Fail("the program ended after " + after);
  if (recording && FramesRecorded() <= frames) return Fail("the take stopped after " + after);
  return true;
}

// The user works in another program and reaches for the tray (on Windows the click puts the
// taskbar in front): Esc closes 设置 alone and the keyboard goes back to that program, so a
// second Esc, pressed by a person who thought the first was lost, reaches no window of this one.
bool EscClosesSettingsAlone(Run& run, bool recording) {
  const CoverWindow work;
  if (!OpenSettings(run)) return false;
  if (!PressKey(VK_ESCAPE) || !WaitUntil([&] { return !IsWindow(run.settings); }, 5))
    return Fail("the first Esc left 设置 open");
  if (!WaitUntil([&] { return work.InFront(); }, 5)) return Fail("closing 设置 did not give the keyboard back");
  if (!StillRunning(run, recording, "Esc in 设置")) return false;
  return PressKey(VK_ESCAPE) && StillRunning(run, recording, "a second Esc");
}

bool BoxShows(HWND box, WORD key, BYTE flags, const std::string& what) {
  LRESULT shown = 0;
  return WaitUntil([&] { return (shown = SendMessageW(box, HKM_GETHOTKEY, 0, 0)) == MAKEWORD(key, flags); }, 3) ||
         Fail("the hotkey box does not show " + what + " but " + std::to_string(shown));
}

// A click on 确定 has been made: it names the problem in a message and leaves the window open.
bool Refused(Run& run, const std::string& expected) {
  HWND box = nullptr;
  if (!WaitUntil([&] { return (box = FindTopWindow(run.id(), kDialogClass, "提示信息")) != nullptr; }, 5))
    return Fail("确定 said nothing, where it should say " + expected);
  const std::string text = TextOf(FindChild(box, kStaticClass, "“"));
  Click(GetDlgItem(box, IDOK));
  if (text != expected) return Fail("确定 said \"" + text + "\", not \"" + expected + "\"");
  PumpFor(500);
  return IsWindow(run.settings) || Fail("the settings window closed after " + expected);
}

bool KeysWhileSettingsOpen(Run& run) {
  HWND record = HotkeyBox(run.settings, 0);
  HWND pause = HotkeyBox(run.settings, 1);
  // The program's own live keys, each typed into the other's box: no take starts or pauses.
  if (!TypeHotkey(pause, {VK_MENU, VK_F9}) || !BoxShows(pause, VK_F9, HOTKEYF_ALT, "Alt+F9")) return false;
  if (!TypeHotkey(record, {VK_MENU, VK_F10}) || !BoxShows(record, VK_F10, HOTKEYF_ALT, "Alt+F10")) return false;
  if (!StatusBegins(run, "暂停：")) return false;
  // The same combination in both boxes, then a box left holding Ctrl alone.
  if (!TypeHotkey(pause, {VK_MENU, VK_F10})) return false;
  Click(FindButton(run.settings, "确定"));
  if (!Refused(run, "“开始/停止录制”和“暂停/继续”不能使用同一个热键，请为其中一项另选。")) return false;
  // Wine's box never reports a combination still being pressed; Windows' may. The box is told to
  // hold Ctrl alone, as it does while only Ctrl is down.
  if (!TypeHotkey(pause, {VK_MENU, VK_F9})) return false;
  SendMessageW(record, HKM_SETHOTKEY, MAKEWORD(0, HOTKEYF_CONTROL), 0);
  Click(FindButton(run.settings, "确定"));
  return Refused(run, "“开始/停止录制”的热键不完整：请在框中按下完整的组合键，或按 Delete 清空。");
}

// With a take: Esc in 设置 twice, Esc in RecorderWindow while paused, the live keys typed into
// the boxes and the two refusals, then the keys work again after 取消, after the close box and,
// traded, after 确定.
bool KeysGoWhereTheyArePressed(Run& run) {
  if (!DeleteFileW(Widen(settingsFile).c_str())) return Fail("settings.ini could not be emptied for the defaults");
  CloseHandle(CreateFileW(Widen(settingsFile).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
  if (!StartProgram(run) || !EscClosesSettingsAlone(run, false)) return false;
  Say("Esc in 设置 without a take closed 设置 alone");
  Click(FindButton(run.recorder, "录制"));
  if (!StatusBegins(run, "录制：") || !EscClosesSettingsAlone(run, true)) return false;
  Say("Esc in 设置, and again, left the take recording");
  if (!PressKeys({VK_MENU, VK_F10}) || !StatusBegins(run, "暂停：")) return false;
  SetForegroundWindow(run.recorder);
  if (!PressKey(VK_ESCAPE) || !StillRunning(run, false, "Esc while paused") || !StatusBegins(run, "暂停："))
    return false;
  Say("Esc in RecorderWindow left the paused take paused");
  if (!OpenSettings(run) || !KeysWhileSettingsOpen(run) || !CloseBy(run, "取消")) return false;
  if (!PressKeys({VK_MENU, VK_F10}) || !StatusBegins(run, "录制：")) return false;
  if (!OpenSettings(run)) return false;
  PostMessageW(run.settings, WM_SYSCOMMAND, SC_CLOSE, 0);
  if (!WaitUntil([&] { return !IsWindow(run.settings); }, 5)) return Fail("the close box left 设置 open");
  if (!PressKeys({VK_MENU, VK_F10}) || !StatusBegins(run, "暂停：")) return false;
  Say("the live keys went into the boxes, the refusals kept 设置 open, and the keys work after 取消 and the close box");
  if (!OpenSettings(run) || !TypeHotkey(HotkeyBox(run.settings, 1), {VK_MENU, VK_F9}) ||
      !TypeHotkey(HotkeyBox(run.settings, 0), {VK_MENU, VK_F10}) || !CloseBy(run, "确定"))
    return false;
  if (!PressKeys({VK_MENU, VK_F9}) || !StatusBegins(run, "录制：")) return false;
  if (!PressKeys({VK_MENU, VK_F10}) || !StatusBegins(run, "停止：")) return false;
  Say("traded by 确定, Alt+F9 resumes and Alt+F10 stops");
  return Exit(run);
}

// The 声音 part against the suite's PulseAudio server: the monitor its 440 Hz sine at half of
// full scale plays into is the default microphone (about 90 on the bar's decibel scale), the
// monitor of its null output a silent second one, and Wine here has no loopback capture.
constexpr char kSineSource[] = "Monitor of Velmo-Microphone";
constexpr int kSineShown = 90;

// Each source's bar and slider, the microphone's first.
HWND NthChild(HWND settings, const wchar_t* windowClass, size_t which) {
  const std::vector<HWND> found = Children(settings, windowClass);
  return which < found.size() ? found[which] : nullptr;
}
int LevelShown(HWND bar) { return static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0)); }

// The percentage beside a slider, the microphone's first; empty when there is none.
std::string PercentShown(HWND settings, size_t which) {
  std::vector<std::string> shown;
  for (HWND label : Children(settings, kLabelClass))
    if (TextOf(label).ends_with("%")) shown.push_back(TextOf(label));
  return which < shown.size() ? shown[which] : "";
}

bool ChooseDevice(HWND list, const std::string& name) {
  const LRESULT item = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(Widen(name).c_str()));
  return item >= 0 ? ChooseItem(list, static_cast<int>(item)) : Fail("the microphone list lacks " + name);
}

// A source started afresh takes a moment to come, so the bar is given five seconds to show it;
// a silent source keeps it empty for three.
bool BarShows(HWND bar, int low, int high, const std::string& when) {
  int shown = -1;
  return WaitUntil([&] { return (shown = LevelShown(bar)) >= low && shown <= high; }, 5) ||
         Fail("the microphone's bar reads " + std::to_string(shown) + " " + when);
}

bool BarStaysEmpty(HWND bar, const std::string& when) {
  bool empty = WaitUntil([&] { return LevelShown(bar) == 0; }, 5);
  for (int i = 0; empty && i < 30; ++i) empty = (PumpFor(100), LevelShown(bar) == 0);
  return empty || Fail("the microphone's bar reads " + std::to_string(LevelShown(bar)) + " " + when);
}

// A click into the slider may move it a page towards the click: the keys begin with Home or End.
bool SliderTo(HWND slider, std::initializer_list<WORD> keys, const std::string& percent, HWND settings) {
  if (!ClickToFocus(slider)) return false;
  for (WORD key : keys) PressKey(key);
  return WaitUntil([&] { return PercentShown(settings, 0) == percent; }, 3) ||
         Fail("the microphone's level reads " + PercentShown(settings, 0) + ", not " + percent);
}

// The sound server's recordings now, as its own pactl lists them; -1 when it cannot tell.
int RecordingsOfTheServer() {
  const LinuxRun run = RunLinuxProgram({"/usr/bin/pactl", "list", "short", "source-outputs"}, 20);
  return run.status == 0 ? static_cast<int>(std::count(run.output.begin(), run.output.end(), '\n')) : -1;
}

// The computer's sound comes from the file ticked at 150 %, the system refusing it.
bool TheRefusedSourceIsGreyedWithItsReason(const Run& run) {
  HWND box = FindButton(run.settings, "录制电脑声音");
  HWND reason = FindChild(run.settings, kLabelClass, "本系统不能录制电脑声音");
  if (!box || IsWindowEnabled(box) || !Checked(run.settings, "录制电脑声音"))
    return Fail("录制电脑声音 is not greyed and ticked");
  if (!reason || !IsWindowVisible(reason)) return Fail("no grey reason says the computer's sound cannot be recorded");
  if (IsWindowVisible(NthChild(run.settings, PROGRESS_CLASSW, 1))) return Fail("the refused source shows a level bar");
  if (PercentShown(run.settings, 1) != "150%") return Fail("the computer's sound's level is not 150%");
  Say("录制电脑声音 is greyed: " + TextOf(reason));
  return true;
}

// The microphone's bar follows its device: the sine, the silent monitor, the sine again, then
// its level from 200 % to 0 %; the level ends at 75 % with the microphone ticked.
bool TheMicrophoneFollowsItsDeviceAndLevel(const Run& run) {
  HWND bar = NthChild(run.settings, PROGRESS_CLASSW, 0);
  HWND list = ChoiceList(run.settings, 2);
  HWND slider = NthChild(run.settings, TRACKBAR_CLASSW, 0);
  if (TextOf(list) != "默认设备" || PercentShown(run.settings, 0) != "100%")
    return Fail("the microphone is not on 默认设备 at 100%");
  if (!BarShows(bar, kSineShown - 3, kSineShown + 3, "with the sine at 100%")) return false;
  if (!ChooseDevice(list, "Monitor of Null Output") || !BarStaysEmpty(bar, "from the silent monitor")) return false;
  if (!ChooseDevice(list, kSineSource) || !BarShows(bar, kSineShown - 3, kSineShown + 3, "with the sine again"))
    return false;
  if (!SliderTo(slider, {VK_END}, "200%", run.settings) || !BarShows(bar, 100, 100, "at 200%")) return false;
  if (!SliderTo(slider, {VK_HOME}, "0%", run.settings) || !BarStaysEmpty(bar, "at 0%")) return false;
  if (!SliderTo(slider, {VK_HOME, VK_NEXT, VK_NEXT, VK_NEXT}, "75%", run.settings)) return false;
  Click(FindButton(run.settings, "录制麦克风"));
  return WaitUntil([&] { return Checked(run.settings, "录制麦克风"); }, 3) || Fail("录制麦克风 did not tick");
}

// The choices made are stored by 确定 and shown again; the window listens only while it is open.
bool SoundChoicesAreStoredAndShownAgain(Run& run) {
  const std::string ticked = "[Sound]\r\nComputerSound=1\r\nComputerSoundLevel=150\r\n";
  if (!WriteWholeFile(settingsFile, {ticked.begin(), ticked.end()})) return Fail("settings.ini could not be written");
  if (!StartProgram(run) || !OpenSettings(run)) return false;
  if (!TheRefusedSourceIsGreyedWithItsReason(run) || !TheMicrophoneFollowsItsDeviceAndLevel(run)) return false;
  if (RecordingsOfTheServer() < 1) return Fail("the open window records nothing from the sound server");
  if (!CloseBy(run, "确定")) return false;
  if (!FileHolds({"Microphone=1", std::string("MicrophoneDevice=") + kSineSource, "MicrophoneLevel=75",
                  "ComputerSound=1", "ComputerSoundLevel=150"})) return false;
  if (!WaitUntil([&] { return RecordingsOfTheServer() == 0; }, 5))
    return Fail("recordings of the sound server outlast the closed window");
  if (!OpenSettings(run)) return false;
  if (!Checked(run.settings, "录制麦克风") || TextOf(ChoiceList(run.settings, 2)) != kSineSource ||
      PercentShown(run.settings, 0) != "75%" || PercentShown(run.settings, 1) != "150%")
    return Fail("the window does not show the stored sound choices again");
  Say("确定 kept the microphone, its device and both levels, and the closed window recorded nothing");
  return CloseBy(run, "取消") && Exit(run);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: settings_window_tour.exe VELMO_EXE\n", stderr);
    return 2;
  }
  SetDriverName("settings window tour");
  program = Narrow(argv[1]);
  settingsFile = program.substr(0, program.find_last_of("\\/") + 1) + "settings.ini";
  struct Scenario {
    const char* name;
    bool (*run)(Run&);
  };
  const Scenario scenarios[] = {
      {"change the settings, 确定, 退出", FirstRunStoresTheChanges},
      {"restart, leave without 确定, then a file that cannot be written", SecondRunShowsThemAndKeepsThem},
      {"keys go to the window they are pressed in", KeysGoWhereTheyArePressed},
      {"the sound sources, their devices, levels and bars", SoundChoicesAreStoredAndShownAgain},
  };
  for (const Scenario& scenario : scenarios) {
    Say(scenario.name);
    Run run;
    if (scenario.run(run)) continue;
    Say(std::string("FAILED: ") + Problem());
    run.Kill();
    return 1;
  }
  Say("done");
  return 0;
}
