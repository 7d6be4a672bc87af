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

#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "tools/drive/keyboard.h"
#include "tools/drive/mouse.h"
#include "tools/drive/outside_program.h"
#include "tools/drive/outside_window.h"
#include "tools/drive/tray_menu.h"
#include "tools/drive/waiting.h"
#include "tools/drive/working_folder.h"
#include "tools/tour/test_picture.h"
#include "tools/window_picture/window_picture.h"

namespace {

constexpr wchar_t kEditClass[] = L"Edit";
constexpr wchar_t kStaticClass[] = L"Static";
constexpr wchar_t kComboClass[] = L"ComboBox";

// A take of three seconds (30 frames), pictured at two; the picture stays clear of the recorder
// in the top-right corner.
constexpr double kTakeSeconds = 3.0;
constexpr double kRecorderPictureSeconds = 2.0;
// The second take, saved as a video: three seconds.
constexpr double kVideoTakeSeconds = 3.0;
// SaveDialog's 组合框: "vmrc格式", "mp4格式", "gif格式".
constexpr int kMp4Item = 1;
// The tray menu's items as the keyboard reaches them: 暂停 (继续 while paused) fourth from the
// top, after 录制, 录制范围 and 停止; 设置 just above 退出, the last.
constexpr int kPauseItem = 3;
// What ▼ beside 录制 offers on a screen of one monitor: 全屏, 区域..., 窗口....
constexpr int kRegionItem = 1;
constexpr wchar_t kAreaPickerClass[] = L"VelmoAreaPicker";
// The region of the second take: the test picture and the screen around it below RecorderWindow,
// 981x591, large enough that its video's save is still converting when SaveDialog is pictured.
constexpr RECT kRegion{20, 150, 1001, 741};
constexpr int kSettingsItem = -2;
constexpr int kExitItem = -1;
constexpr RECT kTestPictureArea{60, 170, 580, 530};
// SaveDialog is pictured while it converts the video, long before the success message covers it:
// the recording, coded during its take at the quality SaveDialog offers, saves at once.
constexpr double kSavePicturePercent = 10;
constexpr double kSaveLastPicturePercent = 90;

struct Tour : OutsideProgram {
  std::string program;
  std::string folder;
  HWND saveDialog = nullptr;
  HWND player = nullptr;
  HWND settings = nullptr;
  HWND trayMenu = nullptr;
  std::unique_ptr<TestPicture> picture;
};

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

HWND WaitForChild(HWND parent, const wchar_t* windowClass, const std::string& prefix) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindChild(parent, windowClass, prefix)) != nullptr; });
  return found;
}

bool ClickButton(HWND window, const std::string& caption) {
  HWND button = FindButton(window, caption);
  if (!button || !IsWindowEnabled(button)) return Fail("no enabled button " + caption);
  Click(button);
  return true;
}

bool Picture(Tour& tour, const RECT& area, const std::string& name) {
  const std::string path = InFolder(tour, name);
  if (!WriteScreenPicture(area, path)) return Fail("the picture " + path + " could not be written");
  Say("wrote " + path);
  return true;
}

bool PictureWindow(Tour& tour, HWND window, const std::string& name) {
  RECT area;
  return GetWindowRect(window, &area) ? Picture(tour, area, name) : Fail("the window to picture is gone");
}

// The system's file dialog that `owner` opens: the path typed into its file name field, then
// its OK button, as a user would.
bool AnswerFileDialog(Tour& tour, HWND owner, const std::string& path) {
  HWND dialog = tour.Window(kDialogClass, "", owner);
  if (!dialog) return Fail("no file dialog appeared");
  HWND name = FindChild(dialog, kEditClass, "");
  if (!name || !TypeInto(name, path)) return Fail("the file dialog took no file name");
  Click(GetDlgItem(dialog, IDOK));
  return WaitUntil([&] { return !IsWindow(dialog); }) || Fail("the file dialog stayed open with " + path);
}

