// A window's life: definitions restored after destruction, writes to windows that are not
// loaded, loading an open window again, modal windows and closing.
#include <gtest/gtest.h>
#include <windows.h>

#include "components/services/services.h"
#include "controls/runtime_state.h"
#include "controls/event_index.h"
#include "forms/player_window.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "tests/controls/program_run.h"
#include "tools/drive/keyboard.h"
#include "tools/drive/mouse.h"

namespace {
HWND Hwnd(WindowId window, UnitId unit) {
  Control* control = FindLiveControl({window, unit});
  return control ? control->hwnd() : nullptr;
}

TEST(WindowLife, ChangesMadeWhileLoadedAreForgottenAfterDestroy) {
  RunInProgram([] {
    const UnitAddress combo{SaveDialog::kId, SaveDialog::组合框};
    const UnitAddress hint{SaveDialog::kId, SaveDialog::提示标签};
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
    WriteProperty(combo, 6, 1);
    WriteProperty(hint, 8, std::string("正在保存"));
    WriteProperty(combo, 0, 10);
    EXPECT_EQ(ReadInt(combo, 6), 1);
    EXPECT_EQ(ReadText(hint, 8), "正在保存");
    DestroyWindow(SaveDialog::kId, true);
    EXPECT_EQ(WindowHandle(SaveDialog::kId), nullptr);
    EXPECT_EQ(ReadInt(combo, 6), 0);
    EXPECT_EQ(ReadInt(combo, 0), 64);
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
    EXPECT_TRUE(IsWindowEnabled(Hwnd(SaveDialog::kId, SaveDialog::组合框)));
    EXPECT_EQ(ReadText(hint, 8), "");
    EXPECT_EQ(ReadInt(combo, 0), 64);
  });
}

TEST(WindowLife, WritesToAWindowNotLoadedCarryIntoEveryLaterBuild) {
  RunInProgram([] {
    const UnitAddress open{PlayerWindow::kId, PlayerWindow::按钮1};
    WriteProperty(open, 0, 40);
    WriteProperty(open, 2, -7);
    WriteProperty(open, 1, 40000);
    EXPECT_EQ(ReadInt(open, 0), 40);
    EXPECT_EQ(ReadInt(open, 2), 0);
    EXPECT_EQ(ReadInt(open, 1), 32627);
    WriteProperty(open, 1, 204);
    WriteProperty(open, 2, 54);
    for (int build = 0; build < 2; ++build) {
      ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
      RECT rect;
      GetWindowRect(Hwnd(PlayerWindow::kId, PlayerWindow::按钮1), &rect);
      MapWindowPoints(HWND_DESKTOP, WindowHandle(PlayerWindow::kId), reinterpret_cast<POINT*>(&rect), 2);
      EXPECT_EQ(rect.left, 40);
      EXPECT_EQ(ReadInt(open, 0), 40);
      DestroyWindow(PlayerWindow::kId, true);
    }
  });
}

TEST(WindowLife, LoadingAnOpenWindowBringsItForwardWithoutEvents) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    EXPECT_EQ(CountSeen(PlayerWindow::kId, WindowEvent::kCreated), 1);
    ShowWindow(WindowHandle(PlayerWindow::kId), SW_MINIMIZE);
    const size_t before = SeenEvents().size();
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    EXPECT_FALSE(IsIconic(WindowHandle(PlayerWindow::kId)));
    EXPECT_EQ(CountSeen(PlayerWindow::kId, WindowEvent::kCreated), 1);
    for (size_t i = before; i < SeenEvents().size(); ++i) EXPECT_NE(SeenEvents()[i].event, WindowEvent::kCreated);
  });
}

TEST(WindowLife, BuildEventsComeInOrderAfterTheControlsExist) {
  RunInProgram(FormsBindingEveryWindowEvent(), [] {
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
    std::vector<int> windowEvents;
    for (const SeenEvent& event : SeenEvents()) {
      if (event.unit == SaveDialog::kId) windowEvents.push_back(event.event);
    }
    ASSERT_GE(windowEvents.size(), 3u);
    EXPECT_EQ(std::vector<int>(windowEvents.begin(), windowEvents.begin() + 3),
              (std::vector<int>{WindowEvent::kCreated, WindowEvent::kMoved, WindowEvent::kResized}));
  });
}

