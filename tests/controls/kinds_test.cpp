// The standard kinds as a handler meets them: timer rhythm, bars that show one value and keep
// another, slider notifications, the tray tip and the file dialog.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <utility>
#include <vector>

#include "components/services/wide_text.h"
#include "controls/event_index.h"
#include "controls/kinds/zip_component.h"
#include "controls/runtime_state.h"
#include "controls/ask_user.h"
#include "controls/property_indexes.h"
#include "forms/handler_id.h"
#include "forms/player_window.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "forms/settings_window.h"
#include "tests/controls/program_run.h"
#include "tools/drive/keyboard.h"
#include "tools/drive/mouse.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {
HWND Hwnd(WindowId window, UnitId unit) {
  Control* control = FindLiveControl({window, unit});
  return control ? control->hwnd() : nullptr;
}

constexpr UnitAddress kClock{RecorderWindow::kId, RecorderWindow::时钟1};

TEST(TimerKind, TicksAtItsIntervalAndStopsOnNegative) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(RecorderWindow::kId, 0, false));
    WriteProperty(kClock, 8, 50);
    PumpFor(400);
    const int ticks = CountSeen(RecorderWindow::时钟1, TimerEvent::kTick);
    EXPECT_GE(ticks, 3);
    EXPECT_LE(ticks, 9);
    WriteProperty(kClock, 8, -5);
    EXPECT_EQ(ReadInt(kClock, 8), 0);
    ForgetEvents();
    PumpFor(200);
    EXPECT_EQ(CountSeen(RecorderWindow::时钟1, TimerEvent::kTick), 0);
  });
}

TEST(TimerKind, WritingTheSameIntervalDoesNotRestartIt) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(RecorderWindow::kId, 0, false));
    WriteProperty(kClock, 8, 300);
    // Rewriting the same value every 100 ms would hold a restarted timer back for ever.
    for (int i = 0; i < 7; ++i) {
      PumpFor(100);
      WriteProperty(kClock, 8, 300);
    }
    EXPECT_GE(CountSeen(RecorderWindow::时钟1, TimerEvent::kTick), 1);
  });
}

TEST(TimerKind, TicksThatElapseWhileBusyDoNotPileUp) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(RecorderWindow::kId, 0, false));
    // Six intervals pass while nothing is handled; one tick is waiting afterwards.
    WriteProperty(kClock, 8, 100);
    Sleep(650);
    ProcessPendingEvents();
    EXPECT_LE(CountSeen(RecorderWindow::时钟1, TimerEvent::kTick), 1);
  });
}

TEST(ProcessBarKind, ShowsAFullBarButKeepsWhatWasWritten) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
    const UnitAddress bar{SaveDialog::kId, SaveDialog::进度条};
    EXPECT_EQ(ReadInt(bar, 8), 3);
    EXPECT_EQ(ReadInt(bar, 12), 100);
    WriteProperty(bar, 13, 150);
    EXPECT_EQ(ReadInt(bar, 13), 150);
    EXPECT_EQ(SendMessageW(Hwnd(SaveDialog::kId, SaveDialog::进度条), PBM_GETPOS, 0, 0), 100);
    WriteProperty(bar, 11, 200);
    WriteProperty(bar, 12, 50);
    const HWND hwnd = Hwnd(SaveDialog::kId, SaveDialog::进度条);
    EXPECT_EQ(SendMessageW(hwnd, PBM_GETRANGE, TRUE, 0), 50);
    EXPECT_EQ(SendMessageW(hwnd, PBM_GETRANGE, FALSE, 0), 200);
    EXPECT_EQ(SendMessageW(hwnd, PBM_GETPOS, 0, 0), 150);
  });
}

TEST(ProcessBarKind, SmoothRecreatesTheBarInItsPlace) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    const UnitAddress bar{PlayerWindow::kId, PlayerWindow::进度条1};
    WriteProperty(bar, 13, 40);
    WriteProperty(bar, 10, 1);
    const HWND hwnd = Hwnd(PlayerWindow::kId, PlayerWindow::进度条1);
    EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_STYLE) & PBS_SMOOTH);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(SendMessageW(hwnd, PBM_GETPOS, 0, 0), 40);
    EXPECT_EQ(ReadInt(bar, 0), 7);
    EXPECT_EQ(ReadInt(bar, 1), 186);
  });
}

