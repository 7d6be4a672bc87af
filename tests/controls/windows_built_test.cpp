// The three windows as the runtime builds them from their stored definitions: geometry,
// captions, states, containers, stacking order and the tray menu.
#include <gtest/gtest.h>
#include <windows.h>

#include "components/services/wide_text.h"
#include "controls/runtime_state.h"
#include "forms/form_store.h"
#include "forms/player_window.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "forms/settings_window.h"
#include "tests/controls/program_run.h"

namespace {
HWND Hwnd(WindowId window, UnitId unit) {
  Control* control = FindLiveControl({window, unit});
  return control ? control->hwnd() : nullptr;
}

std::string Caption(HWND hwnd) {
  wchar_t text[256] = {};
  GetWindowTextW(hwnd, text, 256);
  return Narrow(text);
}

RECT OuterRect(HWND hwnd) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  return rect;
}

bool IsComboBox(const UnitDefinition& unit) { return std::holds_alternative<ComboBoxProperties>(unit.properties); }

// Every control sits where its definition puts it, inside its container, shown as its flags
// and kind say, enabled unless its disabled flag is set.
void ExpectControlsAsStored(WindowId window) {
  const FormStore store;
  const HWND windowHwnd = WindowHandle(window);
  for (const UnitDefinition& unit : store.Find(window)->units) {
    if (UnitClass(unit.id) != kControlUnitClass) continue;
    SCOPED_TRACE(unit.name);
    Control* control = FindLiveControl({window, unit.id});
    ASSERT_NE(control, nullptr);
    const HWND hwnd = control->hwnd();
    const HWND container = unit.container ? Hwnd(window, unit.container) : windowHwnd;
    EXPECT_EQ(GetParent(hwnd), container);
    EXPECT_EQ(ReadInt({window, unit.id}, 0), unit.left);
    EXPECT_EQ(ReadInt({window, unit.id}, 1), unit.top);
    EXPECT_EQ(ReadInt({window, unit.id}, 2), unit.width);
    // A drop-down combo box shows its closed height, not the height of its list.
    if (!IsComboBox(unit)) {
      EXPECT_EQ(ReadInt({window, unit.id}, 3), unit.height);
    }
    const bool shown = control->IsVisual() && (unit.flags & kFlagVisible);
    EXPECT_EQ((GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0, shown);
    EXPECT_EQ(IsWindowEnabled(hwnd) == FALSE, (unit.flags & kFlagDisabled) != 0);
    EXPECT_EQ((GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_TABSTOP) != 0,
              (unit.flags & kFlagTabStop) != 0 && !std::holds_alternative<GroupBoxProperties>(unit.properties));
  }
}

// The children of `parent` from the top of the stacking order down.
std::vector<HWND> StackedChildren(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) children.push_back(child);
  return children;
}

struct WindowExpectation {
  WindowId id;
  const char* caption;
  int width;
  int height;
};

class WindowsBuilt : public testing::TestWithParam<WindowExpectation> {};

TEST_P(WindowsBuilt, CentredWithTheirCaptionsAndControlsAsStored) {
  const WindowExpectation expected = GetParam();
  RunInProgram([&] {
    ASSERT_TRUE(LoadWindow(expected.id, 0, false));
    const HWND hwnd = WindowHandle(expected.id);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(Caption(hwnd), expected.caption);
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    const RECT outer = OuterRect(hwnd);
    EXPECT_EQ(outer.left, (1024 - expected.width) / 2);
    EXPECT_EQ(outer.top, (768 - expected.height) / 2);
    EXPECT_EQ(outer.right - outer.left, expected.width);
    EXPECT_EQ(outer.bottom - outer.top, expected.height);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_TRUE(IsWindowEnabled(hwnd));
    EXPECT_EQ(GetMenu(hwnd), nullptr);
    ExpectControlsAsStored(expected.id);
  });
}

INSTANTIATE_TEST_SUITE_P(
    ThreeWindows, WindowsBuilt,
    testing::Values(WindowExpectation{RecorderWindow::kId, "Velmo屏幕录像器", 244, 115},
                    WindowExpectation{SaveDialog::kId, "保存设置", 317, 184},
                    WindowExpectation{PlayerWindow::kId, "Velmo专用播放器", 389, 259},
                    WindowExpectation{SettingsWindow::kId, "设置", 300, 536}));