TEST(WindowLife, ADeferredDestroyHappensWhenItsMessageIsHandled) {
  RunInProgram(FormsBindingEveryWindowEvent(), [] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    DestroyWindow(PlayerWindow::kId);
    EXPECT_NE(WindowHandle(PlayerWindow::kId), nullptr);
    ProcessPendingEvents();
    EXPECT_EQ(WindowHandle(PlayerWindow::kId), nullptr);
    EXPECT_EQ(CountSeen(PlayerWindow::kId, WindowEvent::kAboutToBeDestroyed), 1);
    EXPECT_EQ(CountSeen(PlayerWindow::kId, WindowEvent::kQueryClose), 0);
  });
}

TEST(WindowLife, LoadingAgainBeforeADeferredDestroyBuildsAfresh) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    WriteProperty({PlayerWindow::kId, PlayerWindow::标签1}, 8, std::string("改过"));
    DestroyWindow(PlayerWindow::kId);
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    EXPECT_EQ(CountSeen(PlayerWindow::kId, WindowEvent::kCreated), 2);
    EXPECT_EQ(ReadText({PlayerWindow::kId, PlayerWindow::标签1}, 8), "时长:0/0秒");
    ProcessPendingEvents();
    EXPECT_NE(WindowHandle(PlayerWindow::kId), nullptr);
  });
}

TEST(WindowLife, EscClosesOnlyWhereTheWindowSaysSo) {
  RunInProgram(FormsBindingEveryWindowEvent(), [] {
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    for (WindowId window : {SaveDialog::kId, PlayerWindow::kId}) {
      const HWND focus = Hwnd(window, window == SaveDialog::kId ? SaveDialog::取消按钮 : PlayerWindow::按钮1);
      PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 0);
      PostMessageW(focus, WM_KEYUP, VK_ESCAPE, 0);
      PumpFor(50);
    }
    EXPECT_EQ(WindowHandle(SaveDialog::kId), nullptr);
    EXPECT_EQ(CountSeen(SaveDialog::kId, WindowEvent::kQueryClose), 1);
    EXPECT_NE(WindowHandle(PlayerWindow::kId), nullptr);
  });
}

TEST(WindowLife, TabMovesTheFocusThroughTheTabStops) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    const HWND first = GetFocus();
    ASSERT_NE(first, nullptr);
    PostMessageW(first, WM_KEYDOWN, VK_TAB, 0);
    PumpFor(50);
    const HWND second = GetFocus();
    EXPECT_NE(second, first);
    EXPECT_TRUE(GetWindowLongPtrW(second, GWL_STYLE) & WS_TABSTOP);
    EXPECT_TRUE(IsWindowEnabled(second));
  });
}

TEST(WindowLife, EnterPressesTheDefaultButton) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
    const HWND combo = Hwnd(SaveDialog::kId, SaveDialog::组合框);
    SetFocus(combo);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    PumpFor(50);
    EXPECT_EQ(CountSeen(SaveDialog::保存按钮, 0), 1);
  });
}