// The pointer's x from the left of the track (a pixel inside the client area) with the track's
// width: pressed, and moved while held, also beyond the bar; once let go, a move is not reported.
TEST(ProcessBarKind, ReportsTheLeftButtonOverItsTrackUntilLetGo) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    const HWND hwnd = Hwnd(PlayerWindow::kId, PlayerWindow::进度条1);
    RECT client;
    GetClientRect(hwnd, &client);
    const int track = client.right - 2;
    ForgetEvents();
    MoveMouseTo(hwnd, {31, 4});
    PressLeftButton();
    MoveMouseTo(hwnd, {61, 4});
    MoveMouseTo(hwnd, {client.right + 40, 30});
    ReleaseLeftButton();
    MoveMouseTo(hwnd, {20, 4});
    std::vector<std::pair<int, int32_t>> reported;
    for (const SeenEvent& event : SeenEvents()) {
      if (event.unit != PlayerWindow::进度条1) continue;
      EXPECT_EQ(std::get<int32_t>(event.arguments.at(1)), track);
      reported.push_back({event.event, std::get<int32_t>(event.arguments.at(0))});
    }
    // Wine's pointer may pass a point twice on its way, so the moves are checked for where they
    // went, not how often. PlayerWindow binds no handler to the button let go.
    using E = std::pair<int, int32_t>;
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.front(), (E{ProcessBarEvent::kPointerDown, 30}));
    EXPECT_NE(std::find(reported.begin(), reported.end(), E{ProcessBarEvent::kPointerMove, 60}), reported.end());
    EXPECT_EQ(reported.back(), (E{ProcessBarEvent::kPointerMove, client.right + 39}));
    EXPECT_EQ(std::count(reported.begin(), reported.end(), E{ProcessBarEvent::kPointerDown, 30}), 1);
    EXPECT_EQ(std::count_if(reported.begin(), reported.end(), [](const E& e) { return e.second == 19; }), 0)
        << "a move after the button was let go";
  });
}

// The marked stretch is a band along the bottom of the track in the mark colour, over the bar's
// own drawing; from..to in the bar's range.
TEST(ProcessBarKind, DrawsTheMarkedStretchAsABandInItsColour) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    const UnitAddress bar{PlayerWindow::kId, PlayerWindow::进度条1};
    namespace p = process_bar_property;
    WriteProperty(bar, p::kPosition, 50);
    WriteProperty(bar, p::kMarkColour, int32_t{0x0000FF});
    WriteProperty(bar, p::kMarkedFrom, 20);
    WriteProperty(bar, p::kMarkedTo, 60);
    EXPECT_EQ(ReadInt(bar, p::kMarkedTo), 60);
    const HWND hwnd = Hwnd(PlayerWindow::kId, PlayerWindow::进度条1);
    UpdateWindow(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    const int track = client.right - 2;
    const auto pixelAt = [&](double share, int y) {
      HDC dc = GetDC(hwnd);
      const COLORREF colour = GetPixel(dc, 1 + static_cast<int>(share * track), y);
      ReleaseDC(hwnd, dc);
      return colour;
    };
    const int bottom = client.bottom - 2;
    EXPECT_EQ(pixelAt(0.4, bottom), 0x0000FFu);
    EXPECT_EQ(pixelAt(0.3, bottom - 2), 0x0000FFu) << "three rows high";
    EXPECT_NE(pixelAt(0.3, bottom - 3), 0x0000FFu) << "the bar's own fill above it";
    EXPECT_NE(pixelAt(0.1, bottom), 0x0000FFu);
    EXPECT_NE(pixelAt(0.7, bottom), 0x0000FFu);
    WriteProperty(bar, p::kMarkedTo, 20);
    UpdateWindow(hwnd);
    EXPECT_NE(pixelAt(0.4, bottom), 0x0000FFu) << "an empty stretch draws nothing";
  });
}

