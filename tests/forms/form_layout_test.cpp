// The windows' unit lists: counts, order, ids, names, containers and geometry.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "forms/form_store.h"
#include "forms/player_window.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "forms/settings_window.h"

namespace {

const FormStore& Store() {
  static const FormStore store;
  return store;
}

const FormDefinition& Form(WindowId id) { return *Store().Find(id); }

bool IsNonVisual(Kind kind) {
  return kind == Kind::Timer || kind == Kind::CommonDlg || kind == Kind::ZipComponent;
}

TEST(FormLayout, EachWindowHasItsUnitsWithTheMenuRunAfterTheFirstButton) {
  const std::map<WindowId, size_t> expected = {
      {RecorderWindow::kId, 27}, {SaveDialog::kId, 14}, {PlayerWindow::kId, 19},
      {SettingsWindow::kId, 37}};
  EXPECT_EQ(Store().WindowIds().size(), expected.size());
  for (const auto& [id, count] : expected) EXPECT_EQ(Form(id).units.size(), count) << std::hex << id;

  std::vector<size_t> menuPositions;
  const FormDefinition& recorder = Form(RecorderWindow::kId);
  for (size_t i = 0; i < recorder.units.size(); ++i)
    if (KindOf(recorder.units[i]) == Kind::MenuItem) menuPositions.push_back(i);
  EXPECT_EQ(menuPositions, (std::vector<size_t>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
  EXPECT_EQ(recorder.units[1].name, "按钮4");
}

TEST(FormLayout, IdsAreUniqueInTheProgramAndOfTheirUnitsClass) {
  std::set<UnitId> ids;
  std::set<uint32_t> serials;
  for (WindowId window : Store().WindowIds()) {
    const FormDefinition& form = Form(window);
    EXPECT_EQ(UnitClass(window), kWindowUnitClass);
    EXPECT_EQ(form.units.front().id, window);
    EXPECT_EQ(KindOf(form.units.front()), Kind::Window);
    for (size_t i = 0; i < form.units.size(); ++i) {
      const UnitDefinition& unit = form.units[i];
      EXPECT_TRUE(ids.insert(unit.id).second) << "repeated id " << std::hex << unit.id;
      EXPECT_TRUE(serials.insert(unit.id & 0xFFFF).second) << "repeated serial " << std::hex << unit.id;
      const Kind kind = KindOf(unit);
      const uint32_t expectedClass = kind == Kind::Window     ? kWindowUnitClass
                                     : kind == Kind::MenuItem ? kMenuItemUnitClass
                                                              : kControlUnitClass;
      EXPECT_EQ(UnitClass(unit.id), expectedClass) << unit.name;
      EXPECT_EQ(kind == Kind::Window, i == 0) << "only the first unit is the window";
    }
  }
}

TEST(FormLayout, ControlsHaveNamesUniqueInTheirWindowAndOtherUnitsNone) {
  for (WindowId window : Store().WindowIds()) {
    std::set<std::string> names;
    for (const UnitDefinition& unit : Form(window).units) {
      const Kind kind = KindOf(unit);
      if (kind == Kind::Window || kind == Kind::MenuItem) {
        EXPECT_TRUE(unit.name.empty()) << std::hex << unit.id;
        continue;
      }
      EXPECT_FALSE(unit.name.empty()) << std::hex << unit.id;
      EXPECT_TRUE(names.insert(unit.name).second) << "repeated name " << unit.name;
    }
  }
}

TEST(FormLayout, ContainersHoldExactlyTheirListedControls) {
  struct Holding {
    WindowId window;
    std::string container;
    std::set<std::string> held;
  };
  const Holding holdings[] = {
      {RecorderWindow::kId, "分组框1", {"按钮4", "按钮3", "按钮2", "按钮1", "按钮5", "标签1"}},
      {SaveDialog::kId, "分组框", {"品质标签", "标签1", "滑块条"}},
      {PlayerWindow::kId, "画板", {"ZIP压缩", "通用对话框", "时钟"}},
      {SettingsWindow::kId, "热键分组框",
       {"录制热键标签", "录制热键", "录制热键占用标签", "暂停热键标签", "暂停热键", "暂停热键占用标签"}},
      {SettingsWindow::kId, "选项分组框",
       {"鼠标指针复选框", "鼠标点击复选框", "本程序窗口复选框", "本程序窗口原因标签", "帧率标签", "帧率组合框",
        "可持续帧率标签", "倒计时标签", "倒计时组合框"}},
      {SettingsWindow::kId, "声音分组框",
       {"麦克风复选框", "麦克风设备组合框", "麦克风音量标签", "麦克风音量滑块", "麦克风音量值标签", "麦克风电平标签",
        "麦克风电平条", "麦克风原因标签", "电脑声音复选框", "电脑声音音量标签", "电脑声音音量滑块",
        "电脑声音音量值标签", "电脑声音电平标签", "电脑声音电平条", "电脑声音原因标签"}},
  };
  std::set<std::pair<WindowId, UnitId>> containersSeen;
  for (const Holding& holding : holdings) {
    const UnitDefinition* container = Store().FindUnit(holding.window, holding.container);
    ASSERT_NE(container, nullptr) << holding.container;
    containersSeen.insert({holding.window, container->id});
    std::set<std::string> held;
    for (const UnitDefinition& unit : Form(holding.window).units)
      if (unit.container == container->id) held.insert(unit.name);
    EXPECT_EQ(held, holding.held) << holding.container;
  }
  // No other unit names a container.
  for (WindowId window : Store().WindowIds())
    for (const UnitDefinition& unit : Form(window).units)
      EXPECT_TRUE(unit.container == 0 || containersSeen.count({window, unit.container})) << unit.name;
  for (const auto& [window, id] : containersSeen) {
    const Kind kind = KindOf(*Store().FindUnit(window, id));
    EXPECT_TRUE(kind == Kind::GroupBox || kind == Kind::DrawPanel);
  }
}

// A typo in a rectangle shows as a control sticking out of its container. 标签2 is stored
// below the player's client area on purpose; 隐藏画板 is hidden.
TEST(FormLayout, VisibleControlsLieInsideTheirContainer) {
  for (WindowId window : Store().WindowIds()) {
    const FormDefinition& form = Form(window);
    for (const UnitDefinition& unit : form.units) {
      const Kind kind = KindOf(unit);
      if (kind == Kind::Window || kind == Kind::MenuItem || IsNonVisual(kind)) continue;
      if (!(unit.flags & kFlagVisible) || (window == PlayerWindow::kId && unit.id == PlayerWindow::标签2)) continue;
      const UnitDefinition& container = unit.container ? *FindUnit(form, unit.container) : form.units.front();
      EXPECT_GE(unit.left, 0) << unit.name;
      EXPECT_GE(unit.top, 0) << unit.name;
      EXPECT_LE(unit.left + unit.width, container.width) << unit.name;
      EXPECT_LE(unit.top + unit.height, container.height) << unit.name;
    }
  }
  EXPECT_GT(FindUnit(Form(PlayerWindow::kId), PlayerWindow::标签2)->top, Form(PlayerWindow::kId).units[0].height);
}

// The file dialogs take labels and patterns in turn; a lost "|" would shift every pair.
TEST(FormLayout, FileDialogFiltersPairLabelsWithPatterns) {
  int dialogs = 0;
  for (WindowId window : Store().WindowIds())
    for (const UnitDefinition& unit : Form(window).units) {
      if (KindOf(unit) != Kind::CommonDlg) continue;
      ++dialogs;
      std::vector<std::string> parts;
      std::string filter = std::get<CommonDlgProperties>(unit.properties).filter;
      for (size_t bar; (bar = filter.find('|')) != std::string::npos; filter.erase(0, bar + 1))
        parts.push_back(filter.substr(0, bar));
      parts.push_back(filter);
      ASSERT_EQ(parts.size() % 2, 0u) << unit.name;
      for (size_t i = 0; i < parts.size(); i += 2) {
        EXPECT_NE(parts[i].find('(' + parts[i + 1] + ')'), std::string::npos) << "label names its pattern";
        EXPECT_EQ(parts[i + 1].rfind("*.", 0), 0u) << parts[i + 1];
      }
    }
  EXPECT_EQ(dialogs, 2);
}

}  // namespace