bool StartProgram(Tour& tour) {
  // Files left by an earlier tour would make the save-file dialog ask about replacing them, and
  // a take left in the working folder would make the start ask about keeping it. The program
  // starts with its first-run settings: whatever an earlier run chose to record or how fast would
  // change every take of the tour.
  ForgetSettings();
  DeleteFileW(Widen(RecordingPath(tour)).c_str());
  DeleteFileW(Widen(VideoPath(tour)).c_str());
  ClearWorkingFolder();
  return tour.Start(tour.program) && tour.RecorderShown();
}

bool ShowTestPicture(Tour& tour) {
  tour.picture = std::make_unique<TestPicture>(kTestPictureArea);
  if (!*tour.picture) return Fail("the test picture could not be shown");
  PumpFor(500);
  return true;
}

bool RecordedAtLeast(Tour& tour, double seconds) {
  return WaitUntil([&] { return NumberAfter(TextOf(tour.status), "录制：") >= seconds; }) ||
         Fail("the status text did not count up to 录制：" + SecondsText(seconds) + "秒");
}

bool StartRecording(Tour& tour) { return ClickButton(tour.recorder, "录制") && RecordedAtLeast(tour, 0.1); }

bool PictureRecorder(Tour& tour) {
  return RecordedAtLeast(tour, kRecorderPictureSeconds) && PictureWindow(tour, tour.recorder, "tour-recorder.png");
}

// The tray menu's third item: 暂停 while the take records, 继续 while it is paused.
bool ChoosePauseItem(Tour& tour, const std::string& statusPrefix) {
  HWND menu = OpenTrayMenuOf(tour.id());
  if (!menu) return Fail("the tray icon opened no menu");
  PumpFor(300);
  if (!ChooseMenuItem(menu, kPauseItem)) return Fail("the tray menu's 暂停 item could not be chosen");
  return WaitUntil([&] { return TextOf(tour.status).starts_with(statusPrefix); }) ||
         Fail("the status text reads " + TextOf(tour.status) + ", not " + statusPrefix + "...");
}

// Paused, the take stands still: its status text keeps its seconds until 继续.
bool PauseAndResume(Tour& tour) {
  if (!ChoosePauseItem(tour, "暂停：")) return false;
  const std::string paused = TextOf(tour.status);
  PumpFor(500);
  if (TextOf(tour.status) != paused) return Fail("the paused take went on to " + TextOf(tour.status));
  Say("paused at " + paused);
  return PictureWindow(tour, tour.recorder, "tour-recorder-paused.png") && ChoosePauseItem(tour, "录制：");
}

bool StopRecordingAfter(Tour& tour, double seconds) {
  if (!RecordedAtLeast(tour, seconds) || !ClickButton(tour.recorder, "停止")) return false;
  if (!WaitUntil([&] { return TextOf(tour.status).starts_with("停止："); }))
    return Fail("the status text did not turn to 停止：");
  Say("took " + TextOf(tour.status));
  tour.picture.reset();
  return true;
}

bool StopRecording(Tour& tour) { return StopRecordingAfter(tour, kTakeSeconds); }

bool OpenSaveDialog(Tour& tour) {
  if (!ClickButton(tour.recorder, "保存")) return false;
  tour.saveDialog = tour.Window(kFormClass, "保存设置");
  if (!tour.saveDialog) return Fail("SaveDialog did not appear");
  return WaitForChild(tour.saveDialog, kLabelClass, "80%") || Fail("SaveDialog does not offer 80%");
}

bool SaveTheTake(Tour& tour) {
  return ClickButton(tour.saveDialog, "保存") && AnswerFileDialog(tour, tour.saveDialog, RecordingPath(tour));
}

bool PictureSaveDialog(Tour& tour) {
  HWND progress = nullptr;
  const bool halfway = WaitUntil([&] {
    if (!progress) progress = FindChild(tour.saveDialog, kLabelClass, "正在处理数据");
    const double percent = progress ? NumberAfter(TextOf(progress), "正在处理数据") : -1;
    return percent >= kSavePicturePercent && percent <= kSaveLastPicturePercent;
  });
  if (!halfway) return Fail("SaveDialog did not show its progress 正在处理数据N%");
  Say("SaveDialog shows " + TextOf(progress));
  return PictureWindow(tour, tour.saveDialog, "tour-save-dialog.png");
}

