// tour.exe: the first-run tour. For someone without a screen of their own it shows what the
// program does, through the program's real windows driven from outside as a user would drive
// them: record a moving test picture, save the take at 80 percent through SaveDialog and the
// system's save-file dialog (the take paused once from the tray menu and resumed), record a
// second, shorter take and save it as an MP4 video, open the recording in PlayerWindow and play
// it, open the settings window from the tray menu and leave it by 取消, then leave through the
// tray menu's 退出. It writes the recording, the video and pictures of the windows into a folder.
//
//   tour.exe VELMO_EXE OUT_FOLDER        (Windows paths)
//
// Every step waits for the program with a time limit; when one runs out, the tour names the
// step, ends the program it started and exits with 1.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "components/services/wide_text.h"
#include "components/services/win_handle.h"
#include "tools/tour/keyboard.h"
#include "tools/tour/outside_window.h"
#include "tools/tour/test_picture.h"
#include "tools/tour/tray_menu.h"
#include "tools/tour/waiting.h"
#include "tools/tour/working_folder.h"
#include "tools/window_picture/window_picture.h"

namespace {

constexpr wchar_t kFormClass[] = L"VelmoForm";
constexpr wchar_t kLabelClass[] = L"VelmoLabel";
constexpr wchar_t kEditClass[] = L"Edit";
constexpr wchar_t kStaticClass[] = L"Static";
constexpr wchar_t kComboClass[] = L"ComboBox";

// A take of three seconds (30 frames), pictured at two; the picture stays clear of the recorder
// in the top-right corner.
constexpr double kTakeSeconds = 3.0;
constexpr double kRecorderPictureSeconds = 2.0;
// The second take, saved as a video: one and a half seconds.
constexpr double kVideoTakeSeconds = 1.5;
// SaveDialog's 组合框: "vmrc格式", "mp4格式", "gif格式".
constexpr int kMp4Item = 1;
constexpr RECT kTestPictureArea{60, 170, 580, 530};
// SaveDialog is pictured halfway through converting, long before the success message covers it.
constexpr double kSavePicturePercent = 40;
constexpr double kSaveLastPicturePercent = 90;

using ProcessHandle = UniqueWinHandle<HANDLE, CloseHandle, NullHandle>;

struct Tour {
  std::string program;
  std::string folder;
  ProcessHandle process;
  DWORD processId = 0;
  HWND recorder = nullptr;
  HWND status = nullptr;
  HWND saveDialog = nullptr;
  HWND player = nullptr;
  HWND settings = nullptr;
  HWND trayMenu = nullptr;
  std::unique_ptr<TestPicture> picture;
  std::string problem;  // what went wrong in the step that failed
};

void Say(const std::string& line) {
  std::fputs(("tour: " + line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

bool Fail(Tour& tour, const std::string& problem) {
  tour.problem = problem;
  return false;
}

std::string InFolder(const Tour& tour, const std::string& name) { return tour.folder + "\\" + name; }

std::string RecordingPath(const Tour& tour) { return InFolder(tour, "tour.vmrc"); }

std::string VideoPath(const Tour& tour) { return InFolder(tour, "tour.mp4"); }

// The number that follows `prefix` in a status text ("录制：2.5秒", "时长:1.2/3秒",
// "正在处理数据40%"); -1 when the text does not begin with it or no number follows.
double NumberAfter(const std::string& text, const std::string& prefix) {
  if (!text.starts_with(prefix)) return -1;
  const char* start = text.c_str() + prefix.size();
  char* end = nullptr;
  const double number = std::strtod(start, &end);
  return end == start ? -1 : number;
}

std::string SecondsText(double seconds) {
  char text[32];
  std::snprintf(text, sizeof(text), "%g", seconds);
  return text;
}

bool ProgramEnded(const Tour& tour) { return WaitForSingleObject(tour.process.get(), 0) == WAIT_OBJECT_0; }

HWND WaitForWindow(const Tour& tour, const wchar_t* windowClass, const std::string& caption, HWND owner = nullptr) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopWindow(tour.processId, windowClass, caption, owner)) != nullptr; });
  return found;
}

