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
//     are refused with the window left open; the hotkeys work again however 设置 closed.
//
//   settings_window_tour.exe VELMO_EXE        (a Windows path; settings.ini lies beside it)
//
// Exits with 1 naming the step that failed.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "components/services/wide_text.h"
#include "components/services/win_handle.h"
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

// A click into the box; the keys go once it has the focus, as a person types after the caret shows.
bool TypeHotkey(HWND box, std::initializer_list<WORD> keys) {
  if (!ClickIn(box)) return Fail("a hotkey box could not be clicked");
  if (!WaitUntil([&] { return FocusOf(box) == box; }, 5)) return Fail("a clicked hotkey box did not take the focus");
  PumpFor(200);
  return PressKeys(keys) || Fail("the keys were not taken");
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
