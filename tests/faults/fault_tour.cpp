// fault_tour.exe: what ends a take early, driven from outside through the program's real
// windows, as a user meets it. Each scenario starts velmo.exe afresh:
//   - 退出 from the tray menu while a handler waits in a nested loop (the start-of-take
//     question, SaveDialog opened from it, the save-file dialog, the save's message box, the
//     player's open-file dialog): the program ends with exit code 0 and the take stays;
//   - Esc and the close box on SaveDialog opened from the question keep the take ready to save;
//   - the program killed in the middle of a take, its last frame cut short: the next start
//     offers the take without that frame, and it saves; a start while that question waits
//     ends without a word;
//   - a second start while the first is idle with its recorder hidden, and while it records,
//     with and without a file named on its command line: it ends with exit code 0, asking
//     nothing, and no frame is touched; the first program's player comes to the front with the
//     file named, its recorder without one;
//   - a start naming a recording (quoted, with spaces and Chinese characters) plays it in
//     PlayerWindow alone: no RecorderWindow, no question about the take left behind, which
//     stays; later starts hand their file to that player; closing it ends the program;
//   - a second start naming a recording while the recorder runs plays it in the player;
//   - the program killed while a save converts, while it packs and at its message of success:
//     no frame of the take is lost, the next start offers what the folder still holds, and it
//     saves;
//   - a take started by Alt+F9 and paused and resumed by Alt+F10 while another program's window
//     has the focus, killed while paused: the next start offers it, and it saves whole.
//
//   fault_tour.exe VELMO_EXE SCRATCH_FOLDER        (Windows paths)
//
// SCRATCH_FOLDER\播放 测试\三帧 录像.vmrc is a recording of three frames the calling script
// made. It leaves each recording it saved as SCRATCH_FOLDER\NAME.vmrc beside NAME-frames.txt (the
// frames the recording must hold) for the calling script to check with Info-ZIP, and exits
// with 1 naming the step that failed.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "components/services/wide_text.h"
#include "components/services/win_handle.h"
#include "tools/drive/cover_window.h"
#include "tools/drive/keyboard.h"
#include "tools/drive/outside_program.h"
#include "tools/drive/outside_window.h"
#include "tools/drive/tray_menu.h"
#include "tools/drive/waiting.h"
#include "tools/drive/working_folder.h"