bool AnswerSuccessMessageFor(Tour& tour, const std::string& path) {
  HWND box = tour.Window(kDialogClass, "信息：");
  if (!box) return Fail("no message box 信息： came after the save");
  HWND text = FindChild(box, kStaticClass, "文件“");
  const std::string shown = text ? TextOf(text) : "";
  const std::string expected = "文件“" + path + "”保存成功!";
  if (shown != expected) return Fail("the message box reads \"" + shown + "\", not \"" + expected + "\"");
  Say(shown);
  Click(GetDlgItem(box, IDOK));
  return WaitUntil([&] { return !IsWindow(tour.saveDialog); }) || Fail("SaveDialog stayed open");
}

bool AnswerSuccessMessage(Tour& tour) { return AnswerSuccessMessageFor(tour, RecordingPath(tour)); }

// ▼ beside 录制, then 区域...: the overlay over the screen, a rectangle around the test picture
// dragged on it with the mouse and pictured, and Enter, which starts the take of that region.
bool ChooseRegionOverThePicture(Tour& tour) {
  if (!ClickButton(tour.recorder, "▼")) return false;
  HWND menu = nullptr;
  if (!WaitUntil([&] { return (menu = FindWindowW(kMenuClass, nullptr)) != nullptr; })) return Fail("▼ opened no menu");
  PumpFor(300);
  if (!ChooseMenuItem(menu, kRegionItem)) return Fail("区域... could not be chosen");
  if (!WaitUntil([] { return FindWindowW(kAreaPickerClass, nullptr) != nullptr; })) return Fail("no overlay came");
  PumpFor(300);
  MoveMouseTo({kRegion.left, kRegion.top});
  PressLeftButton();
  MoveMouseTo({(kRegion.left + kRegion.right) / 2, (kRegion.top + kRegion.bottom) / 2});
  MoveMouseTo({kRegion.right - 1, kRegion.bottom - 1});
  ReleaseLeftButton();
  MoveMouseTo({kRegion.right + 10, kRegion.bottom + 10});
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (!Picture(tour, screen, "tour-region-overlay.png")) return false;
  return PressKey(VK_RETURN) || Fail("Enter was not taken");
}

bool RecordSecondTake(Tour& tour) {
  return ShowTestPicture(tour) && ChooseRegionOverThePicture(tour) && RecordedAtLeast(tour, 0.1) &&
         StopRecordingAfter(tour, kVideoTakeSeconds);
}

