#include "forms/settings_window.h"

#include "controls/event_index.h"
#include "controls/unit_builders.h"
#include "forms/handler_id.h"

namespace SettingsWindow {

namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kGrey = 0x808080;
// The level bars' readings, about fifteen a second.
constexpr int kLevelBarInterval = 66;

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
UnitDefinition Choice(UnitId id, const char* name, UnitId container, int top) {
  return {.id = id, .name = name, .left = 112, .top = top, .width = 154, .height = 20, .container = container,
          .flags = kVisibleTabStop, .properties = ComboBoxProperties{.type = 2}};
}

UnitDefinition DeviceChoice(UnitId id, const char* name, int top) {
  UnitDefinition unit = Choice(id, name, 声音分组框, top);
  unit.events = {{ComboBoxEvent::kSelectionChanged, HandlerId::MicrophoneDeviceChosen}};
  return unit;
}

UnitDefinition Option(UnitId id, const char* name, UnitId container, int top, int width, const char* caption) {
  return {.id = id, .name = name, .left = 12, .top = top, .width = width, .height = 20, .container = container,
          .flags = kVisibleTabStop, .properties = CheckBoxProperties{.caption = caption}};
}

// A source's level in percent, in steps of 5 from the keyboard, with the percentage to its
// right. Its range and position, the percentage and the level bar's range are the settings'
// own: the window writes them as it opens.
UnitDefinition LevelSlider(UnitId id, const char* name, int top) {
  return {.id = id, .name = name, .left = 112, .top = top, .width = 118, .height = 20, .container = 声音分组框,
          .flags = kVisibleTabStop, .events = {{SliderBarEvent::kPositionChanged, HandlerId::SoundLevelMoved}},
          .properties = SliderBarProperties{.tickMarks = 0, .pageSize = 25, .lineSize = 5}};
}

UnitDefinition LevelPercent(UnitId id, const char* name, int top) {
  return {.id = id, .name = name, .left = 232, .top = top, .width = 34, .height = 20, .container = 声音分组框,
          .flags = kFlagVisible, .properties = LabelProperties{.border = 0, .horizontalAlignment = 2}};
}

// The bar is centred on its row's label; the grey reason takes the row's place when the system
// refuses the source.
UnitDefinition LevelBar(UnitId id, const char* name, int top) {
  return {.id = id, .name = name, .left = 112, .top = top + 4, .width = 154, .height = 12, .container = 声音分组框,
          .flags = kFlagVisible, .properties = ProcessBarProperties{.smooth = 1}};
}

}  // namespace

FormDefinition Definition() {
  return {
      .id = kId,
      .units = {
          {.id = kId, .left = 50, .top = 50, .width = 300, .height = 536, .flags = kFlagVisible,
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
          Option(鼠标指针复选框, "鼠标指针复选框", 选项分组框, 20, 254, "录制鼠标指针"),
          Option(鼠标点击复选框, "鼠标点击复选框", 选项分组框, 42, 254, "突出显示鼠标点击"),
          Option(本程序窗口复选框, "本程序窗口复选框", 选项分组框, 64, 254, "录制时不录入本程序窗口"),
          NoteLabel(本程序窗口原因标签, "本程序窗口原因标签", 30, 84, 236, 选项分组框, kGrey,
                    kCannotKeepWindowsOutText),
          TextLabel(帧率标签, "帧率标签", 12, 108, 98, 选项分组框, "帧率:"),
          Choice(帧率组合框, "帧率组合框", 选项分组框, 106),
          NoteLabel(可持续帧率标签, "可持续帧率标签", 12, 130, 254, 选项分组框, kGrey, ""),
          TextLabel(倒计时标签, "倒计时标签", 12, 152, 98, 选项分组框, "倒计时:"),
          Choice(倒计时组合框, "倒计时组合框", 选项分组框, 150),
          {.id = 声音分组框, .name = "声音分组框", .left = 8, .top = 302, .width = 278, .height = 166,
           .flags = kFlagVisible, .properties = GroupBoxProperties{.caption = "声音"}},
          Option(麦克风复选框, "麦克风复选框", 声音分组框, 20, 98, "录制麦克风"),
          DeviceChoice(麦克风设备组合框, "麦克风设备组合框", 18),
          TextLabel(麦克风音量标签, "麦克风音量标签", 30, 44, 80, 声音分组框, "音量:"),
          LevelSlider(麦克风音量滑块, "麦克风音量滑块", 44),
          LevelPercent(麦克风音量值标签, "麦克风音量值标签", 44),
          TextLabel(麦克风电平标签, "麦克风电平标签", 30, 66, 80, 声音分组框, "电平:"),
          LevelBar(麦克风电平条, "麦克风电平条", 66),
          NoteLabel(麦克风原因标签, "麦克风原因标签", 30, 68, 236, 声音分组框, kGrey, ""),
          Option(电脑声音复选框, "电脑声音复选框", 声音分组框, 92, 254, "录制电脑声音"),
          TextLabel(电脑声音音量标签, "电脑声音音量标签", 30, 116, 80, 声音分组框, "音量:"),
          LevelSlider(电脑声音音量滑块, "电脑声音音量滑块", 116),
          LevelPercent(电脑声音音量值标签, "电脑声音音量值标签", 116),
          TextLabel(电脑声音电平标签, "电脑声音电平标签", 30, 138, 80, 声音分组框, "电平:"),
          LevelBar(电脑声音电平条, "电脑声音电平条", 138),
          NoteLabel(电脑声音原因标签, "电脑声音原因标签", 30, 140, 236, 声音分组框, kGrey, ""),
          {.id = 电平时钟, .name = "电平时钟", .events = {{TimerEvent::kTick, HandlerId::SoundLevelTick}},
           .properties = TimerProperties{.interval = kLevelBarInterval}},
          {.id = 确定按钮, .name = "确定按钮", .left = 142, .top = 476, .width = 64, .height = 20,
           .flags = kVisibleTabStop, .events = {{ButtonEvent::kClicked, HandlerId::ConfirmSettings}},
           .properties = ButtonProperties{.type = 1, .caption = "确定"}},
          {.id = 取消按钮, .name = "取消按钮", .left = 222, .top = 476, .width = 64, .height = 20,
           .flags = kVisibleTabStop, .events = {{ButtonEvent::kClicked, HandlerId::CancelSettings}},
           .properties = ButtonProperties{.caption = "取消"}},
      }};
}

}  // namespace SettingsWindow
