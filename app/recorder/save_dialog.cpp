// SaveDialog: the quality slider and its label, the size of the hidden canvas, cancel, the
// packing progress and the rule that the dialog stays open while a save runs.
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/rescaled_frame_size.h"
#include "app/recorder/save_messages.h"
#include "app/recorder/save_pipeline.h"
#include "app/recorder/take_owner.h"
#include "components/services/number_text.h"
#include "controls/property_indexes.h"
#include "forms/handler_id.h"
#include "forms/save_dialog.h"

namespace {

using namespace SaveDialog;

constexpr UnitAddress kSlider{kId, 滑块条};
constexpr UnitAddress kQualityLabel{kId, 品质标签};
constexpr double kPercentPerStep = 20.0;

// Height first, then width.
void SizeCanvasToQuality() {
  const FrameSize canvas = SaveCanvasSize(QualityPercent);
  WriteProperty(kCanvas, common_property::kHeight, canvas.height);
  WriteProperty(kCanvas, common_property::kWidth, canvas.width);
}

void SaveDialogCreated(EventRecord&) {
  WriteProperty(kSlider, slider_bar_property::kPosition, static_cast<int32_t>(QualityPercent / kPercentPerStep));
  WriteProperty(kQualityLabel, label_property::kCaption, IntegerText(QualityPercent) + "%");
  SizeCanvasToQuality();
}

void QualityChanged(EventRecord&) {
  const double percent = ReadInt(kSlider, slider_bar_property::kPosition) * kPercentPerStep;
  WriteProperty(kQualityLabel, label_property::kCaption, DecimalText(percent) + "%");
  QualityPercent = static_cast<int>(percent);
  SizeCanvasToQuality();
}

void CancelSave(EventRecord&) {
  if (TakeCommandAllowed(TakeCommand::CloseSaveDialog)) DestroyWindow(kId);
}

// Packing is never cancelled: the handler gives no answer back.
void PackProgress(EventRecord& event) {
  const int percent = std::get<int32_t>(event.arguments.at(0));
  WriteProperty(kProgress, process_bar_property::kPosition, percent);
  WriteProperty(kHint, label_property::kCaption, PackingProgressText(percent));
  ProcessPendingEvents();
}

// Esc and the close box are refused until the save steps have ended, so they never address
// the controls of a dialog that is gone.
void SaveDialogQueryClose(EventRecord& event) {
  if (!TakeCommandAllowed(TakeCommand::CloseSaveDialog)) event.result = int32_t{0};
}

}  // namespace

// The take's frames shrunk, in the physical pixels they are taken in.
FrameSize SaveCanvasSize(int qualityPercent) {
  const ScreenSize frames = TakeFrameSize();
  return RescaledFrameSize(frames.width, frames.height, qualityPercent);
}

void RunSaveDialog() {
  const TakeHold hold(TakeHolder::SaveDialog);
  LoadWindow(kId, 0, true);
}

void AddSaveDialogHandlers(HandlerTable& handlers) {
  handlers.Bind(HandlerId::SaveDialogCreated, SaveDialogCreated);
  handlers.Bind(HandlerId::QualityChanged, QualityChanged);
  handlers.Bind(HandlerId::CancelSave, CancelSave);
  handlers.Bind(HandlerId::SaveRecording, SaveRecording);
  handlers.Bind(HandlerId::PackProgress, PackProgress);
  handlers.Bind(HandlerId::SaveDialogQueryClose, SaveDialogQueryClose);
}