bool ShowsAsDefault(WindowId window, UnitId button) {
  return (GetWindowLongPtrW(Hwnd(window, button), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

// Brings the window forward and gives `unit` the focus, as a click or Tab would.
void FocusOn(WindowId window, UnitId unit) {
  SetForegroundWindow(WindowHandle(window));
  PumpFor(50);
  SetFocus(Hwnd(window, unit));
  PumpFor(50);
}

// The focused push button is the default while it has the focus, and Enter presses it; when
// the focus leaves the push buttons the window's own default is back.
TEST(WindowLife, EnterPressesTheFocusedPushButton) {
  RunInProgram([] {
    using namespace SaveDialog;
    ASSERT_TRUE(LoadWindow(kId, 0, false));
    EXPECT_NE(ShowsAsDefault(kId, 保存按钮), ShowsAsDefault(kId, 取消按钮)) << "one default ring from the start";
    FocusOn(kId, 取消按钮);
    EXPECT_TRUE(ShowsAsDefault(kId, 取消按钮));
    EXPECT_FALSE(ShowsAsDefault(kId, 保存按钮)) << "one default ring, on the focused button";
    PressKey(VK_RETURN);
    EXPECT_EQ(CountSeen(取消按钮, 0), 1);
    EXPECT_EQ(CountSeen(保存按钮, 0), 0);

    FocusOn(kId, 组合框);
    EXPECT_TRUE(ShowsAsDefault(kId, 保存按钮));
    EXPECT_FALSE(ShowsAsDefault(kId, 取消按钮));
    PressKey(VK_RETURN);
    EXPECT_EQ(CountSeen(保存按钮, 0), 1);
    EXPECT_EQ(CountSeen(取消按钮, 0), 1);
  });
}

// Tab walks the focus onto a push button and the default follows it there; on the windows
// without a stored default, Enter presses whichever button has the focus.
TEST(WindowLife, EnterPressesTheButtonTabReachesOnEveryWindow) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
    FocusOn(SaveDialog::kId, SaveDialog::组合框);
    HWND focus = GetFocus();
    for (int step = 0; step < 8 && !ShowsAsDefault(SaveDialog::kId, SaveDialog::取消按钮); ++step) PressKey(VK_TAB);
    ASSERT_EQ(GetFocus(), Hwnd(SaveDialog::kId, SaveDialog::取消按钮)) << "Tab reached 取消按钮 from " << focus;
    EXPECT_FALSE(ShowsAsDefault(SaveDialog::kId, SaveDialog::保存按钮));
    PressKey(VK_RETURN);
    EXPECT_EQ(CountSeen(SaveDialog::取消按钮, 0), 1);
    DestroyWindow(SaveDialog::kId, true);

    for (const auto& [window, button] : {std::pair{RecorderWindow::kId, RecorderWindow::按钮1},
                                         std::pair{PlayerWindow::kId, PlayerWindow::按钮2}}) {
      ASSERT_TRUE(LoadWindow(window, 0, false));
      FocusOn(window, button);
      EXPECT_TRUE(ShowsAsDefault(window, button)) << std::hex << button;
      PressKey(VK_RETURN);
      EXPECT_EQ(CountSeen(button, 0), 1) << std::hex << button;
    }
  });
}

// Checked from inside the modal loop of SaveDialog.
struct ModalObservation {
  bool recorderEnabled = true;
  bool playerEnabled = true;
  bool dialogEnabled = false;
  bool seen = false;
} modal;

void CALLBACK ObserveModal(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  modal.seen = true;
  modal.recorderEnabled = IsWindowEnabled(WindowHandle(RecorderWindow::kId));
  modal.playerEnabled = IsWindowEnabled(WindowHandle(PlayerWindow::kId));
  modal.dialogEnabled = IsWindowEnabled(WindowHandle(SaveDialog::kId));
  PostMessageW(WindowHandle(SaveDialog::kId), WM_CLOSE, 0, 0);
}

TEST(WindowLife, AModalWindowDisablesTheOthersAndRestoresTheirStates) {
  modal = {};
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(RecorderWindow::kId, 0, false));
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    WriteProperty({PlayerWindow::kId, PlayerWindow::kId}, 6, 1);
    SetTimer(nullptr, 0, 100, ObserveModal);
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, true));
    EXPECT_EQ(WindowHandle(SaveDialog::kId), nullptr);
    EXPECT_TRUE(IsWindowEnabled(WindowHandle(RecorderWindow::kId)));
    EXPECT_FALSE(IsWindowEnabled(WindowHandle(PlayerWindow::kId)));
  });
  EXPECT_TRUE(modal.seen);
  EXPECT_FALSE(modal.recorderEnabled);
  EXPECT_FALSE(modal.playerEnabled);
  EXPECT_TRUE(modal.dialogEnabled);
}

void CALLBACK ObserveOwner(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  EXPECT_EQ(GetWindow(WindowHandle(SaveDialog::kId), GW_OWNER), Runtime().hiddenOwner);
  EXPECT_FALSE(IsWindowVisible(Runtime().hiddenOwner));
  DestroyWindow(SaveDialog::kId);
}

TEST(WindowLife, AModalWindowHasNoTaskbarButton) {
  RunInProgram([] {
    SetTimer(nullptr, 0, 50, ObserveOwner);
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, true));
    EXPECT_EQ(WindowHandle(SaveDialog::kId), nullptr);
  });
}
}  // namespace

