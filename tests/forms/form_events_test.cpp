// What the windows bind: every event binding, the hidden menu root and the tray menu items.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "controls/event_index.h"
#include "forms/form_store.h"
#include "forms/handler_id.h"
#include "forms/player_window.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "forms/settings_window.h"

namespace {

using Binding = std::tuple<WindowId, UnitId, int, HandlerId>;

std::set<Binding> AllBindings(const FormStore& store) {
  std::set<Binding> bindings;
  for (WindowId window : store.WindowIds())
    for (const UnitDefinition& unit : store.Find(window)->units)
      for (const EventBinding& binding : unit.events) {
        const bool added = bindings.insert({window, unit.id, binding.event, binding.handler}).second;
        EXPECT_TRUE(added) << "bound twice: " << unit.name << " event " << binding.event;
      }
  return bindings;
}

TEST(FormEvents, EveryBindingOfTheWindowsAndNoOther) {
  namespace R = RecorderWindow;
  namespace S = SaveDialog;
  namespace P = PlayerWindow;
  namespace T = SettingsWindow;
  const std::set<Binding> expected = {
      {R::kId, R::kId, WindowEvent::kCreated, HandlerId::RecorderCreated},
      {R::kId, R::kId, WindowEvent::kTrayEvent, HandlerId::RecorderTrayEvent},
      {R::kId, R::kId, WindowEvent::kAboutToBeDestroyed, HandlerId::RecorderAboutToBeDestroyed},
      {R::kId, R::kId, WindowEvent::kKeyDown, HandlerId::RecorderKeyDown},
      {R::kId, R::按钮1, ButtonEvent::kClicked, HandlerId::RecordCommand},
      {R::kId, R::按钮2, ButtonEvent::kClicked, HandlerId::StopCommand},
      {R::kId, R::按钮3, ButtonEvent::kClicked, HandlerId::SaveCommand},
      {R::kId, R::按钮4, ButtonEvent::kClicked, HandlerId::PlayCommand},
      {R::kId, R::按钮5, ButtonEvent::kClicked, HandlerId::ShowCaptureChoices},
      {R::kId, R::时钟1, TimerEvent::kTick, HandlerId::CaptureTick},
      {S::kId, S::kId, WindowEvent::kCreated, HandlerId::SaveDialogCreated},
      {S::kId, S::kId, WindowEvent::kQueryClose, HandlerId::SaveDialogQueryClose},
      {S::kId, S::取消按钮, ButtonEvent::kClicked, HandlerId::CancelSave},
      {S::kId, S::保存按钮, ButtonEvent::kClicked, HandlerId::SaveRecording},
      {S::kId, S::滑块条, SliderBarEvent::kPositionChanged, HandlerId::QualityChanged},
      {S::kId, S::ZIP压缩, ZipComponentEvent::kPackProgress, HandlerId::PackProgress},
      {P::kId, P::kId, WindowEvent::kCreated, HandlerId::PlayerCreated},
      {P::kId, P::kId, WindowEvent::kAboutToBeDestroyed, HandlerId::PlayerAboutToBeDestroyed},
      {P::kId, P::按钮1, ButtonEvent::kClicked, HandlerId::OpenRecording},
      {P::kId, P::按钮2, ButtonEvent::kClicked, HandlerId::ShowAbout},
      {P::kId, P::播放按钮, ButtonEvent::kClicked, HandlerId::StartPlayback},
      {P::kId, P::暂停按钮, ButtonEvent::kClicked, HandlerId::PausePlayback},
      {P::kId, P::终止按钮, ButtonEvent::kClicked, HandlerId::StopPlayback},
      {P::kId, P::静音按钮, ButtonEvent::kClicked, HandlerId::ToggleMute},
      {P::kId, P::时钟, TimerEvent::kTick, HandlerId::PlaybackTick},
      {P::kId, P::kId, WindowEvent::kKeyDown, HandlerId::PlayerKeyDown},
      {P::kId, P::进度条1, ProcessBarEvent::kPointerDown, HandlerId::SeekOnProgressBar},
      {P::kId, P::进度条1, ProcessBarEvent::kPointerMove, HandlerId::SeekOnProgressBar},
      {P::kId, P::画板, DrawPanelEvent::kContextMenu, HandlerId::ShowPictureMenu},
      {T::kId, T::kId, WindowEvent::kCreated, HandlerId::SettingsCreated},
      {T::kId, T::kId, WindowEvent::kAboutToBeDestroyed, HandlerId::SettingsClosing},
      {T::kId, T::确定按钮, ButtonEvent::kClicked, HandlerId::ConfirmSettings},
      {T::kId, T::取消按钮, ButtonEvent::kClicked, HandlerId::CancelSettings},
      {T::kId, T::麦克风设备组合框, ComboBoxEvent::kSelectionChanged, HandlerId::MicrophoneDeviceChosen},
      {T::kId, T::麦克风音量滑块, SliderBarEvent::kPositionChanged, HandlerId::SoundLevelMoved},
      {T::kId, T::电脑声音音量滑块, SliderBarEvent::kPositionChanged, HandlerId::SoundLevelMoved},
      {T::kId, T::电平时钟, TimerEvent::kTick, HandlerId::SoundLevelTick},
  };
  const FormStore store;
  const std::set<Binding> actual = AllBindings(store);
  EXPECT_EQ(actual, expected);
  // Only SaveDialog may refuse to close (while a save runs).
  for (const Binding& binding : actual)
    EXPECT_FALSE(std::get<0>(binding) != S::kId && std::get<1>(binding) == std::get<0>(binding) &&
                 std::get<2>(binding) == WindowEvent::kQueryClose);
}

struct Item {
  UnitId id;
  int level;
  uint32_t flags;
  std::string caption;
  HandlerId handler;
};

// The window's menu items, in list order, are `expected`.
void ExpectMenu(WindowId window, const std::vector<Item>& expected) {
  const FormStore store;
  std::vector<const UnitDefinition*> items;
  for (const UnitDefinition& unit : store.Find(window)->units)
    if (KindOf(unit) == Kind::MenuItem) items.push_back(&unit);
  ASSERT_EQ(items.size(), expected.size());
  for (size_t i = 0; i < items.size(); ++i) {
    const auto& item = std::get<MenuItemProperties>(items[i]->properties);
    EXPECT_EQ(items[i]->id, expected[i].id) << i;
    EXPECT_EQ(item.level, expected[i].level) << i;
    EXPECT_EQ(item.flags, expected[i].flags) << i;
    EXPECT_EQ(item.caption, expected[i].caption) << i;
    EXPECT_EQ(item.handler, expected[i].handler) << i;
    EXPECT_EQ(item.hotKey, 0u) << i;
    EXPECT_TRUE(items[i]->events.empty()) << "menu items name their handler themselves";
  }
}

// 录制范围 holds what a take records: 全屏, up to four monitors (shown when there are several),
// 区域 and 窗口.
TEST(FormEvents, TheTrayMenuIsAHiddenRootOverTenItemsAndTheChoicesOfWhatToRecord) {
  namespace R = RecorderWindow;
  const std::vector<Item> expected = {
      {R::菜单, 0, kMenuHidden, "菜单", HandlerId::None},
      {R::菜单_录制, 1, 0, "录制", HandlerId::RecordCommand},
      {R::菜单_录制范围, 1, 0, "录制范围", HandlerId::None},
      {R::菜单_全屏, 2, kMenuChecked, "全屏", HandlerId::ChooseCaptureArea},
      {R::菜单_显示器1, 2, kMenuHidden, "显示器 1", HandlerId::ChooseCaptureArea},
      {R::菜单_显示器2, 2, kMenuHidden, "显示器 2", HandlerId::ChooseCaptureArea},
      {R::菜单_显示器3, 2, kMenuHidden, "显示器 3", HandlerId::ChooseCaptureArea},
      {R::菜单_显示器4, 2, kMenuHidden, "显示器 4", HandlerId::ChooseCaptureArea},
      {R::菜单_区域, 2, 0, "区域...", HandlerId::ChooseCaptureArea},
      {R::菜单_窗口, 2, 0, "窗口...", HandlerId::ChooseCaptureArea},
      {R::菜单_停止, 1, 0, "停止", HandlerId::StopCommand},
      {R::菜单_暂停, 1, 0, "暂停", HandlerId::PauseCommand},
      {R::菜单_分隔线1, 1, 0, "-", HandlerId::None},
      {R::菜单_显示, 1, 0, "显示", HandlerId::ShowRecorder},
      {R::菜单_隐藏, 1, 0, "隐藏", HandlerId::HideRecorder},
      {R::菜单_分隔线2, 1, 0, "-", HandlerId::None},
      {R::菜单_设置, 1, 0, "设置", HandlerId::ShowSettings},
      {R::菜单_退出, 1, 0, "退出", HandlerId::ExitCommand},
  };
  ExpectMenu(R::kId, expected);
}

// The keys are named in the captions themselves: the window's key event takes them, so they
// need no hot keys of the menu.
TEST(FormEvents, ThePictureMenuIsAHiddenRootOverTheRangeCommands) {
  namespace P = PlayerWindow;
  ExpectMenu(P::kId, {{P::菜单, 0, kMenuHidden, "菜单", HandlerId::None},
                      {P::菜单_设为起点, 1, 0, "设为起点(I)", HandlerId::MarkRangeStart},
                      {P::菜单_设为终点, 1, 0, "设为终点(O)", HandlerId::MarkRangeEnd},
                      {P::菜单_清除起止点, 1, 0, "清除起止点", HandlerId::ClearRangeMarks},
                      {P::菜单_另存为, 1, 0, "另存为…(Ctrl+S)", HandlerId::SaveRangeAs}});
}

}  // namespace