TEST(DrawPanelKind, ARightClickAsksForItsContextMenuAtTheMouse) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    const HWND panel = Hwnd(PlayerWindow::kId, PlayerWindow::画板);
    ForgetEvents();
    ClickAt(panel, {30, 20}, MouseButton::kRight);
    POINT screen{30, 20};
    ClientToScreen(panel, &screen);
    ASSERT_EQ(CountSeen(PlayerWindow::画板, DrawPanelEvent::kContextMenu), 1);
    for (const SeenEvent& event : SeenEvents()) {
      if (event.unit != PlayerWindow::画板) continue;
      EXPECT_EQ(std::get<int32_t>(event.arguments.at(0)), screen.x);
      EXPECT_EQ(std::get<int32_t>(event.arguments.at(1)), screen.y);
    }
  });
}

// A key handler that takes Space and Ctrl+S, and nothing else.
int keysOffered = 0;
void TakeSpaceAndCtrlS(EventRecord& event) {
  ++keysOffered;
  EXPECT_EQ(std::get<int32_t>(event.arguments.at(2)), 0) << "a first press, not a repeat";
  const int key = std::get<int32_t>(event.arguments.at(0));
  const int held = std::get<int32_t>(event.arguments.at(1));
  event.result = int32_t{key == VK_SPACE || (key == 'S' && held == WindowEvent::kCtrlHeld)};
}

// The window's key event comes before the focused button: a key it takes does not press the
// button; one it leaves does, as before.
TEST(WindowKind, TheKeyEventSeesKeysBeforeTheFocusedControl) {
  HandlerTable handlers = RecordingHandlers();
  handlers.Bind(HandlerId::PlayerKeyDown, TakeSpaceAndCtrlS);
  keysOffered = 0;
  RunInProgram(
      [] {
        ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
        SetForegroundWindow(WindowHandle(PlayerWindow::kId));
        SetFocus(Hwnd(PlayerWindow::kId, PlayerWindow::按钮2));
        PumpFor(50);
        ForgetEvents();
        PressKey(VK_SPACE);
        PressKeys({VK_CONTROL, 'S'});
        EXPECT_EQ(CountSeen(PlayerWindow::按钮2, ButtonEvent::kClicked), 0) << "Space was taken";
        EXPECT_EQ(keysOffered, 3) << "Space, Ctrl and S";
        PressKey(VK_RETURN);
        EXPECT_EQ(CountSeen(PlayerWindow::按钮2, ButtonEvent::kClicked), 1) << "Enter was left to the button";
      },
      handlers);
}

TEST(SliderBarKind, ShowsOneButReadsZeroUntilMoved) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
    const UnitAddress slider{SaveDialog::kId, SaveDialog::滑块条};
    const HWND hwnd = Hwnd(SaveDialog::kId, SaveDialog::滑块条);
    EXPECT_EQ(SendMessageW(hwnd, TBM_GETPOS, 0, 0), 1);
    EXPECT_EQ(ReadInt(slider, 19), 0);
    ForgetEvents();
    SetFocus(hwnd);
    SendMessageW(hwnd, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageW(hwnd, WM_KEYUP, VK_RIGHT, 0);
    EXPECT_EQ(ReadInt(slider, 19), 2);
    EXPECT_EQ(CountSeen(SaveDialog::滑块条, SliderBarEvent::kPositionChanged), 1);
    WriteProperty(slider, 19, 9);
    EXPECT_EQ(ReadInt(slider, 19), 9);
    EXPECT_EQ(SendMessageW(hwnd, TBM_GETPOS, 0, 0), 5);
  });
}

TEST(SliderBarKind, EveryScrollNotificationButTheEndOfTrackRaisesTheEvent) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
    const HWND hwnd = Hwnd(SaveDialog::kId, SaveDialog::滑块条);
    const HWND group = GetParent(hwnd);
    ForgetEvents();
    for (int step = 2; step <= 4; ++step) {
      SendMessageW(hwnd, TBM_SETPOS, TRUE, step);
      SendMessageW(group, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, step), reinterpret_cast<LPARAM>(hwnd));
    }
    SendMessageW(group, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 4), reinterpret_cast<LPARAM>(hwnd));
    SendMessageW(group, WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(hwnd));
    EXPECT_EQ(CountSeen(SaveDialog::滑块条, SliderBarEvent::kPositionChanged), 4);
    EXPECT_EQ(ReadInt({SaveDialog::kId, SaveDialog::滑块条}, 19), 4);
  });
}

TEST(ButtonKind, AClickRaisesClicked) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(RecorderWindow::kId, 0, false));
    SendMessageW(Hwnd(RecorderWindow::kId, RecorderWindow::按钮4), BM_CLICK, 0, 0);
    EXPECT_EQ(CountSeen(RecorderWindow::按钮4, ButtonEvent::kClicked), 1);
  });
}