TEST(WindowsBuilt, RecorderFramesHaveTheirButtons) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(RecorderWindow::kId, 0, false));
    ASSERT_TRUE(LoadWindow(SaveDialog::kId, 0, false));
    const LONG_PTR recorder = GetWindowLongPtrW(WindowHandle(RecorderWindow::kId), GWL_STYLE);
    EXPECT_TRUE(recorder & WS_SYSMENU);
    EXPECT_TRUE(recorder & WS_MINIMIZEBOX);
    EXPECT_FALSE(recorder & WS_MAXIMIZEBOX);
    EXPECT_FALSE(recorder & WS_THICKFRAME);
    const LONG_PTR dialog = GetWindowLongPtrW(WindowHandle(SaveDialog::kId), GWL_STYLE);
    EXPECT_TRUE(dialog & WS_SYSMENU);
    EXPECT_FALSE(dialog & WS_MINIMIZEBOX);
    EXPECT_EQ(Caption(Hwnd(RecorderWindow::kId, RecorderWindow::按钮1)), "录制");
    EXPECT_EQ(Caption(Hwnd(RecorderWindow::kId, RecorderWindow::分组框1)), "录制");
    EXPECT_EQ(Caption(Hwnd(SaveDialog::kId, SaveDialog::保存按钮)), "保存");
    EXPECT_NE(SendMessageW(WindowHandle(RecorderWindow::kId), WM_GETICON, ICON_BIG, 0), 0);
  });
}

TEST(WindowsBuilt, EarlierInTheListIsDrawnAbove) {
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(RecorderWindow::kId, 0, false));
    ASSERT_TRUE(LoadWindow(PlayerWindow::kId, 0, false));
    using namespace RecorderWindow;
    const std::vector<HWND> group = {Hwnd(kId, 按钮4), Hwnd(kId, 按钮3), Hwnd(kId, 按钮2), Hwnd(kId, 按钮1),
                                     Hwnd(kId, 按钮5), Hwnd(kId, 标签1)};
    EXPECT_EQ(StackedChildren(Hwnd(kId, 分组框1)), group);
    EXPECT_EQ(StackedChildren(WindowHandle(kId)), (std::vector<HWND>{Hwnd(kId, 分组框1), Hwnd(kId, 时钟1)}));
    const WindowId player = PlayerWindow::kId;
    EXPECT_EQ(StackedChildren(Hwnd(player, PlayerWindow::画板)),
              (std::vector<HWND>{Hwnd(player, PlayerWindow::ZIP压缩), Hwnd(player, PlayerWindow::通用对话框),
                                 Hwnd(player, PlayerWindow::时钟)}));
    const std::vector<HWND> top = StackedChildren(WindowHandle(player));
    ASSERT_EQ(top.size(), 10u);
    EXPECT_EQ(top.front(), Hwnd(player, PlayerWindow::进度条1));
    EXPECT_EQ(top.back(), Hwnd(player, PlayerWindow::标签1));
  });
}

// The tray menu, read from the pop-up while it is open, then closed again.
std::vector<std::string> trayMenuEntries;

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const HWND popup = FindWindowW(L"#32768", nullptr);
  const HMENU menu = popup ? reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0)) : nullptr;
  for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
    trayMenuEntries.push_back(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR ? "-" : Narrow(text));
  }
  EndMenu();
}

TEST(WindowsBuilt, TheHiddenMenuRootPopsUpItsTenItems) {
  trayMenuEntries.clear();
  RunInProgram([] {
    ASSERT_TRUE(LoadWindow(RecorderWindow::kId, 0, false));
    SetTimer(nullptr, 0, 300, ReadOpenMenu);
    PopUpMenu({RecorderWindow::kId, RecorderWindow::菜单}, 100, 100);
  });
  EXPECT_EQ(trayMenuEntries,
            (std::vector<std::string>{"录制", "录制范围", "停止", "暂停", "-", "显示", "隐藏", "-", "设置", "退出"}));
  // Closing the menu without a choice raises no chosen event.
  for (const SeenEvent& event : SeenEvents()) EXPECT_NE(UnitClass(event.unit), kMenuItemUnitClass);
}
}  // namespace
