#include "forms/save_dialog.h"

#include "controls/event_index.h"
#include "controls/unit_builders.h"
#include "forms/handler_id.h"
#include "forms/save_formats.h"

namespace SaveDialog {

namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlue = 0xFF0000;

// 组合框 offers the formats of the one format table, in its order.
std::vector<std::string> FormatItems() {
  std::vector<std::string> items;
  for (int index = 0; index < SaveFormatCount(); ++index) items.emplace_back(SaveFormatAt(index).item);
  return items;
}

}  // namespace

FormDefinition Definition() {
  return {
      .id = kId,
      .units = {
          {.id = kId, .left = 50, .top = 50, .width = 317, .height = 184, .flags = kFlagVisible,
           .events = {{WindowEvent::kCreated, HandlerId::SaveDialogCreated},
                      {WindowEvent::kQueryClose, HandlerId::SaveDialogQueryClose}},
           .properties = WindowProperties{.maximiseButton = 0, .minimiseButton = 0, .position = 1, .escCloses = 1,
                                          .caption = "保存设置"}},
          {.id = 取消按钮, .name = "取消按钮", .left = 232, .top = 128, .width = 64, .height = 20,
           .flags = kVisibleTabStop, .events = {{ButtonEvent::kClicked, HandlerId::CancelSave}},
           .properties = ButtonProperties{.caption = "取消"}},
          {.id = 保存按钮, .name = "保存按钮", .left = 152, .top = 128, .width = 64, .height = 20,
           .flags = kVisibleTabStop, .events = {{ButtonEvent::kClicked, HandlerId::SaveRecording}},
           .properties = ButtonProperties{.type = 1, .caption = "保存"}},
          {.id = 组合框, .name = "组合框", .left = 64, .top = 128, .width = 80, .height = 20, .flags = kVisibleTabStop,
           .properties = ComboBoxProperties{.type = 2, .sorted = 0, .extraRowSpacing = 1, .backColour = kWhite,
                                            .currentItem = 0, .items = FormatItems()}},
          {.id = 标签5, .name = "标签5", .left = 8, .top = 128, .width = 64, .height = 24, .flags = kFlagVisible,
           .properties = LabelProperties{.border = 0, .caption = "保存格式："}},
          // No stored data: the kind's defaults.
          {.id = 进度条, .name = "进度条", .left = 8, .top = 104, .width = 296, .height = 16, .flags = kFlagVisible,
           .properties = ProcessBarProperties{}},
          {.id = 提示标签, .name = "提示标签", .left = 8, .top = 84, .width = 296, .height = 16, .flags = kFlagVisible,
           .properties = LabelProperties{.border = 0}},
          // Hidden and outside the client area: the save rescales frames through it.
          {.id = 隐藏画板, .name = "隐藏画板", .left = 464, .top = 200, .width = 24, .height = 24,
           .properties = DrawPanelProperties{.border = 0, .backColour = kWhite, .pictureMode = 2, .autoRedraw = 1,
                                             .penType = 1, .rasterOperation = 12, .brushType = 1,
                                             .brushColour = kWhite}},
          {.id = 通用对话框, .name = "通用对话框", .left = 344, .top = 136, .width = 26, .height = 26,
           .properties = CommonDlgProperties{.dialogType = 1, .initialFilterIndex = 1, .createPrompt = 0,
                                             .fileMustExist = 1, .overwritePrompt = 1, .pathMustExist = 1,
                                             .keepCurrentFolder = 0, .filter = "Velmo录屏文件(*.vmrc)|*.vmrc",
                                             .defaultExtension = "vmrc"}},
          {.id = ZIP压缩, .name = "ZIP压缩", .left = 408, .top = 120, .width = 26, .height = 26,
           .events = {{ZipComponentEvent::kPackProgress, HandlerId::PackProgress}},
           .properties = ZipComponentProperties{}},
          {.id = 分组框, .name = "分组框", .left = 8, .top = 8, .width = 296, .height = 72, .flags = kFlagVisible,
           .properties = GroupBoxProperties{.caption = "设置"}},
          {.id = 品质标签, .name = "品质标签", .left = 80, .top = 24, .width = 32, .height = 24, .container = 分组框,
           .flags = kFlagVisible,
           .properties = LabelProperties{.border = 1, .textColour = kBlue, .horizontalAlignment = 2, .caption = "100%"}},
          {.id = 标签1, .name = "标签1", .left = 16, .top = 24, .width = 64, .height = 24, .container = 分组框,
           .flags = kFlagVisible, .properties = LabelProperties{.border = 0, .caption = "生成品质:"}},
          // Stored position 0 lies below the range; the slider shows 1 until it is moved or written.
          {.id = 滑块条, .name = "滑块条", .left = 128, .top = 24, .width = 152, .height = 24, .container = 分组框,
           .flags = kVisibleTabStop, .events = {{SliderBarEvent::kPositionChanged, HandlerId::QualityChanged}},
           .properties = SliderBarProperties{.border = 2, .vertical = 0, .tickMarks = 2, .tickFrequency = 1,
                                             .selectionEnabled = 0, .pageSize = 1, .lineSize = 1, .minimum = 1,
                                             .maximum = 5, .position = 0}},
      }};
}

}  // namespace SaveDialog