namespace {
TEST(WindowLife, TrayMouseActionsRaiseTheTrayEventWithTheirKind) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(RecorderWindow::kId, 0, false));
    const HWND hwnd = WindowHandle(RecorderWindow::kId);
    for (UINT mouse : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_MOUSEMOVE, WM_LBUTTONDOWN})
      SendMessageW(hwnd, WM_APP + 0x11, 100, mouse);
    std::vector<int32_t> kinds;
    for (const SeenEvent& event : SeenEvents()) {
      if (event.event == WindowEvent::kTrayEvent) kinds.push_back(std::get<int32_t>(event.arguments.at(0)));
    }
    EXPECT_EQ(kinds, (std::vector<int32_t>{1, 2, 3}));
  });
}

// 录制, 录制范围, then 停止.
void CALLBACK ChooseThirdEntry(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const HWND popup = FindWindowW(L"#32768", nullptr);
  for (WPARAM key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(popup, WM_KEYDOWN, key, 0);
}

TEST(WindowLife, ChoosingAMenuEntryRaisesItsChosenEvent) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(RecorderWindow::kId, 0, false));
    SetTimer(nullptr, 0, 200, ChooseThirdEntry);
    PopUpMenu({RecorderWindow::kId, RecorderWindow::菜单});
    EXPECT_EQ(CountSeen(RecorderWindow::菜单_停止, 0), 1);
  });
}

TEST(WindowLife, PositionWrittenWhileHiddenIsOnlyStored) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    const UnitAddress window{PlayerWindow::kId, PlayerWindow::kId};
    WriteProperty(window, 5, 0);
    WriteProperty(window, 18, 2);
    EXPECT_FALSE(IsIconic(WindowHandle(PlayerWindow::kId)));
    EXPECT_EQ(ReadInt(window, 18), 2);
    WriteProperty(window, 5, 1);
    WriteProperty(window, 18, 2);
    EXPECT_TRUE(IsIconic(WindowHandle(PlayerWindow::kId)));
    WriteProperty(window, 18, 1);
    EXPECT_FALSE(IsIconic(WindowHandle(PlayerWindow::kId)));
    EXPECT_EQ(ReadInt(window, 0), (1024 - 389) / 2);
  });
}

TEST(WindowLife, PumpingPendingEventsLeavesAQuitRequestQueued) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    PostMessageW(WindowHandle(PlayerWindow::kId), WM_NULL, 0, 0);
    PostQuitMessage(3);
    ProcessPendingEvents();
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 3u);
  });
}
}  // namespace

namespace {
TEST(WindowLife, EnterMovesTheFocusWhereTheWindowAsksForIt) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
    WriteProperty({SaveDialog::kId, SaveDialog::kId}, 21, 1);
    const HWND combo = Hwnd(SaveDialog::kId, SaveDialog::组合框);
    SetFocus(combo);
    PostMessageW(combo, WM_KEYDOWN, VK_RETURN, 0);
    PumpFor(50);
    EXPECT_NE(GetFocus(), combo);
    EXPECT_EQ(CountSeen(SaveDialog::保存按钮, 0), 0);
  });
}

TEST(WindowLife, ANonModalOwnerMustBeALiveWindow) {
  RunInProgram([] {
    EXPECT_FALSE(LoadWindow(PlayerWindow::kId, RecorderWindow::kId, false));
    EXPECT_EQ(WindowHandle(PlayerWindow::kId), nullptr);
    ASSERT_TRUE(LoadWindow(RecorderWindow::kId, 0, false));
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, RecorderWindow::kId, false));
    EXPECT_EQ(GetWindow(WindowHandle(PlayerWindow::kId), GW_OWNER), WindowHandle(RecorderWindow::kId));
    EXPECT_FALSE(LoadWindow(kWindowUnitClass | 0x77, 0, false));
  });
}

int idleRuns = 0;
// Each run posts a message, so that the queue empties again and the next run follows.
void CountIdleRun(intptr_t closeAfter) {
  if (++idleRuns == closeAfter) {
    DestroyWindow(SaveDialog::kId);
  } else {
    PostMessageW(WindowHandle(SaveDialog::kId), WM_NULL, 0, 0);
  }
}

TEST(WindowLife, IdleActionsRunWhileTheQueueIsEmptyAndTheirWindowIsLoaded) {
  idleRuns = 0;
  RunInProgram([] {
    AddIdleAction(SaveDialog::kId, CountIdleRun, 3);
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, true));
    EXPECT_EQ(idleRuns, 3);
  });
}

