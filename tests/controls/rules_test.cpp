// The runtime's pure rules, table by table: clamps, centring, stacking, menu trees, the tray
// tip, timer writes, bar ranges, dialog filters, window styles, icon files and error texts.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "controls/ansi_text.h"
#include "controls/fatal_error.h"
#include "controls/file_dialog.h"
#include "controls/icon_file.h"
#include "controls/kinds/bar_ranges.h"
#include "controls/kinds/hotkey_flags.h"
#include "controls/layout_rules.h"
#include "controls/menu_tree.h"
#include "controls/timer_rule.h"
#include "controls/window_style.h"
#include "forms/recorder_window.h"
#include "forms/recorder_icon.h"

namespace {
TEST(LayoutRules, CommonGeometryIsClamped) {
  EXPECT_EQ(ClampPosition(40000), 32627);
  EXPECT_EQ(ClampPosition(-40000), -32627);
  EXPECT_EQ(ClampPosition(-5), -5);
  EXPECT_EQ(ClampSize(-1), 0);
  EXPECT_EQ(ClampSize(32767), 32627);
  EXPECT_EQ(ClampSize(311), 311);
}

TEST(LayoutRules, CentredOnTheScreen) {
  EXPECT_EQ(CentredPosition(230, 115, 1024, 768).x, 397);
  EXPECT_EQ(CentredPosition(230, 115, 1024, 768).y, 326);
  EXPECT_EQ(CentredPosition(317, 259, 1024, 768).y, 254);
  EXPECT_EQ(CentredPosition(2000, 100, 1024, 768).x, -488);
}

TEST(LayoutRules, EachControlGoesBelowTheNearestEarlierOneOfItsContainer) {
  const FormDefinition recorder = RecorderWindow::Definition();
  const std::vector<StackingPlace> places = StackingOrder(recorder.units);
  using namespace RecorderWindow;
  const std::vector<std::pair<UnitId, UnitId>> expected = {
      {按钮4, 0}, {按钮3, 按钮4}, {按钮2, 按钮3}, {按钮1, 按钮2},
      {按钮5, 按钮1}, {标签1, 按钮5}, {分组框1, 0}, {时钟1, 分组框1}};
  ASSERT_EQ(places.size(), expected.size());
  for (size_t i = 0; i < places.size(); ++i) {
    EXPECT_EQ(places[i].unit, expected[i].first);
    EXPECT_EQ(places[i].below, expected[i].second);
  }
}

TEST(MenuTree, LevelsNestUnderTheNearestItemAbove) {
  const std::vector<MenuNode> tree = BuildMenuTree({0, 1, 1, 2, 2, 1, 0, 1});
  ASSERT_EQ(tree.size(), 2u);
  EXPECT_EQ(tree[0].item, 0u);
  ASSERT_EQ(tree[0].children.size(), 3u);
  EXPECT_EQ(tree[0].children[1].item, 2u);
  EXPECT_EQ(tree[0].children[1].children.size(), 2u);
  EXPECT_EQ(tree[1].item, 6u);
  EXPECT_EQ(tree[1].children.size(), 1u);
  EXPECT_EQ(FindMenuNode(tree, 4)->item, 4u);
  EXPECT_EQ(FindMenuNode(tree, 9), nullptr);
}

TEST(MenuTree, AFirstItemAboveLevelZeroIsATopItem) {
  const std::vector<MenuNode> tree = BuildMenuTree({1, 0, -3});
  ASSERT_EQ(tree.size(), 3u);
  EXPECT_TRUE(tree[2].children.empty());
}

// Cut as the system converts each character in the given code page.
TEST(AnsiText, CutsOnCharacterBoundariesOfTheCodePage) {
  const std::wstring two = L"制作";  // two characters of two bytes each in 936
  EXPECT_EQ(CutToCodePageBytes(two, 3, 936), L"制");
  EXPECT_EQ(CutToCodePageBytes(two, 4, 936), two);
  EXPECT_EQ(CutToCodePageBytes(L"a" + two, 2, 936), L"a");
  EXPECT_EQ(CutToCodePageBytes(L"abc", 0, 936), L"");
  EXPECT_EQ(CutToCodePageBytes(two, 3, 65001), L"制") << "three bytes each in UTF-8";
  EXPECT_EQ(CutToCodePageBytes(two, 5, 65001), L"制");
  EXPECT_EQ(CutToCodePageBytes(L"\u00e9t\u00e9", 2, 1252), L"\u00e9t") << "one byte each in 1252";
  // A character beyond the basic plane is a surrogate pair: four bytes in UTF-8, never halved.
  const std::wstring pair = L"a\U00020000b";
  EXPECT_EQ(CutToCodePageBytes(pair, 4, 65001), L"a");
  EXPECT_EQ(CutToCodePageBytes(pair, 5, 65001), L"a\U00020000");
}

// Under the suite's Wine the system reports code page 936, as a Simplified Chinese Windows does.
TEST(AnsiText, TrayTipKeepsSixtyTwoBytesOfTheSystemsCodePage) {
  ASSERT_EQ(GetACP(), 936u);
  std::string seventy;
  for (int i = 0; i < 35; ++i) seventy += "屏";
  EXPECT_EQ(TrayTipText(seventy), std::wstring(31, L'屏'));
  EXPECT_EQ(TrayTipText("a" + seventy), L"a" + std::wstring(30, L'屏')) << "61 bytes: the next character would pass 62";
  EXPECT_EQ(TrayTipText("Velmo屏幕录像器"), L"Velmo屏幕录像器");
  EXPECT_EQ(TrayTipText(std::string(70, 'x')), std::wstring(62, L'x'));
}

TEST(TimerRule, WritesFollowTheirRules) {
  struct Case {
    int32_t current, written, stored;
    bool stop, start;
  };
  const Case cases[] = {
      {0, 100, 100, true, true},  {100, 100, 100, false, false}, {100, -5, 0, true, false},
      {0, -5, 0, false, false},   {100, 50, 50, true, true},     {100, 0, 0, true, false},
  };
  for (const Case& c : cases) {
    const TimerWrite write = ApplyTimerWrite(c.current, c.written);
    EXPECT_EQ(write.stored, c.stored) << c.current << " <- " << c.written;
    EXPECT_EQ(write.stop, c.stop) << c.current << " <- " << c.written;
    EXPECT_EQ(write.start, c.start) << c.current << " <- " << c.written;
  }
}

TEST(BarRanges, RangesAndStepsStayUsable) {
  EXPECT_EQ(ProgressRange(200, 50).low, 50);
  EXPECT_EQ(ProgressRange(200, 50).high, 200);
  EXPECT_EQ(ProgressRange(-3, 40000).high, 32767);
  EXPECT_EQ(ShownPosition(150, {0, 100}), 100);
  EXPECT_EQ(ShownPosition(0, {1, 5}), 1);
  EXPECT_EQ(SliderStep(0, {1, 5}), 1);
  EXPECT_EQ(SliderStep(9, {1, 5}), 4);
  EXPECT_EQ(SliderStep(5, {3, 3}), 1);
}

TEST(FileDialogRules, FilterEndsWithTwoBars) {
  EXPECT_EQ(TerminatedFilter("a|*.a"), "a|*.a||");
  EXPECT_EQ(TerminatedFilter("a|*.a||"), "a|*.a||");
  EXPECT_EQ(TerminatedFilter(""), "");
  EXPECT_EQ(SystemFilter("a|*.a"), std::wstring(L"a\0*.a\0\0", 7));
  CommonDlgProperties dialog;
  dialog.keepCurrentFolder = 1;
  dialog.createPrompt = 1;
  EXPECT_EQ(FileDialogFlags(dialog), static_cast<DWORD>(OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_CREATEPROMPT));
  // SaveDialog's dialog: file must exist is stored on, but a save must accept a new name.
  CommonDlgProperties save;
  save.dialogType = 1;
  save.fileMustExist = 1;
  save.pathMustExist = 1;
  EXPECT_EQ(FileDialogFlags(save), static_cast<DWORD>(OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST));
  save.dialogType = 0;
  EXPECT_EQ(FileDialogFlags(save) & OFN_FILEMUSTEXIST, static_cast<DWORD>(OFN_FILEMUSTEXIST));
}

TEST(WindowStyles, BorderCaptionAndButtons) {
  WindowProperties window;
  window.caption = "x";
  window.maximiseButton = 0;
  WindowStyle style = WindowStyleOf(window);
  EXPECT_EQ(style.style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
            static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
  window.border = 0;
  EXPECT_EQ(WindowStyleOf(window).style, static_cast<DWORD>(WS_POPUP));
  window.border = 3;
  EXPECT_TRUE(WindowStyleOf(window).exStyle & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(WindowStyleOf(window).style & WS_THICKFRAME);
  window.border = 6;
  window.caption.clear();
  window.controlButton = 0;
  style = WindowStyleOf(window);
  EXPECT_NE(style.style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  EXPECT_TRUE(style.exStyle & WS_EX_CLIENTEDGE);
}

TEST(IconFile, FindsTheImageOfTheRecorderIcon) {
  const ByteString icon = RecorderIconFile();
  const std::optional<IconImage> image = FindIconImage(icon, 16);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 32);
  EXPECT_EQ(image->offset + image->size, icon.size());
  ByteString cut(icon.begin(), icon.end() - 1);
  EXPECT_FALSE(FindIconImage(cut, 32));
  EXPECT_FALSE(FindIconImage({0, 0, 1, 0}, 32));
  EXPECT_FALSE(FindIconImage({}, 32));
}

TEST(FatalErrorText, ShowsCodeOnlyWhenThereIsOne) {
  EXPECT_EQ(FatalErrorText("指定窗口尚未载入"), "运行时出错!\r\n\r\n错误信息：指定窗口尚未载入\r\n");
  EXPECT_EQ(FatalErrorText("x", 7), "运行时出错!\r\n\r\n错误代码：7\r\n\r\n错误信息：x\r\n");
}
// The hotkey control's flags and the registration's modifiers name the same keys differently.
TEST(HotkeyFlags, ConvertBothWaysWithTheSystemsValues) {
  constexpr uint32_t kAll = MOD_ALT | MOD_CONTROL | MOD_SHIFT;
  EXPECT_EQ(ModifiersFromHotkeyFlags(HOTKEYF_ALT), static_cast<uint32_t>(MOD_ALT));
  EXPECT_EQ(ModifiersFromHotkeyFlags(HOTKEYF_CONTROL | HOTKEYF_SHIFT), static_cast<uint32_t>(MOD_CONTROL | MOD_SHIFT));
  EXPECT_EQ(ModifiersFromHotkeyFlags(HOTKEYF_ALT | HOTKEYF_EXT), static_cast<uint32_t>(MOD_ALT));
  EXPECT_EQ(ModifiersFromHotkeyFlags(0), 0u);
  EXPECT_EQ(HotkeyFlagsFromModifiers(MOD_ALT, VK_F9), static_cast<uint32_t>(HOTKEYF_ALT));
  EXPECT_EQ(HotkeyFlagsFromModifiers(kAll | MOD_WIN, 'A'),
            static_cast<uint32_t>(HOTKEYF_ALT | HOTKEYF_CONTROL | HOTKEYF_SHIFT));
  for (UINT key : {VK_PRIOR, VK_NEXT, VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_INSERT, VK_DELETE,
                   VK_DIVIDE, VK_NUMLOCK})
    EXPECT_EQ(HotkeyFlagsFromModifiers(MOD_CONTROL, key), static_cast<uint32_t>(HOTKEYF_CONTROL | HOTKEYF_EXT)) << key;
  for (UINT key : {VK_NUMPAD0, VK_SPACE, VK_F1, VK_MULTIPLY, int{'7'}})
    EXPECT_EQ(HotkeyFlagsFromModifiers(MOD_CONTROL, key), static_cast<uint32_t>(HOTKEYF_CONTROL)) << key;
  for (uint32_t modifiers = 0; modifiers <= kAll; ++modifiers)
    EXPECT_EQ(ModifiersFromHotkeyFlags(HotkeyFlagsFromModifiers(modifiers, VK_INSERT)), modifiers);
}

}  // namespace