// Every index a kind answers is in the one public table: what is written through it reads back,
// the stored-only properties at the end of the lists included.
TEST(PropertyIndexes, TheKindsAnswerThePublicTable) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
    const UnitAddress combo{SaveDialog::kId, SaveDialog::组合框};
    const UnitAddress dialog{SaveDialog::kId, SaveDialog::通用对话框};
    WriteProperty(combo, combo_box_property::kDataSource, std::string("source"));
    WriteProperty(combo, combo_box_property::kDataColumn, std::string("column"));
    WriteProperty(combo, combo_box_property::kFurther, 7);
    EXPECT_EQ(ReadText(combo, combo_box_property::kDataSource), "source");
    EXPECT_EQ(ReadText(combo, combo_box_property::kDataColumn), "column");
    EXPECT_EQ(ReadInt(combo, combo_box_property::kFurther), 7);
    for (int index = common_dlg_property::kFirstOtherSetting; index <= common_dlg_property::kLastOtherSetting; ++index) {
      WriteProperty(dialog, index, index * 3);
      EXPECT_EQ(ReadInt(dialog, index), index * 3) << index;
    }
    WriteProperty(dialog, common_dlg_property::kKeepCurrentFolder, 1);
    EXPECT_EQ(ReadInt(dialog, common_dlg_property::kKeepCurrentFolder), 1);
    EXPECT_EQ(ReadInt(dialog, common_dlg_property::kFirstOtherSetting), common_dlg_property::kFirstOtherSetting * 3);
  });
}

TEST(NonVisualKinds, StayUnseenWhenMadeVisible) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    for (UnitId unit : {PlayerWindow::时钟, PlayerWindow::通用对话框, PlayerWindow::ZIP压缩}) {
      WriteProperty({PlayerWindow::kId, unit}, 5, 1);
      EXPECT_FALSE(IsWindowVisible(Hwnd(PlayerWindow::kId, unit)));
    }
  });
}

TEST(TrayIcon, ATipOfSeventyBytesKeepsItsFirstSixtyTwo) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(RecorderWindow::kId, 0, false));
    const ByteString icon = ReadBytes({RecorderWindow::kId, RecorderWindow::kId}, 20);
    std::string tip;
    for (int i = 0; i < 35; ++i) tip += "录";
    SetTrayIcon(RecorderWindow::kId, icon, tip);
    LiveWindow* state = FindWindowState(RecorderWindow::kId);
    EXPECT_EQ(Narrow(state->trayTip), tip.substr(0, 31 * 3));
    std::string oddTip = "a";
    oddTip.append(tip);
    SetTrayIcon(RecorderWindow::kId, icon, oddTip);
    EXPECT_EQ(Narrow(state->trayTip), oddTip.substr(0, 1 + 30 * 3));
    SetTrayIcon(RecorderWindow::kId, {}, "");
    EXPECT_FALSE(state->trayIcon);
  });
}

// What the file dialog was asked, through the seam.
OPENFILENAMEW asked{};
std::wstring askedFilter;
std::wstring askedExtension;
bool askedSave = false;

bool RefuseDialog(OPENFILENAMEW& request, bool save) {
  asked = request;
  askedSave = save;
  askedFilter = request.lpstrFilter ? std::wstring(request.lpstrFilter, 26) : L"";
  askedExtension = request.lpstrDefExt ? request.lpstrDefExt : L"";
  return false;
}

TEST(FileDialog, AsksWithTheOptionsOfItsPropertiesAndKeepsTheNameOnCancel) {
  const FileDialogRoutine before = ReplaceFileDialog(RefuseDialog);
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
    const UnitAddress dialog{SaveDialog::kId, SaveDialog::通用对话框};
    WriteProperty(dialog, 10, std::string("旧名"));
    EXPECT_FALSE(OpenDialog(dialog));
    EXPECT_EQ(ReadText(dialog, 10), "旧名");
  });
  ReplaceFileDialog(before);
  EXPECT_TRUE(askedSave);
  EXPECT_EQ(asked.Flags & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST),
            static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST));
  // Stored on, but a save dialog must take a new name.
  EXPECT_EQ(asked.Flags & (OFN_CREATEPROMPT | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST), 0u);
  EXPECT_EQ(asked.nFilterIndex, 2u);
  EXPECT_EQ(askedExtension, L"vmrc");
  EXPECT_EQ(askedFilter, std::wstring(L"Velmo录屏文件(*.vmrc)\0*.vmrc\0\0", 26));
}