// The cursor shown once the mouse has moved, as the user moves it, to `client` of `unit`'s
// window and the program has handled what that brought.
HCURSOR CursorAfterMovingTo(WindowId window, UnitId unit, POINT client) {
  MoveMouseTo(Hwnd(window, unit), client);
  PumpFor(50);
  return GetCursor();
}

// While busy, a handler that lets messages through (as the save does) must not let the first
// mouse move bring the arrow back: over the windows' own areas and over their controls.
TEST(WindowLife, TheBusyCursorStaysOverEveryWindowWhileMessagesArePumped) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(RecorderWindow::kId, 0, false));
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    struct Place {
      WindowId window;
      UnitId unit;
      POINT client;
    };
    const Place places[] = {{RecorderWindow::kId, RecorderWindow::kId, {4, 4}},
                            {RecorderWindow::kId, RecorderWindow::按钮1, {6, 6}},
                            {PlayerWindow::kId, PlayerWindow::kId, {3, 3}},
                            {PlayerWindow::kId, PlayerWindow::按钮2, {6, 6}},
                            {PlayerWindow::kId, PlayerWindow::画板, {20, 20}}};
    ASSERT_EQ(CursorAfterMovingTo(PlayerWindow::kId, PlayerWindow::kId, {3, 3}), arrow) << "the class cursor first";
    BusyCursorOn();
    for (const Place& place : places) {
      EXPECT_EQ(CursorAfterMovingTo(place.window, place.unit, place.client), wait) << std::hex << place.unit;
      EXPECT_EQ(CursorAfterMovingTo(place.window, place.unit, {place.client.x + 2, place.client.y + 1}), wait)
          << std::hex << place.unit;
    }
    BusyCursorOff();
    EXPECT_EQ(CursorAfterMovingTo(PlayerWindow::kId, PlayerWindow::kId, {5, 5}), arrow) << "the arrow once idle again";
  });
}

TEST(WindowLife, TheBusyCursorComesAndGoes) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    const HCURSOR before = GetCursor();
    BusyCursorOn();
    BusyCursorOn();
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
    BusyCursorOff();
    EXPECT_EQ(GetCursor(), before);
  });
}
}  // namespace

namespace {
TEST(WindowLife, AWindowMovedByDraggingAnywhereAnswersCaptionOverItsClientArea) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    const HWND hwnd = WindowHandle(PlayerWindow::kId);
    POINT inside{2, 2};
    ClientToScreen(hwnd, &inside);
    const LPARAM at = MAKELPARAM(inside.x, inside.y);
    EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, at), HTCLIENT);
    WriteProperty({PlayerWindow::kId, PlayerWindow::kId}, 27, 1);
    EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, at), HTCAPTION);
  });
}
}  // namespace

namespace {
TEST(WindowLife, AWindowActivatedAgainGivesTheFocusBackToItsControl) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    const HWND about = Hwnd(PlayerWindow::kId, PlayerWindow::按钮2);
    SetFocus(about);
    ASSERT_TRUE(LoadWindow(RecorderWindow::kId, 0, false));
    EXPECT_NE(GetFocus(), about);
    SetActiveWindow(WindowHandle(PlayerWindow::kId));
    PumpFor(30);
    EXPECT_EQ(GetFocus(), about);
  });
}
}  // namespace

namespace {
std::wstring openedHelp;
void RememberOpened(void*, const std::wstring& address) { openedHelp = address; }

TEST(WindowLife, F1OpensTheHelpFileWhereTheWindowAsksForIt) {
  openedHelp.clear();
  const ShellOpenFunction before = SetShellOpenFunction(RememberOpened);
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    const UnitAddress window{PlayerWindow::kId, PlayerWindow::kId};
    WriteProperty(window, 24, std::string("C:\\帮助.chm"));
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_F1, 0);
    PumpFor(30);
    EXPECT_TRUE(openedHelp.empty());
    WriteProperty(window, 23, 1);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_F1, 0);
    PumpFor(30);
  });
  SetShellOpenFunction(before);
  EXPECT_EQ(openedHelp, L"C:\\帮助.chm");
}
}  // namespace
