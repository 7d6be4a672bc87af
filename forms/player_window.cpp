#include "forms/player_window.h"

#include "controls/event_index.h"
#include "controls/font_record.h"
#include "controls/unit_builders.h"
#include "forms/handler_id.h"

namespace PlayerWindow {

namespace {

constexpr Colour kBlack = 0x000000;

// The playback buttons use 宋体 at 12 pixels; the face is written in code page 936.
ButtonProperties SongTiButton(const char* caption) {
  return {.font = FontRecord(-12, 400, kGb2312CharSet, "\xCB\xCE\xCC\xE5"), .caption = caption};
}

}  // namespace

FormDefinition Definition() {
  return {
      .id = kId,
      .units = {
          {.id = kId, .left = 50, .top = 50, .width = 389, .height = 259, .flags = kFlagVisible,
           .events = {{WindowEvent::kCreated, HandlerId::PlayerCreated},
                      {WindowEvent::kAboutToBeDestroyed, HandlerId::PlayerAboutToBeDestroyed},
                      {WindowEvent::kKeyDown, HandlerId::PlayerKeyDown}},
           .properties = WindowProperties{.maximiseButton = 0, .position = 1, .escCloses = 0,
                                          .caption = "Velmo专用播放器"}},
          {.id = 进度条1, .name = "进度条1", .left = 7, .top = 186, .width = 281, .height = 12, .flags = kFlagVisible,
           .events = {{ProcessBarEvent::kPointerDown, HandlerId::SeekOnProgressBar},
                      {ProcessBarEvent::kPointerMove, HandlerId::SeekOnProgressBar}},
           .properties = ProcessBarProperties{}},
          {.id = 按钮2, .name = "按钮2", .left = 324, .top = 204, .width = 54, .height = 20, .flags = kVisibleTabStop,
           .events = {{ButtonEvent::kClicked, HandlerId::ShowAbout}}, .properties = ButtonProperties{.caption = "说明"}},
          {.id = 按钮1, .name = "按钮1", .left = 4, .top = 204, .width = 54, .height = 20, .flags = kVisibleTabStop,
           .events = {{ButtonEvent::kClicked, HandlerId::OpenRecording}},
           .properties = ButtonProperties{.caption = "打开"}},
          {.id = ZIP压缩, .name = "ZIP压缩", .left = 40, .top = 8, .width = 24, .height = 24, .container = 画板,
           .properties = ZipComponentProperties{}},
          {.id = 通用对话框, .name = "通用对话框", .left = 8, .top = 8, .width = 26, .height = 26, .container = 画板,
           .properties = CommonDlgProperties{.dialogType = 0, .initialFilterIndex = 2, .createPrompt = 0,
                                             .fileMustExist = 1, .overwritePrompt = 1, .pathMustExist = 1,
                                             .keepCurrentFolder = 0,
                                             .filter = std::string(kRecordingFilter) + "|所有文件 (*.*)|*.*"}},
          {.id = 时钟, .name = "时钟", .left = 72, .top = 8, .width = 24, .height = 24, .container = 画板,
           .events = {{TimerEvent::kTick, HandlerId::PlaybackTick}}, .properties = TimerProperties{.interval = 0}},
          {.id = 画板, .name = "画板", .left = 1, .top = 0, .width = 383, .height = 184, .flags = kFlagVisible,
           .events = {{DrawPanelEvent::kContextMenu, HandlerId::ShowPictureMenu}},
           .properties = DrawPanelProperties{.border = 1, .backColour = kBlack, .pictureMode = 2, .autoRedraw = 0}},
          // Enabled once a recording with sound is open; wide enough for "取消静音".
          {.id = 静音按钮, .name = "静音按钮", .left = 252, .top = 204, .width = 64, .height = 20,
           .flags = kDisabledTabStop, .events = {{ButtonEvent::kClicked, HandlerId::ToggleMute}},
           .properties = SongTiButton("静音")},
          {.id = 终止按钮, .name = "终止按钮", .left = 191, .top = 204, .width = 54, .height = 20,
           .flags = kDisabledTabStop, .events = {{ButtonEvent::kClicked, HandlerId::StopPlayback}},
           .properties = SongTiButton("停止")},
          {.id = 暂停按钮, .name = "暂停按钮", .left = 128, .top = 204, .width = 54, .height = 20,
           .flags = kDisabledTabStop, .events = {{ButtonEvent::kClicked, HandlerId::PausePlayback}},
           .properties = SongTiButton("暂停")},
          {.id = 播放按钮, .name = "播放按钮", .left = 66, .top = 204, .width = 54, .height = 20,
           .flags = kDisabledTabStop, .events = {{ButtonEvent::kClicked, HandlerId::StartPlayback}},
           .properties = SongTiButton("播放")},
          // Stored below the client area; the player's layout moves it into view.
          {.id = 标签2, .name = "标签2", .left = 128, .top = 300, .width = 58, .height = 16, .flags = kFlagVisible,
           .properties = LabelProperties{.border = 3, .caption = "规格:"}},
          {.id = 标签1, .name = "标签1", .left = 291, .top = 184, .width = 88, .height = 16, .flags = kFlagVisible,
           .properties = LabelProperties{.border = 3, .caption = "时长:0/0秒"}},
          MenuItem(菜单, 0, kMenuHidden, "菜单", HandlerId::None),
          MenuItem(菜单_设为起点, 1, 0, "设为起点(I)", HandlerId::MarkRangeStart),
          MenuItem(菜单_设为终点, 1, 0, "设为终点(O)", HandlerId::MarkRangeEnd),
          MenuItem(菜单_清除起止点, 1, 0, "清除起止点", HandlerId::ClearRangeMarks),
          MenuItem(菜单_另存为, 1, 0, "另存为…(Ctrl+S)", HandlerId::SaveRangeAs),
      }};
}

}  // namespace PlayerWindow