std::wstring Upper(std::wstring text) {
  CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// Drives the real system dialog: types the name into it and presses its OK button.
std::wstring typedName;

void CALLBACK AnswerSystemDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND owner = WindowHandle(PlayerWindow::kId);
  HWND dialog = nullptr;
  for (HWND candidate = FindWindowW(L"#32770", nullptr); candidate; candidate = FindWindowExW(nullptr, candidate, L"#32770", nullptr)) {
    if (GetWindow(candidate, GW_OWNER) == owner && IsWindowVisible(candidate)) dialog = candidate;
  }
  if (!dialog) return;
  KillTimer(nullptr, timer);
  constexpr int kFileNameCombo = 0x47C;
  constexpr int kFileNameEdit = 0x480;
  if (!SetDlgItemTextW(dialog, kFileNameCombo, typedName.c_str())) SetDlgItemTextW(dialog, kFileNameEdit, typedName.c_str());
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

TEST(FileDialog, TheSystemDialogGivesTheFullPathChosen) {
  TempFolder folder;
  const std::string file = folder / "录像.vmrc";
  ASSERT_TRUE(WriteText(file, "x"));
  typedName = Widen(file);
  RunInProgram([&] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    const UnitAddress dialog{PlayerWindow::kId, PlayerWindow::通用对话框};
    SetTimer(nullptr, 0, 200, AnswerSystemDialog);
    ASSERT_TRUE(OpenDialog(dialog));
    EXPECT_EQ(Upper(Widen(ReadText(dialog, 10))), Upper(Widen(file)));
  });
}
}  // namespace

namespace {
TEST(ButtonKind, AnIconPictureShowsInsteadOfTheCaption) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(RecorderWindow::kId, 0, false));
    const ByteString icon = ReadBytes({RecorderWindow::kId, RecorderWindow::kId}, 20);
    const UnitAddress button{RecorderWindow::kId, RecorderWindow::按钮1};
    WriteProperty(button, 8, icon);
    const HWND hwnd = Hwnd(RecorderWindow::kId, RecorderWindow::按钮1);
    EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_ICON);
    EXPECT_NE(SendMessageW(hwnd, BM_GETIMAGE, IMAGE_ICON, 0), 0);
    WriteProperty(button, 8, ByteString{1, 2, 3});
    EXPECT_FALSE(GetWindowLongPtrW(hwnd, GWL_STYLE) & (BS_ICON | BS_BITMAP));
    EXPECT_EQ(ReadBytes(button, 8), (ByteString{1, 2, 3}));
  });
}

TEST(ComboBoxKind, ShowsItsStoredItemsAndBringsTheCurrentItemIntoRange) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
    const UnitAddress combo{SaveDialog::kId, SaveDialog::组合框};
    EXPECT_EQ(ReadInt(combo, 19), 0);
    EXPECT_EQ(ReadText(combo, 20), "vmrc格式\r\nmp4格式\r\ngif格式");
    WriteProperty(combo, 19, 7);
    EXPECT_EQ(ReadInt(combo, 19), 2) << "the last item";
    WriteProperty(combo, 19, -4);
    EXPECT_EQ(ReadInt(combo, 19), -1);
  });
}

void FocusOn(WindowId window, UnitId unit) {
  SetForegroundWindow(WindowHandle(window));
  PumpFor(50);
  SetFocus(Hwnd(window, unit));
  PumpFor(50);
}

