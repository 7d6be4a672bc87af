// Every kind's own properties as a handler meets them: a value written to an index reads back
// brought into that index's range, through the one table each kind lists them in. The generic
// walk is checked on its own first, over a kind made up for the test.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "controls/property_indexes.h"
#include "controls/property_table.h"
#include "forms/save_dialog.h"
#include "forms/settings_window.h"
#include "tests/controls/program_run.h"

namespace {

struct MadeUpProperties {
  int choice = 0;
  int flag = 0;
  int ranged = 5;
  Colour colour = 0;
  std::string text;
  ByteString bytes;
  std::vector<std::string> lines;
};

class MadeUpKind {
 public:
  MadeUpProperties stored;
  int shown = 0;
  int rebuilt = 0;

  void Show() { ++shown; }
  void Rebuild() { ++rebuilt; }
  PropertyValue Live() const { return std::string("live"); }

  using Row = PropertyRow<MadeUpKind, MadeUpProperties>;
  using P = MadeUpProperties;
  static constexpr Row kRows[] = {
      {1, &P::choice, Choice(3), &MadeUpKind::Show},
      {2, &P::flag, kBoolean, &MadeUpKind::Rebuild, true},
      {3, &P::ranged, Range(1, 100)},
      {4, &P::colour},
      {5, &P::text},
      {6, &P::bytes},
      {7, &P::lines},
      {8, {}, kAsIs, nullptr, false, &MadeUpKind::Live},
  };

  void Write(int index, const PropertyValue& value) {
    WriteTableProperty<MadeUpKind>(*this, stored, Table(), index, value);
  }
  PropertyValue Read(int index) const { return ReadTableProperty<MadeUpKind>(*this, stored, Table(), index); }