HWND WaitForChild(HWND parent, const wchar_t* windowClass, const std::string& prefix) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindChild(parent, windowClass, prefix)) != nullptr; });
  return found;
}

bool ClickButton(Tour& tour, HWND window, const std::string& caption) {
  HWND button = FindButton(window, caption);
  if (!button || !IsWindowEnabled(button)) return Fail(tour, "no enabled button " + caption);
  Click(button);
  return true;
}

bool Picture(Tour& tour, const RECT& area, const std::string& name) {
  const std::string path = InFolder(tour, name);
  if (!WriteScreenPicture(area, path)) return Fail(tour, "the picture " + path + " could not be written");
  Say("wrote " + path);
  return true;
}

bool PictureWindow(Tour& tour, HWND window, const std::string& name) {
  RECT area;
  return GetWindowRect(window, &area) ? Picture(tour, area, name) : Fail(tour, "the window to picture is gone");
}

// The system's file dialog that `owner` opens: the path typed into its file name field, then
// its OK button, as a user would.
bool AnswerFileDialog(Tour& tour, HWND owner, const std::string& path) {
  HWND dialog = WaitForWindow(tour, kDialogClass, "", owner);
  if (!dialog) return Fail(tour, "no file dialog appeared");
  HWND name = FindChild(dialog, kEditClass, "");
  if (!name || !TypeInto(name, path)) return Fail(tour, "the file dialog took no file name");
  Click(GetDlgItem(dialog, IDOK));
  return WaitUntil([&] { return !IsWindow(dialog); }) || Fail(tour, "the file dialog stayed open with " + path);
}

bool StartProgram(Tour& tour) {
  // Files left by an earlier tour would make the save-file dialog ask about replacing them, and
  // a take left in the working folder would make the start ask about keeping it.
  DeleteFileW(Widen(RecordingPath(tour)).c_str());
  DeleteFileW(Widen(VideoPath(tour)).c_str());
  ClearWorkingFolder();
  const std::wstring program = Widen(tour.program);
  const std::wstring folder = program.substr(0, program.find_last_of(L"\\/"));
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &started))
    return Fail(tour, "velmo.exe could not be started from " + tour.program);
  CloseHandle(started.hThread);
  tour.process.reset(started.hProcess);
  tour.processId = started.dwProcessId;
  tour.recorder = WaitForWindow(tour, kFormClass, "Velmo屏幕录像器");
  if (!tour.recorder) return Fail(tour, "RecorderWindow did not appear");
  tour.status = WaitForChild(tour.recorder, kLabelClass, "停止：");
  return tour.status || Fail(tour, "RecorderWindow shows no status text 停止：");
}

bool ShowTestPicture(Tour& tour) {
  tour.picture = std::make_unique<TestPicture>(kTestPictureArea);
  if (!*tour.picture) return Fail(tour, "the test picture could not be shown");
  PumpFor(500);
  return true;
}

bool RecordedAtLeast(Tour& tour, double seconds) {
  return WaitUntil([&] { return NumberAfter(TextOf(tour.status), "录制：") >= seconds; }) ||
         Fail(tour, "the status text did not count up to 录制：" + SecondsText(seconds) + "秒");
}

bool StartRecording(Tour& tour) { return ClickButton(tour, tour.recorder, "录制") && RecordedAtLeast(tour, 0.1); }

bool PictureRecorder(Tour& tour) {
  return RecordedAtLeast(tour, kRecorderPictureSeconds) && PictureWindow(tour, tour.recorder, "tour-recorder.png");
}