// The user presses the combination into the box, and Delete leaves it empty: no hotkey.
TEST(HotkeyBoxKind, HoldsWhatTheUserPressesOrNothing) {
  RunInProgram([] {
    using namespace SettingsWindow;
    ASSERT_TRUE(LoadWindow(kId, 0, false));
    const UnitAddress box{kId, 录制热键};
    EXPECT_EQ(ReadInt(box, hotkey_box_property::kKey), 0) << "stored empty";
    FocusOn(kId, 录制热键);
    PressKeys({VK_CONTROL, VK_SHIFT, VK_F8});
    EXPECT_EQ(ReadInt(box, hotkey_box_property::kKey), VK_F8);
    EXPECT_EQ(ReadInt(box, hotkey_box_property::kModifiers), MOD_CONTROL | MOD_SHIFT);
    PressKeys({VK_DELETE});
    EXPECT_EQ(ReadInt(box, hotkey_box_property::kKey), 0);
    EXPECT_EQ(ReadInt(box, hotkey_box_property::kModifiers), 0);
    PressKeys({VK_MENU, VK_F11});
    EXPECT_EQ(ReadInt(box, hotkey_box_property::kKey), VK_F11);
    EXPECT_EQ(ReadInt(box, hotkey_box_property::kModifiers), MOD_ALT);
  });
}

// The user's choice of another item raises selection changed; a handler's write raises nothing.
TEST(ComboBoxKind, TheUsersChoiceRaisesSelectionChanged) {
  RunInProgram([] {
    using namespace SettingsWindow;
    ASSERT_TRUE(LoadWindow(kId, 0, false));
    WriteProperty({kId, 麦克风设备组合框}, combo_box_property::kItems, std::string("默认设备\r\n一\r\n二"));
    ForgetEvents();
    WriteProperty({kId, 麦克风设备组合框}, combo_box_property::kCurrentItem, 1);
    EXPECT_EQ(CountSeen(麦克风设备组合框, ComboBoxEvent::kSelectionChanged), 0);
    FocusOn(kId, 麦克风设备组合框);
    PressKeys({VK_DOWN});
    EXPECT_EQ(ReadInt({kId, 麦克风设备组合框}, combo_box_property::kCurrentItem), 2);
    EXPECT_EQ(CountSeen(麦克风设备组合框, ComboBoxEvent::kSelectionChanged), 1);
  });
}

TEST(CheckBoxKind, AClickTicksAndUnticksIt) {
  RunInProgram([] {
    using namespace SettingsWindow;
    ASSERT_TRUE(LoadWindow(kId, 0, false));
    const UnitAddress box{kId, 鼠标点击复选框};
    const HWND hwnd = Hwnd(kId, 鼠标点击复选框);
    EXPECT_EQ(ReadInt(box, check_box_property::kValue), 0);
    SendMessageW(hwnd, BM_CLICK, 0, 0);
    EXPECT_EQ(ReadInt(box, check_box_property::kValue), 1);
    EXPECT_EQ(SendMessageW(hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(hwnd, BM_CLICK, 0, 0);
    EXPECT_EQ(ReadInt(box, check_box_property::kValue), 0);
    WriteProperty(box, check_box_property::kValue, 1);
    EXPECT_EQ(SendMessageW(hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  });
}
}  // namespace

namespace {
void AskToStop(EventRecord& event) { event.result = int32_t{0}; }

TEST(ZipComponentKind, ProgressTravelsThroughTheEventDelivery) {
  RunInProgram([] {
    ZipEventSink sink({SaveDialog::kId, SaveDialog::ZIP压缩});
    EXPECT_FALSE(sink.WindowExists());
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
    EXPECT_TRUE(sink.WindowExists());
    EXPECT_TRUE(sink.Raise(ZipEvent::PackProgress, 25));
    EXPECT_TRUE(sink.Raise(ZipEvent::PackProgress, 100));
    // Nothing is bound to unpack progress on this window.
    EXPECT_TRUE(sink.Raise(ZipEvent::UnpackProgress, 50));
  });
  std::vector<int32_t> percents;
  for (const SeenEvent& event : SeenEvents()) {
    if (event.unit == SaveDialog::ZIP压缩) percents.push_back(std::get<int32_t>(event.arguments.at(0)));
  }
  EXPECT_EQ(percents, (std::vector<int32_t>{25, 100}));
}

TEST(ZipComponentKind, AHandlerAnsweringFalseAsksToStop) {
  HandlerTable handlers = RecordingHandlers();
  handlers.Bind(HandlerId::PackProgress, AskToStop);
  RunInProgram(
      [] {
        ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
        ZipEventSink sink({SaveDialog::kId, SaveDialog::ZIP压缩});
        EXPECT_FALSE(sink.Raise(ZipEvent::PackProgress, 10));
      },
      handlers);
}
}  // namespace
