#include "forms/settings_window.h"

#include "controls/event_index.h"
#include "controls/unit_builders.h"
#include "forms/handler_id.h"

namespace SettingsWindow {

namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kGrey = 0x808080;

UnitDefinition TextLabel(UnitId id, const char* name, int left, int top, int width, UnitId container,
                         const char* caption) {
  return {.id = id, .name = name, .left = left, .top = top, .width = width, .height = 20, .container = container,
          .flags = kFlagVisible, .properties = LabelProperties{.border = 0, .caption = caption}};
}

// Hidden until the window finds that its line applies.
UnitDefinition NoteLabel(UnitId id, const char* name, int left, int top, int width, UnitId container, Colour colour,
                         const char* caption) {
  return {.id = id, .name = name, .left = left, .top = top, .width = width, .height = 16, .container = container,
          .properties = LabelProperties{.border = 0, .textColour = colour, .caption = caption}};
}

UnitDefinition HotkeyField(UnitId id, const char* name, int top) {
  return {.id = id, .name = name, .left = 112, .top = top, .width = 154, .height = 20, .container = 热键分组框,
          .flags = kVisibleTabStop, .properties = HotkeyBoxProperties{}};
}

// A drop-down list beside its label, lined up with the hotkey boxes above.
UnitDefinition Choice(UnitId id, const char* name, int top) {
  return {.id = id, .name = name, .left = 112, .top = top, .width = 154, .height = 20, .container = 选项分组框,
          .flags = kVisibleTabStop,
          .properties = ComboBoxProperties{.type = 2}};
}

UnitDefinition Option(UnitId id, const char* name, int top, const char* caption) {
  return {.id = id, .name = name, .left = 12, .top = top, .width = 254, .height = 20, .container = 选项分组框,
          .flags = kVisibleTabStop, .properties = CheckBoxProperties{.caption = caption}};
}

}  // namespace

FormDefinition Definition() {
  return {
      .id = kId,
      .units = {
          {.id = kId, .left = 50, .top = 50, .width = 300, .height = 364, .flags = kFlagVisible,
           .events = {{WindowEvent::kCreated, HandlerId::SettingsCreated},
                      {WindowEvent::kAboutToBeDestroyed, HandlerId::SettingsClosing}},
           .properties = WindowProperties{.maximiseButton = 0, .minimiseButton = 0, .position = 1, .escCloses = 1,
                                          .caption = "设置"}},
          {.id = 热键分组框, .name = "热键分组框", .left = 8, .top = 8, .width = 278, .height = 104,
           .flags = kFlagVisible, .properties = GroupBoxProperties{.caption = "热键"}},
          TextLabel(录制热键标签, "录制热键标签", 12, 20, 98, 热键分组框, "开始/停止录制:"),
          HotkeyField(录制热键, "录制热键", 20),
          NoteLabel(录制热键占用标签, "录制热键占用标签", 12, 42, 254, 热键分组框, kRed, kHotkeyHeldElsewhereText),
          TextLabel(暂停热键标签, "暂停热键标签", 12, 60, 98, 热键分组框, "暂停/继续:"),
          HotkeyField(暂停热键, "暂停热键", 60),
          NoteLabel(暂停热键占用标签, "暂停热键占用标签", 12, 82, 254, 热键分组框, kRed, kHotkeyHeldElsewhereText),
          {.id = 选项分组框, .name = "选项分组框", .left = 8, .top = 118, .width = 278, .height = 178,
           .flags = kFlagVisible, .properties = GroupBoxProperties{.caption = "录制"}},
          Option(鼠标指针复选框, "鼠标指针复选框", 20, "录制鼠标指针"),
          Option(鼠标点击复选框, "鼠标点击复选框", 42, "突出显示鼠标点击"),
          Option(本程序窗口复选框, "本程序窗口复选框", 64, "录制时不录入本程序窗口"),
          NoteLabel(本程序窗口原因标签, "本程序窗口原因标签", 30, 84, 236, 选项分组框, kGrey,
                    kCannotKeepWindowsOutText),
          TextLabel(帧率标签, "帧率标签", 12, 108, 98, 选项分组框, "帧率:"),
          Choice(帧率组合框, "帧率组合框", 106),
          NoteLabel(可持续帧率标签, "可持续帧率标签", 12, 130, 254, 选项分组框, kGrey, ""),
          TextLabel(倒计时标签, "倒计时标签", 12, 152, 98, 选项分组框, "倒计时:"),
          Choice(倒计时组合框, "倒计时组合框", 150),
          {.id = 确定按钮, .name = "确定按钮", .left = 142, .top = 304, .width = 64, .height = 20,
           .flags = kVisibleTabStop, .events = {{ButtonEvent::kClicked, HandlerId::ConfirmSettings}},
           .properties = ButtonProperties{.type = 1, .caption = "确定"}},
          {.id = 取消按钮, .name = "取消按钮", .left = 222, .top = 304, .width = 64, .height = 20,
           .flags = kVisibleTabStop, .events = {{ButtonEvent::kClicked, HandlerId::CancelSettings}},
           .properties = ButtonProperties{.caption = "取消"}},
      }};
}

}  // namespace SettingsWindow