// The tray menu's third item: 暂停 while the take records, 继续 while it is paused.
bool ChoosePauseItem(Tour& tour, const std::string& statusPrefix) {
  const POINT third = MenuItemMiddle(2);
  HWND menu = OpenTrayMenuOf(tour.processId);
  if (!menu) return Fail(tour, "the tray icon opened no menu");
  PumpFor(300);
  if (!ClickMenuAt(menu, third)) return Fail(tour, "the click on the tray menu's third item was not taken");
  return WaitUntil([&] { return TextOf(tour.status).starts_with(statusPrefix); }) ||
         Fail(tour, "the status text reads " + TextOf(tour.status) + ", not " + statusPrefix + "...");
}

// Paused, the take stands still: its status text keeps its seconds until 继续.
bool PauseAndResume(Tour& tour) {
  if (!ChoosePauseItem(tour, "暂停：")) return false;
  const std::string paused = TextOf(tour.status);
  PumpFor(500);
  if (TextOf(tour.status) != paused) return Fail(tour, "the paused take went on to " + TextOf(tour.status));
  Say("paused at " + paused);
  return PictureWindow(tour, tour.recorder, "tour-recorder-paused.png") && ChoosePauseItem(tour, "录制：");
}

bool StopRecordingAfter(Tour& tour, double seconds) {
  if (!RecordedAtLeast(tour, seconds) || !ClickButton(tour, tour.recorder, "停止")) return false;
  if (!WaitUntil([&] { return TextOf(tour.status).starts_with("停止："); }))
    return Fail(tour, "the status text did not turn to 停止：");
  Say("took " + TextOf(tour.status));
  tour.picture.reset();
  return true;
}

bool StopRecording(Tour& tour) { return StopRecordingAfter(tour, kTakeSeconds); }

bool OpenSaveDialog(Tour& tour) {
  if (!ClickButton(tour, tour.recorder, "保存")) return false;
  tour.saveDialog = WaitForWindow(tour, kFormClass, "保存设置");
  if (!tour.saveDialog) return Fail(tour, "SaveDialog did not appear");
  return WaitForChild(tour.saveDialog, kLabelClass, "80%") || Fail(tour, "SaveDialog does not offer 80%");
}

bool SaveTheTake(Tour& tour) {
  return ClickButton(tour, tour.saveDialog, "保存") && AnswerFileDialog(tour, tour.saveDialog, RecordingPath(tour));
}

bool PictureSaveDialog(Tour& tour) {
  HWND progress = nullptr;
  const bool halfway = WaitUntil([&] {
    if (!progress) progress = FindChild(tour.saveDialog, kLabelClass, "正在处理数据");
    const double percent = progress ? NumberAfter(TextOf(progress), "正在处理数据") : -1;
    return percent >= kSavePicturePercent && percent <= kSaveLastPicturePercent;
  });
  if (!halfway) return Fail(tour, "SaveDialog did not show its progress 正在处理数据N%");
  Say("SaveDialog shows " + TextOf(progress));
  return PictureWindow(tour, tour.saveDialog, "tour-save-dialog.png");
}

bool AnswerSuccessMessageFor(Tour& tour, const std::string& path) {
  HWND box = WaitForWindow(tour, kDialogClass, "信息：");
  if (!box) return Fail(tour, "no message box 信息： came after the save");
  HWND text = FindChild(box, kStaticClass, "文件“");
  const std::string shown = text ? TextOf(text) : "";
  const std::string expected = "文件“" + path + "”保存成功!";
  if (shown != expected) return Fail(tour, "the message box reads \"" + shown + "\", not \"" + expected + "\"");
  Say(shown);
  Click(GetDlgItem(box, IDOK));
  return WaitUntil([&] { return !IsWindow(tour.saveDialog); }) || Fail(tour, "SaveDialog stayed open");
}

bool AnswerSuccessMessage(Tour& tour) { return AnswerSuccessMessageFor(tour, RecordingPath(tour)); }

