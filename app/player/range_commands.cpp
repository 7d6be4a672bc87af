#include "app/player/range_commands.h"

#include "app/player/player_state.h"
#include "app/player/range_save.h"
#include "components/theme/gdi_drawing.h"
#include "controls/property_indexes.h"
#include "controls/property_value.h"
#include "forms/handler_id.h"
#include "forms/player_window.h"

SaveFramesRoutine SaveFrames = SaveFramesAs;

namespace {

using namespace PlayerWindow;


void SetMarks(RangeMarks marks) {
  PlayerMarks = marks;
  ShowRangeMarks();
}

void EnableItem(UnitId item, bool enabled) { WriteProperty({kId, item}, menu_item_property::kDisabled, enabled ? 0 : 1); }

// Greyed where an item cannot act: everything without a recording, 清除起止点 without a mark.
// A right click with the keyboard's menu key gives no point; the menu then opens at the mouse.
void ShowPictureMenu(EventRecord& event) {
  const bool open = RecordingOpen();
  EnableItem(菜单_设为起点, open);
  EnableItem(菜单_设为终点, open);
  EnableItem(菜单_清除起止点, open && PlayerMarks.Any());
  EnableItem(菜单_另存为, open);
  const int x = AsInt(event.arguments.at(0));
  const int y = AsInt(event.arguments.at(1));
  if (x == -1 && y == -1) {
    PopUpMenu({kId, 菜单});
  } else {
    PopUpMenu({kId, 菜单}, x, y);
  }
}

void MarkRangeStartCommand(EventRecord&) { MarkRangeStartHere(); }
void MarkRangeEndCommand(EventRecord&) { MarkRangeEndHere(); }
void ClearRangeMarksCommand(EventRecord&) { ClearRangeMarks(); }
void SaveRangeAsCommand(EventRecord&) { SaveMarkedRange(); }

}  // namespace

bool RecordingOpen() { return !ExtractionFolder.empty() && PlayerFrameCount > 0; }

void MarkRangeStartHere() {
  if (RecordingOpen() && ShownFrame > 0) SetMarks(WithStart(PlayerMarks, ShownFrame));
}

void MarkRangeEndHere() {
  if (RecordingOpen() && ShownFrame > 0) SetMarks(WithEnd(PlayerMarks, ShownFrame));
}

void ClearRangeMarks() { SetMarks({}); }

void SaveMarkedRange() {
  if (!RecordingOpen()) return;
  const FrameSpan frames = FramesToSave(PlayerMarks, PlayerFrameCount);
  SaveFrames(frames.first, frames.last);
}

// The bar's positions run with the frame numbers; frames first..last cover the positions from
// first - 1 to last.
void ShowRangeMarks() {
  if (!IsWindowLoaded(kId)) return;
  const FrameSpan marked = MarkedFrames(PlayerMarks, PlayerFrameCount);
  WriteProperty(kProgress, process_bar_property::kMarkColour, static_cast<int32_t>(ToColorRef(kHotOrange)));
  WriteProperty(kProgress, process_bar_property::kMarkedFrom, marked.first == 0 ? 0 : marked.first - 1);
  WriteProperty(kProgress, process_bar_property::kMarkedTo, marked.last);
}

void AddRangeHandlers(HandlerTable& handlers) {
  handlers.Bind(HandlerId::ShowPictureMenu, ShowPictureMenu);
  handlers.Bind(HandlerId::MarkRangeStart, MarkRangeStartCommand);
  handlers.Bind(HandlerId::MarkRangeEnd, MarkRangeEndCommand);
  handlers.Bind(HandlerId::ClearRangeMarks, ClearRangeMarksCommand);
  handlers.Bind(HandlerId::SaveRangeAs, SaveRangeAsCommand);
}
