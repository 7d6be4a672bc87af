#include "forms/recorder_window.h"

#include "controls/event_index.h"
#include "controls/unit_builders.h"
#include "forms/handler_id.h"
#include "forms/recorder_icon.h"

namespace RecorderWindow {

FormDefinition Definition() {
  return {
      .id = kId,
      .units = {
          {.id = kId, .left = 50, .top = 50, .width = 244, .height = 115, .flags = kFlagVisible,
           .events = {{WindowEvent::kCreated, HandlerId::RecorderCreated},
                      {WindowEvent::kAboutToBeDestroyed, HandlerId::RecorderAboutToBeDestroyed},
                      {WindowEvent::kTrayEvent, HandlerId::RecorderTrayEvent},
                      {WindowEvent::kKeyDown, HandlerId::RecorderKeyDown}},
           .properties = WindowProperties{.maximiseButton = 0, .position = 1, .escCloses = 1,
                                          .icon = RecorderIconFile(), .caption = "Velmo屏幕录像器"}},
          {.id = 按钮4, .name = "按钮4", .left = 154, .top = 16, .width = 40, .height = 20, .container = 分组框1,
           .flags = kVisibleTabStop, .events = {{ButtonEvent::kClicked, HandlerId::PlayCommand}},
           .properties = ButtonProperties{.caption = "播放"}},
          MenuItem(菜单, 0, kMenuHidden, "菜单", HandlerId::None),
          MenuItem(菜单_录制, 1, 0, "录制", HandlerId::RecordCommand),
          MenuItem(菜单_录制范围, 1, 0, "录制范围", HandlerId::None),
          MenuItem(菜单_全屏, 2, kMenuChecked, "全屏", HandlerId::ChooseCaptureArea),
          // Their captions ("显示器 2 (1920×1080)") are written when there are several monitors.
          MenuItem(菜单_显示器1, 2, kMenuHidden, "显示器 1", HandlerId::ChooseCaptureArea),
          MenuItem(菜单_显示器2, 2, kMenuHidden, "显示器 2", HandlerId::ChooseCaptureArea),
          MenuItem(菜单_显示器3, 2, kMenuHidden, "显示器 3", HandlerId::ChooseCaptureArea),
          MenuItem(菜单_显示器4, 2, kMenuHidden, "显示器 4", HandlerId::ChooseCaptureArea),
          MenuItem(菜单_区域, 2, 0, "区域...", HandlerId::ChooseCaptureArea),
          MenuItem(菜单_窗口, 2, 0, "窗口...", HandlerId::ChooseCaptureArea),
          MenuItem(菜单_停止, 1, 0, "停止", HandlerId::StopCommand),
          // Reads "继续" while the take is paused.
          MenuItem(菜单_暂停, 1, 0, "暂停", HandlerId::PauseCommand),
          MenuItem(菜单_分隔线1, 1, 0, "-", HandlerId::None),
          MenuItem(菜单_显示, 1, 0, "显示", HandlerId::ShowRecorder),
          MenuItem(菜单_隐藏, 1, 0, "隐藏", HandlerId::HideRecorder),
          MenuItem(菜单_分隔线2, 1, 0, "-", HandlerId::None),
          MenuItem(菜单_设置, 1, 0, "设置", HandlerId::ShowSettings),
          // "退出" ends the program as closing its windows would.
          MenuItem(菜单_退出, 1, 0, "退出", HandlerId::ExitCommand),
          {.id = 按钮3, .name = "按钮3", .left = 110, .top = 16, .width = 40, .height = 20, .container = 分组框1,
           .flags = kDisabledTabStop, .events = {{ButtonEvent::kClicked, HandlerId::SaveCommand}},
           .properties = ButtonProperties{.caption = "保存"}},
          {.id = 按钮2, .name = "按钮2", .left = 66, .top = 16, .width = 40, .height = 20, .container = 分组框1,
           .flags = kDisabledTabStop, .events = {{ButtonEvent::kClicked, HandlerId::StopCommand}},
           .properties = ButtonProperties{.caption = "停止"}},
          {.id = 按钮1, .name = "按钮1", .left = 8, .top = 16, .width = 40, .height = 20, .container = 分组框1,
           .flags = kVisibleTabStop, .events = {{ButtonEvent::kClicked, HandlerId::RecordCommand}},
           .properties = ButtonProperties{.caption = "录制"}},
          {.id = 按钮5, .name = "按钮5", .left = 48, .top = 16, .width = 14, .height = 20, .container = 分组框1,
           .flags = kVisibleTabStop, .events = {{ButtonEvent::kClicked, HandlerId::ShowCaptureChoices}},
           .properties = ButtonProperties{.caption = "▼"}},
          {.id = 标签1, .name = "标签1", .left = 8, .top = 40, .width = 186, .height = 16, .container = 分组框1,
           .flags = kFlagVisible, .properties = LabelProperties{.border = 1}},
          {.id = 分组框1, .name = "分组框1", .left = 18, .top = 6, .width = 202, .height = 64, .flags = kFlagVisible,
           .properties = GroupBoxProperties{.alignment = 0, .caption = "录制"}},
          {.id = 时钟1, .name = "时钟1", .left = 230, .top = 32, .width = 16, .height = 24,
           .events = {{TimerEvent::kTick, HandlerId::CaptureTick}}, .properties = TimerProperties{.interval = 0}},
      }};
}

}  // namespace RecorderWindow