 private:
  static std::span<const Row> Table() { return kRows; }
};

TEST(PropertyTable, WritesAreClampedStoredAndReadBack) {
  MadeUpKind kind;
  const std::vector<std::tuple<int, PropertyValue, PropertyValue>> cases = {
      {1, 7, 3},           {1, -2, 0},         {1, 2, 2},
      {2, 9, 1},           {2, 0, 0},          {3, 0, 1},
      {3, 500, 100},       {3, 42, 42},        {4, int32_t(0x80FF8040), int32_t(0x80FF8040)},
      {5, std::string("文字"), std::string("文字")},
      {5, 12, std::string("12")},
      {6, ByteString{1, 2, 3}, ByteString{1, 2, 3}},
      {6, std::string("ab"), ByteString{'a', 'b'}},
      {7, std::string("一\r\n二\r\n"), std::string("一\r\n二\r\n")},
  };
  for (const auto& [index, written, expected] : cases) {
    kind.Write(index, written);
    EXPECT_EQ(kind.Read(index), expected) << "index " << index;
  }
  EXPECT_EQ(kind.stored.lines, (std::vector<std::string>{"一", "二", ""}));
  EXPECT_EQ(kind.stored.colour, 0x80FF8040u);
}

TEST(PropertyTable, StepsRunAsTheirRowsSay) {
  MadeUpKind kind;
  kind.Write(1, 2);
  kind.Write(1, 2);
  EXPECT_EQ(kind.shown, 2) << "a step runs on every write";
  kind.Write(2, 0);
  EXPECT_EQ(kind.rebuilt, 0) << "the value it already had";
  kind.Write(2, 5);
  kind.Write(2, 1);
  EXPECT_EQ(kind.rebuilt, 1) << "5 and 1 both store 1";
  kind.Write(3, 9);
  EXPECT_EQ(kind.shown + kind.rebuilt, 3) << "a row without a step only stores";
}

TEST(PropertyTable, LiveReadsAndUnlistedIndexes) {
  MadeUpKind kind;
  EXPECT_EQ(kind.Read(8), PropertyValue(std::string("live")));
  kind.Write(8, std::string("ignored"));
  EXPECT_EQ(kind.Read(8), PropertyValue(std::string("live")));
  const MadeUpProperties before = kind.stored;
  kind.Write(99, 5);
  EXPECT_EQ(kind.Read(99), PropertyValue(int32_t{0}));
  EXPECT_EQ(kind.stored.ranged, before.ranged);
  EXPECT_EQ(kind.shown + kind.rebuilt, 0);
}

struct Expectation {
  UnitId unit;
  int index;
  PropertyValue written;
  PropertyValue read;
};

TEST(PropertyTables, EveryKindReadsBackWhatWasWrittenWithItsClamp) {
  namespace S = SaveDialog;
  namespace w = window_property;
  namespace c = combo_box_property;
  namespace s = slider_bar_property;
  namespace p = process_bar_property;
  namespace g = group_box_property;
  namespace b = button_property;
  namespace d = common_dlg_property;
  namespace l = label_property;
  namespace dp = draw_panel_property;
  const ByteString font(60, 0x41);
  const std::vector<Expectation> cases = {
      {S::kId, w::kCaption, std::string("保存 设置"), std::string("保存 设置")},
      {S::kId, w::kBorder, 9, 6},
      {S::kId, w::kBackColour, int32_t(0x00123456), int32_t(0x00123456)},
      {S::kId, w::kPictureMode, -1, 0},
      {S::kId, w::kBackgroundMusic, ByteString{9, 8}, ByteString{9, 8}},
      {S::kId, w::kPlayTimes, 5, 2},
      {S::kId, w::kControlButton, 7, 1},
      {S::kId, w::kPosition, 1, 1},
      {S::kId, w::kEscCloses, 0, 0},
      {S::kId, w::kHelpFile, std::string("帮助.chm"), std::string("帮助.chm")},
      {S::kId, w::kHelpId, -7, -7},
      {S::kId, w::kShowInTaskbar, 3, 1},
      {S::kId, w::kShape, 40, 29},
      {S::kId, w::kAlwaysOnTop, 0, 0},
      {S::kId, w::kClassName, std::string("类"), std::string("类")},
      {S::kId, 40, 5, 0},
      {S::组合框, c::kMaxTextLength, 40000, 32767},
      {S::组合框, c::kMaxTextLength, -1, 0},
      {S::组合框, c::kSorted, 2, 1},
      {S::组合框, c::kExtraRowSpacing, 3, 3},
      {S::组合框, c::kTextColour, int32_t(0x00FF00), int32_t(0x00FF00)},
      {S::组合框, c::kItems, std::string("甲\r\n乙"), std::string("甲\r\n乙")},
      {S::组合框, c::kCurrentItem, 1, 1},
      {S::组合框, c::kItemData, ByteString{4}, ByteString{4}},
      {S::组合框, c::kDataSource, std::string("源"), std::string("源")},
      {S::组合框, c::kFurther, 12, 12},
      {S::组合框, c::kType, 9, 2},
      {S::滑块条, s::kBorder, 9, 5},
      {S::滑块条, s::kVertical, 4, 1},
      {S::滑块条, s::kTickMarks, 8, 3},
      {S::滑块条, s::kTickFrequency, -2, 0},
      {S::滑块条, s::kSelectionEnabled, 6, 1},
      {S::滑块条, s::kSelectionStart, -3, -3},
      {S::滑块条, s::kPageSize, 0, 1},
      {S::滑块条, s::kLineSize, 99999, 32767},
      {S::滑块条, s::kMinimum, -5, 0},
      {S::滑块条, s::kMaximum, 40000, 32767},
      {S::滑块条, s::kPosition, 40000, 32767},
      {S::进度条, p::kBorder, -1, 0},
      {S::进度条, p::kSmooth, 3, 1},
      {S::进度条, p::kMaximum, 70000, 32767},
      {S::进度条, p::kPosition, -9, 0},
      {S::分组框, g::kCaption, std::string("品质"), std::string("品质")},
      {S::分组框, g::kAlignment, 5, 2},
      {S::分组框, g::kBackColour, int32_t(0x00ABCDEF), int32_t(0x00ABCDEF)},
      {S::保存按钮, b::kType, 4, 1},
      {S::保存按钮, b::kHorizontalAlignment, -3, 0},
      {S::保存按钮, b::kVerticalAlignment, 3, 2},
      {S::保存按钮, b::kCaption, std::string("存"), std::string("存")},
      {S::通用对话框, d::kDialogType, 8, 3},
      {S::通用对话框, d::kInitialFilterIndex, -2, 0},
      {S::通用对话框, d::kInitialFilterIndex, 7, 7},
      {S::通用对话框, d::kOverwritePrompt, 9, 1},
      {S::通用对话框, d::kFilter, std::string("全部|*.*"), std::string("全部|*.*")},
      {S::通用对话框, d::kFirstOtherSetting, std::string("其他"), std::string("其他")},
      {S::提示标签, l::kCaption, std::string("提示"), std::string("提示")},
      {S::提示标签, l::kEffect, 9, 3},
      {S::提示标签, l::kBorder, 7, 6},
      {S::提示标签, l::kFrameWidth, 2, 5},
      {S::提示标签, l::kFrameColourFirst + 1, int32_t(0x00010203), int32_t(0x00010203)},
      {S::提示标签, l::kFont, font, font},
      {S::提示标签, l::kFont, ByteString{1, 2, 3}, ByteString{}},
      {S::提示标签, l::kPictureMode, 4, 2},
      {S::提示标签, l::kGradientMode, 10, 8},
      {S::提示标签, l::kGradientColourLast, int32_t(0x00070809), int32_t(0x00070809)},
      {S::提示标签, l::kWordWrap, 4, 1},
      {S::提示标签, l::kVerticalAlignment, -1, 0},
      {S::隐藏画板, dp::kBorder, 6, 5},
      {S::隐藏画板, dp::kCoordinateUnit, 9, 5},
      {S::隐藏画板, dp::kAutoRedraw, 2, 1},
      {S::隐藏画板, dp::kPenWidth, -4, -4},
      {S::隐藏画板, dp::kBackPicture, ByteString{1, 2}, ByteString{1, 2}},
      {S::隐藏画板, dp::kFont, font, font},
      {S::隐藏画板, dp::kFirstReadOnly, 3, 0},
  };
  RunInProgram([&] {
    ASSERT_TRUE(LoadWindow(S::kId, 0, false));
    for (const Expectation& expected : cases) {
      const UnitAddress unit{S::kId, expected.unit};
      WriteProperty(unit, expected.index, expected.written);
      EXPECT_EQ(ReadProperty(unit, expected.index), expected.read) << expected.unit << " index " << expected.index;
    }
  });
}

// The settings window's kinds: a check box's value and a hotkey box's key and modifiers read
// what the control shows, which is what was written brought into range.
TEST(PropertyTables, TheCheckBoxAndHotkeyBoxReadBackWhatTheyShow) {
  namespace T = SettingsWindow;
  namespace k = check_box_property;
  namespace h = hotkey_box_property;
  const std::vector<Expectation> cases = {
      {T::鼠标指针复选框, k::kValue, 5, 1},
      {T::鼠标指针复选框, k::kValue, 0, 0},
      {T::鼠标指针复选框, k::kCaption, std::string("录制鼠标指针"), std::string("录制鼠标指针")},
      {T::鼠标指针复选框, k::kFont, ByteString(60, 0x41), ByteString(60, 0x41)},
      {T::录制热键, h::kKey, 0x78, 0x78},
      {T::录制热键, h::kModifiers, 0x3, 0x3},
      {T::录制热键, h::kModifiers, 0x1 | 0x8, 0x1},
      {T::录制热键, h::kKey, 300, 255},
      {T::录制热键, h::kKey, 0, 0},
      {T::录制热键, h::kModifiers, 0x1, 0},
  };
  RunInProgram([&] {
    ASSERT_TRUE(LoadWindow(T::kId, 0, false));
    for (const Expectation& expected : cases) {
      const UnitAddress unit{T::kId, expected.unit};
      WriteProperty(unit, expected.index, expected.written);
      EXPECT_EQ(ReadProperty(unit, expected.index), expected.read) << expected.unit << " index " << expected.index;
    }
  });
}

}  // namespace