namespace {

// The tray menu's last item.
constexpr int kExitItem = -1;
constexpr wchar_t kEditClass[] = L"Edit";
constexpr wchar_t kStaticClass[] = L"Static";

std::string program;
std::string scratch;

std::wstring FramePath(int n) { return WorkingFolder() + L"\\" + std::to_wstring(n) + L".vlf"; }

// The highest n with n.vlf in the working folder: 0 when there is none.
int LastFrame() {
  int n = 0;
  while (GetFileAttributesW(FramePath(n + 1).c_str()) != INVALID_FILE_ATTRIBUTES) ++n;
  return n;
}

// One run of velmo.exe and what a scenario found of it.
using Run = OutsideProgram;

// Starts velmo.exe, with `argument` quoted on its command line unless it is empty.
bool StartProgram(Run& run, const std::wstring& argument = L"") { return run.Start(program, argument); }

bool ClickButton(HWND window, const std::string& caption) {
  HWND button = nullptr;
  WaitUntil([&] { return (button = FindButton(window, caption)) && IsWindowEnabled(button); });
  if (!button || !IsWindowEnabled(button)) return Fail("no enabled button " + caption);
  Click(button);
  return true;
}

bool StatusBegins(const Run& run, const std::string& prefix) {
  return WaitUntil([&] { return TextOf(run.status).starts_with(prefix); }) ||
         Fail("the status text reads " + TextOf(run.status) + ", not " + prefix + "...");
}

// 录制, about half a second of frames, then 停止.
bool RecordAShortTake(Run& run) {
  return ClickButton(run.recorder, "录制") && StatusBegins(run, "录制：0.5") && ClickButton(run.recorder, "停止") &&
         StatusBegins(run, "停止：");
}

HWND QuestionBox(const Run& run, const std::string& textPrefix) {
  HWND box = run.Window(kDialogClass, "提示信息");
  return box && FindChild(box, kStaticClass, textPrefix) ? box : nullptr;
}

bool AskedAboutTheUnsavedTake(Run& run, HWND* box) {
  if (!ClickButton(run.recorder, "录制")) return false;
  *box = QuestionBox(run, "上次录制数据还未保存");
  return *box || Fail("录制 did not ask about the unsaved take");
}

bool ChooseExitFromTheTray(const Run& run) {
  HWND menu = OpenTrayMenuOf(run.id());
  if (!menu) return Fail("the tray icon opened no menu");
  PumpFor(200);
  return ChooseMenuItem(menu, kExitItem) || Fail("退出 could not be chosen");
}

// A nested loop may still hold a window of its own when 退出 has closed the program's windows
// (the save-file dialog of a save that runs, a message box): `finish` answers it as the user
// would. Then the program must end by itself, with exit code 0, and leave the take.
bool EndsCleanly(Run& run, const std::function<void()>& finish = [] {}) {
  WaitUntil([&] { return !IsWindow(run.recorder); });
  finish();
  if (!WaitUntil([&] { return run.Ended(); })) return Fail("the program did not end after 退出");
  DWORD code = 1;
  GetExitCodeProcess(run.process(), &code);
  if (code != 0) return Fail("the program ended with exit code " + std::to_string(code));
  return LastFrame() > 0 || Fail("the frames of the take are gone");
}

void Dismiss(const Run& run, const wchar_t* windowClass, const std::string& caption, int button) {
  if (HWND window = FindTopWindow(run.id(), windowClass, caption)) Click(GetDlgItem(window, button));
}

bool ExitAtTheStartQuestion(Run& run) {
  HWND box = nullptr;
  return RecordAShortTake(run) && AskedAboutTheUnsavedTake(run, &box) && ChooseExitFromTheTray(run) &&
         EndsCleanly(run, [&] { Dismiss(run, kDialogClass, "提示信息", IDNO); });
}

bool OpenSaveDialogFromTheQuestion(Run& run, HWND* dialog) {
  HWND box = nullptr;
  if (!RecordAShortTake(run) || !AskedAboutTheUnsavedTake(run, &box)) return false;
  Click(GetDlgItem(box, IDYES));
  *dialog = run.Window(kFormClass, "保存设置");
  return *dialog || Fail("是 opened no SaveDialog");
}

bool ExitInSaveDialogFromTheQuestion(Run& run) {
  HWND dialog = nullptr;
  return OpenSaveDialogFromTheQuestion(run, &dialog) && ChooseExitFromTheTray(run) && EndsCleanly(run);
}

// Closed unsaved, by Esc and then by its close box, SaveDialog leaves the take ready to save.
bool TakeKeptAfterClosing(Run& run, HWND dialog) {
  if (!WaitUntil([&] { return !IsWindow(dialog); })) return Fail("SaveDialog stayed open");
  return StatusBegins(run, "停止：0.") && ClickButton(run.recorder, "保存");
}

bool EscAndCloseBoxKeepTheTake(Run& run) {
  HWND dialog = nullptr;
  if (!OpenSaveDialogFromTheQuestion(run, &dialog)) return false;
  SetForegroundWindow(dialog);
  PumpFor(200);
  if (!PressKey(VK_ESCAPE) || !TakeKeptAfterClosing(run, dialog)) return false;
  dialog = run.Window(kFormClass, "保存设置");
  if (!dialog) return Fail("保存 opened no SaveDialog");
  PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  if (!WaitUntil([&] { return !IsWindow(dialog); })) return Fail("the close box left SaveDialog open");
  return ChooseExitFromTheTray(run) && EndsCleanly(run);
}

// 保存 in RecorderWindow, then 保存 in SaveDialog: the save-file dialog comes up.
// One step left on SaveDialog's quality slider, as the keyboard moves it: 60 percent, a quality
// the take was not coded at, so the save converts every frame.
bool ChooseAnotherQuality(HWND saveDialog) {
  HWND slider = FindChild(saveDialog, L"msctls_trackbar32", "");
  if (!slider) return Fail("SaveDialog has no quality slider");
  PostMessageW(slider, WM_KEYDOWN, VK_LEFT, 0);
  PostMessageW(slider, WM_KEYUP, VK_LEFT, 0);
  return WaitUntil([&] { return FindChild(saveDialog, kLabelClass, "60%") != nullptr; }) ||
         Fail("the slider did not move to 60%");
}

bool AskForTheTarget(Run& run, HWND* fileDialog, HWND* saveDialog, bool anotherQuality = false) {
  if (!ClickButton(run.recorder, "保存")) return false;
  *saveDialog = run.Window(kFormClass, "保存设置");
  if (!*saveDialog) return Fail("SaveDialog did not appear");
  if (anotherQuality && !ChooseAnotherQuality(*saveDialog)) return false;
  if (!ClickButton(*saveDialog, "保存")) return Fail("SaveDialog did not appear");
  *fileDialog = run.Window(kDialogClass, "", *saveDialog);
  return *fileDialog || Fail("no save-file dialog appeared");
}

bool OpenSaveFileDialog(Run& run, HWND* fileDialog, HWND* saveDialog) {
  return RecordAShortTake(run) && AskForTheTarget(run, fileDialog, saveDialog);
}

bool ExitInTheSaveFileDialog(Run& run) {
  HWND fileDialog = nullptr, saveDialog = nullptr;
  return OpenSaveFileDialog(run, &fileDialog, &saveDialog) && ChooseExitFromTheTray(run) &&
         EndsCleanly(run, [&] { Click(GetDlgItem(fileDialog, IDCANCEL)); });
}

bool NameTheRecording(HWND fileDialog, const std::string& path) {
  HWND name = FindChild(fileDialog, kEditClass, "");
  if (!name || !TypeInto(name, path)) return Fail("the file dialog took no file name");
  Click(GetDlgItem(fileDialog, IDOK));
  return true;
}

bool ExitAtTheSaveMessage(Run& run) {
  HWND fileDialog = nullptr, saveDialog = nullptr;
  const std::string target = scratch + "\\exit.vmrc";
  if (!OpenSaveFileDialog(run, &fileDialog, &saveDialog) || !NameTheRecording(fileDialog, target)) return false;
  if (!run.Window(kDialogClass, "信息：")) return Fail("no message came after the save");
  if (!ChooseExitFromTheTray(run)) return false;
  // The save is over, so its frames are gone: the end is all there is to check.
  WaitUntil([&] { return !IsWindow(run.recorder); });
  Dismiss(run, kDialogClass, "信息：", IDOK);
  if (!WaitUntil([&] { return run.Ended(); })) return Fail("the program did not end after 退出");
  DWORD code = 1;
  GetExitCodeProcess(run.process(), &code);
  return code == 0 || Fail("the program ended with exit code " + std::to_string(code));
}

bool ExitInThePlayersOpenDialog(Run& run) {
  if (!RecordAShortTake(run) || !ClickButton(run.recorder, "播放")) return false;
  HWND player = run.Window(kFormClass, "Velmo专用播放器");
  if (!player || !ClickButton(player, "打开")) return Fail("PlayerWindow did not appear");
  HWND fileDialog = run.Window(kDialogClass, "", player);
  if (!fileDialog) return Fail("no open-file dialog appeared");
  return ChooseExitFromTheTray(run) && EndsCleanly(run, [&] {
           if (IsWindow(fileDialog)) Click(GetDlgItem(fileDialog, IDCANCEL));
         });
}

// A frame cut off half-way, as a kill in the middle of writing it leaves one.
bool CutTheNextFrameShort(int frames) {
  FileHandle source(CreateFileW(FramePath(frames).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  LARGE_INTEGER size{};
  if (!source || !GetFileSizeEx(source.get(), &size) || size.QuadPart < 2) return false;
  std::vector<char> half(static_cast<size_t>(size.QuadPart / 2));
  DWORD read = 0;
  if (!ReadFile(source.get(), half.data(), static_cast<DWORD>(half.size()), &read, nullptr)) return false;
  FileHandle cut(CreateFileW(FramePath(frames + 1).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  return cut && WriteFile(cut.get(), half.data(), read, &written, nullptr) && written == read;
}

// What a file looks like from outside: its size and its last write.
struct FileStamp {
  std::wstring name;
  ULONGLONG size;
  ULONGLONG written;
  bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return {path, 0, 0};
  return {path, ULONGLONG{data.nFileSizeHigh} << 32 | data.nFileSizeLow,
          ULONGLONG{data.ftLastWriteTime.dwHighDateTime} << 32 | data.ftLastWriteTime.dwLowDateTime};
}

// Frames 1 to `last` as they stand now.
std::vector<FileStamp> FrameStamps(int last) {
  std::vector<FileStamp> stamps;
  for (int n = 1; n <= last; ++n) stamps.push_back(StampOf(FramePath(n)));
  return stamps;
}

// A start of velmo.exe while `run` is the program: it must end by itself with exit code 0,
// without a window of its own, in the time a start waits for a program still being built.
bool SecondStartEnds(const std::wstring& argument = L"") {
  Run second;
  if (!StartProgram(second, argument)) return false;
  if (!WaitUntil([&] { return second.Ended(); }, 10.0)) {
    second.Kill();
    return Fail("the second start did not end by itself");
  }
  DWORD code = 1;
  GetExitCodeProcess(second.process(), &code);
  return code == 0 || Fail("the second start ended with exit code " + std::to_string(code));
}

// The three-frame recording the calling script left, in a folder with a space and Chinese
// characters.
std::wstring PlayedRecording() { return Widen(scratch) + L"\\播放 测试\\三帧 录像.vmrc"; }

// The time text of `run`'s PlayerWindow ends in `total` ("/0.3秒"): the recording it names is
// open.
bool PlayerShows(const Run& run, const std::string& total, HWND* player) {
  *player = run.Window(kFormClass, "Velmo专用播放器");
  if (!*player) return Fail("PlayerWindow did not appear");
  HWND time = nullptr;
  WaitUntil([&] { return (time = FindChild(*player, kLabelClass, "时长:")) != nullptr; });
  if (!time) return Fail("PlayerWindow shows no time text");
  return WaitUntil([&] { return TextOf(time).ends_with(total); }) ||
         Fail("the player's time text reads " + TextOf(time) + ", not .../" + total);
}

bool PlayerInFront(HWND player) {
  return WaitUntil([&] { return IsWindowVisible(player) && GetForegroundWindow() == player; }) ||
         Fail("PlayerWindow did not come to the front");
}

bool EndsWithExitCodeZero(Run& run) {
  if (!WaitUntil([&] { return run.Ended(); })) return Fail("the program did not end");
  DWORD code = 1;
  GetExitCodeProcess(run.process(), &code);
  return code == 0 || Fail("the program ended with exit code " + std::to_string(code));
}

bool RecorderInFront(const Run& run) {
  return WaitUntil([&] { return IsWindowVisible(run.recorder) && GetForegroundWindow() == run.recorder; }) ||
         Fail("the second start did not bring RecorderWindow to the front");
}

bool NothingAsked(const Run& run) {
  PumpFor(300);
  return !FindTopWindow(run.id(), kDialogClass, "") || Fail("the program asked something");
}

// The file a user opens with the program, in a folder with a space and Chinese characters.
std::wstring NamedRecording() {
  const std::wstring folder = Widen(scratch) + L"\\我的 录像";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring path = folder + L"\\第一次 录制.vmrc";
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  if (file) WriteFile(file.get(), "PK", 2, &written, nullptr);
  return path;
}

// The recorder hidden as 隐藏 leaves it, the take stopped: a second start naming a file shows the
// recorder in front and leaves the frames and the file as they were.
bool SecondStartWhileIdleAndHidden(Run& run) {
  if (!RecordAShortTake(run)) return false;
  const std::wstring named = NamedRecording();
  const FileStamp namedBefore = StampOf(named);
  const std::vector<FileStamp> frames = FrameStamps(LastFrame());
  ShowWindow(run.recorder, SW_HIDE);
  if (!WaitUntil([&] { return !IsWindowVisible(run.recorder); })) return Fail("the recorder could not be hidden");
  const CoverWindow cover;
  HWND player = nullptr;
  if (!SecondStartEnds(named) || !PlayerShows(run, "/0秒", &player) || !PlayerInFront(player) || !NothingAsked(run))
    return false;
  if (FrameStamps(LastFrame()) != frames) return Fail("the second start touched the frames of the take");
  if (StampOf(named) != namedBefore) return Fail("the second start touched the file it named");
  if (!StatusBegins(run, "停止：")) return false;
  return ChooseExitFromTheTray(run) && EndsCleanly(run);
}

// While a take runs, second starts with and without a file: the take goes on, no frame it
// wrote is touched, nothing is asked.
bool SecondStartsWhileRecording(Run& run) {
  if (!ClickButton(run.recorder, "录制") || !StatusBegins(run, "录制：0.5")) return false;
  for (const std::wstring& argument : {NamedRecording(), std::wstring()}) {
    const int written = LastFrame() - 1;  // the last may still be in the writing
    const std::vector<FileStamp> frames = FrameStamps(written);
    const CoverWindow cover;
    HWND player = nullptr;
    if (!SecondStartEnds(argument)) return false;
    const bool inFront = argument.empty() ? RecorderInFront(run) : PlayerShows(run, "/0秒", &player) && PlayerInFront(player);
    if (!inFront || !NothingAsked(run)) return false;
    if (!WaitUntil([&] { return LastFrame() > written + 5; })) return Fail("the take stopped at the second start");
    if (FrameStamps(written) != frames) return Fail("the second start touched the frames of the take");
    if (!StatusBegins(run, "录制：")) return false;
  }
  return ClickButton(run.recorder, "停止") && StatusBegins(run, "停止：") && NothingAsked(run) &&
         ChooseExitFromTheTray(run) && EndsCleanly(run);
}

// Leaves SCRATCH_FOLDER\NAME-frames.txt with the frames the recording NAME.vmrc must hold, for
// the calling script.
void NoteTheFrames(const std::string& name, int frames) {
  FILE* count = _wfopen(Widen(scratch + "\\" + name + "-frames.txt").c_str(), L"w");
  if (count) {
    std::fprintf(count, "%d\n", frames);
    std::fclose(count);
  }
}

// Saves the take the recorder holds as SCRATCH_FOLDER\NAME.vmrc; returns once the file dialog
// has taken the name, the save then running.
bool StartTheSave(Run& run, const std::string& name, HWND* saveDialog, bool anotherQuality = false) {
  HWND fileDialog = nullptr;
  return AskForTheTarget(run, &fileDialog, saveDialog, anotherQuality) &&
         NameTheRecording(fileDialog, scratch + "\\" + name + ".vmrc");
}

// Saves the take the recorder holds as NAME.vmrc, which must hold `frames` frames.
bool SaveTheKeptTake(Run& run, const std::string& name, int frames) {
  HWND saveDialog = nullptr;
  if (!StartTheSave(run, name, &saveDialog)) return false;
  if (!run.Window(kDialogClass, "信息：")) return Fail("no message came after saving the kept take");
  Dismiss(run, kDialogClass, "信息：", IDOK);
  NoteTheFrames(name, frames);
  return WaitUntil([&] { return !IsWindow(saveDialog) && IsWindowEnabled(run.recorder); }) ||
         Fail("SaveDialog stayed open after the save");
}

// The killed run's icon may still stand in the tray where a right click would land, so a run
// after a kill ends by its close box.
bool EndByTheCloseBox(Run& run) {
  PostMessageW(run.recorder, WM_SYSCOMMAND, SC_CLOSE, 0);
  return WaitUntil([&] { return run.Ended(); }) || Fail("the program did not end by its close box");
}

bool KilledMidTakeAndStartedAgain(Run& run) {
  if (!ClickButton(run.recorder, "录制") || !StatusBegins(run, "录制：1")) return false;
  run.Kill(9);
  const int frames = LastFrame();
  if (frames < 2 || !CutTheNextFrameShort(frames)) return Fail("the killed take left no frames to cut short");
  Say("killed after " + std::to_string(frames) + " frames; frame " + std::to_string(frames + 1) + " cut short");

  if (!StartProgram(run)) return false;
  HWND box = QuestionBox(run, "发现上次未保存的录像（共" + std::to_string(frames) + "帧");
  if (!box) return Fail("the new start did not offer the take of " + std::to_string(frames) + " frames");
  // The program asking is still starting: a start meanwhile finds no recorder to show and ends,
  // and the question stays the only one.
  const std::vector<FileStamp> kept = FrameStamps(frames + 1);
  if (!SecondStartEnds()) return false;
  if (!IsWindow(box) || FrameStamps(frames + 1) != kept) return Fail("a start at the question touched the take");
  Click(GetDlgItem(box, IDYES));
  return run.RecorderShown() && SaveTheKeptTake(run, "crash", frames) && EndByTheCloseBox(run);
}

// A start that names a recording: PlayerWindow alone plays it. The take a crash left stays
// unasked for the next plain start; a later start's file plays in that player, a plain later
// start brings it forward; closing it ends the program.
bool PlayerAloneFromTheCommandLine(Run& run) {
  if (!EndByTheCloseBox(run)) return false;
  CreateDirectoryW(WorkingFolder().c_str(), nullptr);
  const std::wstring leftTake = FramePath(1);
  FileHandle(CreateFileW(leftTake.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (!StartProgram(run, PlayedRecording())) return false;
  HWND player = nullptr;
  if (!PlayerShows(run, "/0.3秒", &player) || !NothingAsked(run)) return false;
  if (FindTopWindow(run.id(), kFormClass, "Velmo屏幕录像器")) return Fail("a RecorderWindow was built");
  if (GetFileAttributesW(leftTake.c_str()) == INVALID_FILE_ATTRIBUTES) return Fail("the take left behind is gone");
  {
    const CoverWindow cover;
    if (!SecondStartEnds() || !PlayerInFront(player)) return false;
  }
  const CoverWindow cover;
  if (!SecondStartEnds(NamedRecording()) || !PlayerShows(run, "/0秒", &player) || !PlayerInFront(player)) return false;
  PostMessageW(player, WM_SYSCOMMAND, SC_CLOSE, 0);
  return EndsWithExitCodeZero(run);
}

// A start naming a recording while the recorder runs: the running program plays it.
bool SecondStartPlaysTheRecording(Run& run) {
  const CoverWindow cover;
  HWND player = nullptr;
  if (!SecondStartEnds(PlayedRecording()) || !PlayerShows(run, "/0.3秒", &player) || !PlayerInFront(player) ||
      !NothingAsked(run))
    return false;
  if (!IsWindowVisible(run.recorder)) return Fail("the recorder went");
  return ChooseExitFromTheTray(run) && EndsWithExitCodeZero(run);
}

std::wstring FrameFile(int n, const wchar_t* suffix) {
  return WorkingFolder() + L"\\" + std::to_wstring(n) + suffix;
}

bool NotEmpty(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  return GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) && (data.nFileSizeHigh || data.nFileSizeLow);
}

// The first frame of 1 to `frames` that is not in the working folder (0 when all are).
int FirstFrameMissing(int frames) {
  for (int n = 1; n <= frames; ++n) {
    if (!NotEmpty(FrameFile(n, L".vlf"))) return n;
  }
  return 0;
}

// The moment of a save at which it is killed.
struct SaveMoment {
  const char* name;     // the recording is saved as NAME.vmrc
  const char* hint;     // 提示标签 of SaveDialog begins with this and ends in "%"; null: none
  bool atTheMessage;    // the moment is the message of success
  bool anotherQuality;  // saved at 60 percent, converting each frame, not at the take's 80
};

bool MomentCame(const Run& run, HWND saveDialog, const SaveMoment& moment) {
  if (moment.atTheMessage) {
    HWND box = FindTopWindow(run.id(), kDialogClass, "信息：");
    return box && FindChild(box, kStaticClass, "文件“");
  }
  const std::string hint = TextOf(FindChild(saveDialog, kLabelClass, moment.hint));
  return hint.ends_with("%");
}

// A take of about three seconds, saved, and the program killed at `moment`. Whatever the moment,
// every frame of the take is either still in the working folder or in the whole recording;
// the next start offers those left in the folder, and they save as a recording of them all.
bool KilledDuringTheSave(Run& run, const SaveMoment& moment) {
  if (!ClickButton(run.recorder, "录制") || !StatusBegins(run, "录制：3") || !ClickButton(run.recorder, "停止") ||
      !StatusBegins(run, "停止："))
    return false;
  const int frames = LastFrame();
  HWND saveDialog = nullptr;
  if (!StartTheSave(run, moment.name, &saveDialog, moment.anotherQuality)) return false;
  if (!WaitUntil([&] { return MomentCame(run, saveDialog, moment); })) return Fail("the save never reached the moment");
  run.Kill(9);

  // A save of frames coded during the take may be over before the kill lands: its frames go only
  // once the recording is on the disk, so the recording holds them.
  if (GetFileAttributesW(WorkingFolder().c_str()) == INVALID_FILE_ATTRIBUTES) {
    Say("killed once a " + std::to_string(frames) + "-frame save had written the recording: it holds the take");
    NoteTheFrames(moment.name, frames);
    return StartProgram(run) && run.RecorderShown() && EndByTheCloseBox(run);
  }
  if (moment.atTheMessage) return Fail("the frames stayed after the save reported success");
  if (const int missing = FirstFrameMissing(frames)) return Fail("frame " + std::to_string(missing) + " is gone");
  Say(std::string("killed while ") + moment.name + ": all " + std::to_string(frames) + " frames are in the folder");
  if (!StartProgram(run)) return false;
  HWND box = QuestionBox(run, "发现上次未保存的录像（共" + std::to_string(frames) + "帧");
  if (!box) return Fail("the new start did not offer the take of " + std::to_string(frames) + " frames");
  Click(GetDlgItem(box, IDYES));
  return run.RecorderShown() && SaveTheKeptTake(run, std::string(moment.name) + "-again", frames) &&
         EndByTheCloseBox(run);
}

// The status reads `prefix` after the keys were pressed.
bool KeysGive(Run& run, WORD key, const std::string& prefix) {
  if (!PressKeys({VK_MENU, key})) return Fail("the system took no key input");
  return StatusBegins(run, prefix);
}

bool FramesStandStill(int frames) {
  PumpFor(600);
  return LastFrame() == frames || Fail("frames were written while the take was paused");
}

// The hotkeys reach the program while another program's window has the focus. A pause writes
// nothing; resumed, the take goes on; killed while paused, it is offered at the next start and
// saves as a recording of every frame, numbered without a gap.
bool PausedByHotkeyKilledAndStartedAgain(Run& run) {
  int frames = 0;
  {
    const CoverWindow cover;
    if (!cover.InFront()) return Fail("the cover window did not take the focus");
    if (!KeysGive(run, VK_F9, "录制：0.5") || !KeysGive(run, VK_F10, "暂停：") || !FramesStandStill(LastFrame()))
      return false;
    const int paused = LastFrame();
    if (!KeysGive(run, VK_F10, "录制：")) return false;
    if (!WaitUntil([&] { return LastFrame() >= paused + 5; })) return Fail("the take did not go on after 继续");
    if (!KeysGive(run, VK_F10, "暂停：") || !FramesStandStill(frames = LastFrame())) return false;
    if (!cover.InFront()) return Fail("the program took the focus from the cover window");
  }
  run.Kill(9);
  Say("killed while paused after " + std::to_string(frames) + " frames");
  if (!StartProgram(run)) return false;
  HWND box = QuestionBox(run, "发现上次未保存的录像（共" + std::to_string(frames) + "帧");
  if (!box) return Fail("the new start did not offer the paused take of " + std::to_string(frames) + " frames");
  Click(GetDlgItem(box, IDYES));
  return run.RecorderShown() && SaveTheKeptTake(run, "paused", frames) && EndByTheCloseBox(run);
}

bool KilledWhileTheSaveConverts(Run& run) {
  return KilledDuringTheSave(run, {"converting", "正在处理数据", false, true});
}
bool KilledWhileTheSavePacks(Run& run) { return KilledDuringTheSave(run, {"packing", "正在保存(", false, false}); }
bool KilledAtTheSavesMessage(Run& run) { return KilledDuringTheSave(run, {"saved", nullptr, true, false}); }

struct Scenario {
  const char* name;
  bool (*run)(Run&);
};

constexpr Scenario kScenarios[] = {
    {"退出 while the start-of-take question waits", ExitAtTheStartQuestion},
    {"退出 in SaveDialog opened from the question", ExitInSaveDialogFromTheQuestion},
    {"Esc and the close box on SaveDialog from the question", EscAndCloseBoxKeepTheTake},
    {"退出 in the save-file dialog", ExitInTheSaveFileDialog},
    {"退出 at the save's message", ExitAtTheSaveMessage},
    {"退出 in the player's open-file dialog", ExitInThePlayersOpenDialog},
    {"killed in the middle of a take, started again", KilledMidTakeAndStartedAgain},
    {"a second start while idle with the recorder hidden", SecondStartWhileIdleAndHidden},
    {"second starts while a take runs", SecondStartsWhileRecording},
    {"a start naming a recording plays it in the player alone", PlayerAloneFromTheCommandLine},
    {"a second start naming a recording plays it", SecondStartPlaysTheRecording},
    {"killed while the save converts at another quality, started again", KilledWhileTheSaveConverts},
    {"killed while the save packs the frames coded during the take, started again", KilledWhileTheSavePacks},
    {"killed at the save's message of success, started again", KilledAtTheSavesMessage},
    {"paused by hotkey from behind another window, killed, started again", PausedByHotkeyKilledAndStartedAgain},
};

// The program of a failed scenario may still run; it must not outlive the tour.
// It is waited for, so the next scenario's start finds no program running.
void EndLeftovers(Run& run) {
  if (run.started() && !run.Ended()) run.Kill();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fputs("usage: fault_tour.exe VELMO_EXE SCRATCH_FOLDER\n", stderr);
    return 2;
  }
  SetDriverName("fault tour");
  program = Narrow(argv[1]);
  scratch = Narrow(argv[2]);
  for (const Scenario& scenario : kScenarios) {
    Say(scenario.name);
    // Each scenario starts as a first start does: no take left from the one before, and the
    // first-run settings whatever another tour chose.
    ClearWorkingFolder();
    ForgetSettings();
    Run run;
    const bool passed = StartProgram(run) && run.RecorderShown() && scenario.run(run);
    EndLeftovers(run);
    if (!passed) {
      Say(std::string("FAILED at \"") + scenario.name + "\": " + Problem());
      return 1;
    }
  }
  Say("done");
  return 0;
}