// The Down key on 组合框, as a user choosing from the list with the keyboard, until it shows the
// MP4 item.
bool ChooseMp4(Tour& tour) {
  HWND combo = FindChild(tour.saveDialog, kComboClass, "");
  if (!combo) return Fail("SaveDialog shows no format choice");
  for (int i = 0; i < kMp4Item; ++i) {
    PostMessageW(combo, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(combo, WM_KEYUP, VK_DOWN, 0);
  }
  if (!WaitUntil([&] { return SendMessageW(combo, CB_GETCURSEL, 0, 0) == kMp4Item; }))
    return Fail("the format choice did not move to mp4格式");
  Say("SaveDialog offers " + TextOf(combo));
  return true;
}

bool SaveTheTakeAsMp4(Tour& tour) {
  return OpenSaveDialog(tour) && ChooseMp4(tour) && ClickButton(tour.saveDialog, "保存") &&
         AnswerFileDialog(tour, tour.saveDialog, VideoPath(tour));
}

bool AnswerVideoSavedMessage(Tour& tour) { return AnswerSuccessMessageFor(tour, VideoPath(tour)); }

bool OpenPlayer(Tour& tour) {
  if (!ClickButton(tour.recorder, "播放")) return false;
  tour.player = tour.Window(kFormClass, "Velmo专用播放器");
  return tour.player || Fail("PlayerWindow did not appear");
}

bool OpenRecording(Tour& tour) {
  return ClickButton(tour.player, "打开") && AnswerFileDialog(tour, tour.player, RecordingPath(tour));
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
    return Fail("PlayerWindow did not play the recording (its time text reads " + text + ")");
  // The program draws the range once it has taken the key.
  PumpFor(300);
  Say("PlayerWindow shows " + text + ", a range marked from a quarter to half of it");
  return PictureWindow(tour, tour.player, "tour-player.png");
}

// Playback ends by itself after the last frame, which enables 播放 again.
bool WatchToTheEnd(Tour& tour) {
  HWND play = FindButton(tour.player, "播放");
  return (play && WaitUntil([&] { return IsWindowEnabled(play) != FALSE; }, kStepSeconds + kTakeSeconds)) ||
         Fail("playback did not come to its end");
}

// 设置 is the tray menu's item just above 退出; the window is pictured as it opens, then left
// by 取消, which changes nothing.
bool OpenSettings(Tour& tour) {
  HWND menu = OpenTrayMenuOf(tour.id());
  if (!menu) return Fail("the tray icon opened no menu");
  if (!ChooseMenuItem(menu, kSettingsItem)) return Fail("设置 could not be chosen in the tray menu");
  tour.settings = tour.Window(kFormClass, "设置");
  return tour.settings || Fail("the settings window did not appear");
}

bool PictureSettings(Tour& tour) {
  PumpFor(300);
  return PictureWindow(tour, tour.settings, "tour-settings.png");
}

bool CancelSettings(Tour& tour) {
  return ClickButton(tour.settings, "取消") &&
         (WaitUntil([&] { return !IsWindow(tour.settings); }) || Fail("the settings window stayed open"));
}

// Before the second take the user turns the microphone on (the sine the tour's own sound server
// gives), waits for its level bar, pictures the window with it, and keeps the choice by 确定.
bool TurnMicrophoneOn(Tour& tour) {
  if (!OpenSettings(tour) || !ClickButton(tour.settings, "录制麦克风")) return false;
  PumpFor(600);
  return PictureWindow(tour, tour.settings, "tour-settings-sound.png") && ClickButton(tour.settings, "确定") &&
         (WaitUntil([&] { return !IsWindow(tour.settings); }) || Fail("the settings window stayed open"));
}

bool OpenTrayMenu(Tour& tour) {
  tour.trayMenu = OpenTrayMenuOf(tour.id());
  if (!tour.trayMenu) return Fail("the tray icon opened no menu");
  PumpFor(300);
  // The whole screen: the menu over the taskbar it opened from, with both windows behind it.
  const RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return Picture(tour, area, "tour-tray-menu.png");
}

// 退出 is the menu's last item.
bool ChooseExit(Tour& tour) {
  if (!ChooseMenuItem(tour.trayMenu, kExitItem)) return Fail("退出 could not be chosen");
  return WaitUntil([&] { return tour.Ended(); }) || Fail("the program did not end after 退出");
}

// After a failed step: says whether the program had already ended, else ends it, so nothing
// of the tour keeps running.
void EndProgram(const Tour& tour) {
  if (!tour.started()) return;
  DWORD code = 0;
  if (tour.Ended() && GetExitCodeProcess(tour.process(), &code)) {
    Say("velmo.exe had ended with exit code " + std::to_string(code));
    return;
  }
  tour.Kill();
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
    {"answer the message that the recording was saved", AnswerSuccessMessage},
    {"turn 录制麦克风 on in the settings window, picture it, and click 确定", TurnMicrophoneOn},
    {"record a second take of three seconds, of a region dragged over the test picture", RecordSecondTake},
    {"click 保存, choose mp4格式 and name the video in the save-file dialog", SaveTheTakeAsMp4},
    {"picture SaveDialog while it saves the video", PictureSaveDialog},
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
  SetDriverName("tour");
  Tour tour;
  tour.program = Narrow(argv[1]);
  tour.folder = Narrow(argv[2]);
  CreateDirectoryW(argv[2], nullptr);
  for (const Step& step : kSteps) {
    Say(step.name);
    if (step.run(tour)) continue;
    Say(std::string("FAILED at \"") + step.name + "\": " + Problem());
    EndProgram(tour);
    return 1;
  }
  Say("done");
  return 0;
}