bool RecordSecondTake(Tour& tour) {
  return ShowTestPicture(tour) && ClickButton(tour, tour.recorder, "录制") && RecordedAtLeast(tour, 0.1) &&
         StopRecordingAfter(tour, kVideoTakeSeconds);
}

// The Down key on 组合框, as a user choosing from the list with the keyboard, until it shows the
// MP4 item.
bool ChooseMp4(Tour& tour) {
  HWND combo = FindChild(tour.saveDialog, kComboClass, "");
  if (!combo) return Fail(tour, "SaveDialog shows no format choice");
  for (int i = 0; i < kMp4Item; ++i) {
    PostMessageW(combo, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(combo, WM_KEYUP, VK_DOWN, 0);
  }
  if (!WaitUntil([&] { return SendMessageW(combo, CB_GETCURSEL, 0, 0) == kMp4Item; }))
    return Fail(tour, "the format choice did not move to mp4格式");
  Say("SaveDialog offers " + TextOf(combo));
  return true;
}

bool SaveTheTakeAsMp4(Tour& tour) {
  return OpenSaveDialog(tour) && ChooseMp4(tour) && ClickButton(tour, tour.saveDialog, "保存") &&
         AnswerFileDialog(tour, tour.saveDialog, VideoPath(tour));
}

bool AnswerVideoSavedMessage(Tour& tour) { return AnswerSuccessMessageFor(tour, VideoPath(tour)); }

bool OpenPlayer(Tour& tour) {
  if (!ClickButton(tour, tour.recorder, "播放")) return false;
  tour.player = WaitForWindow(tour, kFormClass, "Velmo专用播放器");
  return tour.player || Fail(tour, "PlayerWindow did not appear");
}

bool OpenRecording(Tour& tour) {
  return ClickButton(tour, tour.player, "打开") && AnswerFileDialog(tour, tour.player, RecordingPath(tour));
}

// Waits until the time text "时长:elapsed/total秒" has reached `share` of the total; false when it
// never does, with the last text read in `text`.
bool PlayedShare(HWND time, double share, std::string& text) {
  return time && WaitUntil([&] {
    text = TextOf(time);
    const double elapsed = NumberAfter(text, "时长:");
    const size_t slash = text.find('/');
    const double total = slash == std::string::npos ? 0 : NumberAfter(text.substr(slash), "/");
    return total > 0 && elapsed >= total * share;
  });
}

// A quarter through the take the user presses I and halfway O, so the picture shows the marked
// range on the progress bar; halfway, the time text reading "时长:elapsed/total秒".
bool PicturePlayer(Tour& tour) {
  HWND time = WaitForChild(tour.player, kLabelClass, "时长:");
  std::string text;
  if (!PlayedShare(time, 0.25, text) || !PressKey('I') || !PlayedShare(time, 0.5, text) || !PressKey('O'))
    return Fail(tour, "PlayerWindow did not play the recording (its time text reads " + text + ")");
  // The program draws the range once it has taken the key.
  PumpFor(300);
  Say("PlayerWindow shows " + text + ", a range marked from a quarter to half of it");
  return PictureWindow(tour, tour.player, "tour-player.png");
}

// Playback ends by itself after the last frame, which enables 播放 again.
bool WatchToTheEnd(Tour& tour) {
  HWND play = FindButton(tour.player, "播放");
  return (play && WaitUntil([&] { return IsWindowEnabled(play) != FALSE; }, kStepSeconds + kTakeSeconds)) ||
         Fail(tour, "playback did not come to its end");
}

// 设置 is the tray menu's item just above 退出; the window is pictured as it opens, then left
// by 取消, which changes nothing.
bool OpenSettings(Tour& tour) {
  HWND menu = OpenTrayMenuOf(tour.processId);
  if (!menu) return Fail(tour, "the tray icon opened no menu");
  if (!ChooseMenuItemFromEnd(menu, 1)) return Fail(tour, "设置 could not be chosen in the tray menu");
  tour.settings = WaitForWindow(tour, kFormClass, "设置");
  return tour.settings || Fail(tour, "the settings window did not appear");
}

bool PictureSettings(Tour& tour) {
  PumpFor(300);
  return PictureWindow(tour, tour.settings, "tour-settings.png");
}

bool CancelSettings(Tour& tour) {
  return ClickButton(tour, tour.settings, "取消") &&
         (WaitUntil([&] { return !IsWindow(tour.settings); }) || Fail(tour, "the settings window stayed open"));
}

bool OpenTrayMenu(Tour& tour) {
  tour.trayMenu = OpenTrayMenuOf(tour.processId);
  if (!tour.trayMenu) return Fail(tour, "the tray icon opened no menu");
  PumpFor(300);
  // The whole screen: the menu over the taskbar it opened from, with both windows behind it.
  const RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return Picture(tour, area, "tour-tray-menu.png");
}

// 退出 is the menu's last item.
bool ChooseExit(Tour& tour) {
  if (!ClickLastMenuItem(tour.trayMenu)) return Fail(tour, "the click on 退出 was not taken");
  return WaitUntil([&] { return ProgramEnded(tour); }) || Fail(tour, "the program did not end after 退出");
}

// After a failed step: says whether the program had already ended, else ends it, so nothing
// of the tour keeps running.
void EndProgram(const Tour& tour) {
  if (!tour.process) return;
  DWORD code = 0;
  if (ProgramEnded(tour) && GetExitCodeProcess(tour.process.get(), &code)) {
    Say("velmo.exe had ended with exit code " + std::to_string(code));
    return;
  }
  TerminateProcess(tour.process.get(), 1);
  WaitForSingleObject(tour.process.get(), 5000);
}

struct Step {
  const char* name;
  bool (*run)(Tour&);
};

constexpr Step kSteps[] = {
    {"start velmo.exe and wait for RecorderWindow", StartProgram},
    {"show a moving test picture", ShowTestPicture},
    {"click 录制", StartRecording},
    {"picture RecorderWindow while it records", PictureRecorder},
    {"pause the take from the tray menu, picture RecorderWindow, and resume", PauseAndResume},
    {"click 停止 after three seconds", StopRecording},
    {"click 保存 and wait for SaveDialog at 80%", OpenSaveDialog},
    {"click 保存 in SaveDialog and name the recording in the save-file dialog", SaveTheTake},
    {"picture SaveDialog while it saves", PictureSaveDialog},
    {"answer the message that the recording was saved", AnswerSuccessMessage},
    {"record a second take of one and a half seconds", RecordSecondTake},
    {"click 保存, choose mp4格式 and name the video in the save-file dialog", SaveTheTakeAsMp4},
    {"answer the message that the video was saved", AnswerVideoSavedMessage},
    {"click 播放 and wait for PlayerWindow", OpenPlayer},
    {"click 打开 and choose the recording in the open-file dialog", OpenRecording},
    {"picture PlayerWindow while it plays", PicturePlayer},
    {"watch the recording play to its end", WatchToTheEnd},
    {"choose 设置 in the tray menu and wait for the settings window", OpenSettings},
    {"picture the settings window", PictureSettings},
    {"click 取消 in the settings window", CancelSettings},
    {"right-click the tray icon and picture its menu", OpenTrayMenu},
    {"choose 退出 and wait for the program to end", ChooseExit},
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fputs("usage: tour.exe VELMO_EXE OUT_FOLDER\n", stderr);
    return 2;
  }
  Tour tour;
  tour.program = Narrow(argv[1]);
  tour.folder = Narrow(argv[2]);
  CreateDirectoryW(argv[2], nullptr);
  for (const Step& step : kSteps) {
    Say(step.name);
    if (step.run(tour)) continue;
    Say(std::string("FAILED at \"") + step.name + "\": " + tour.problem);
    EndProgram(tour);
    return 1;
  }
  Say("done");
  return 0;
}
