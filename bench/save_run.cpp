#include "bench/save_run.h"

#include <windows.h>

#include "app/recorder/recorder_state.h"
#include "app/recording/recording_file.h"
#include "bench/bench_clock.h"
#include "bench/bench_program.h"
#include "bench/desktop_picture.h"
#include "components/services/file_bytes.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "controls/runtime_state.h"
#include "controls/property_indexes.h"
#include "forms/handler_id.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"

namespace {

using namespace SaveDialog;

TimedSave* running = nullptr;
bool packing = false;
HandlerRoutine programPackProgress = nullptr;

// The save handles pending messages after every frame and every packing step, so this thread
// timer fires once at each of them (a frame takes longer than the timer's 10 ms).
void CALLBACK TakeSample(HWND, UINT, UINT_PTR, DWORD) {
  if (!running || !IsWindowLoaded(kId)) return;
  const int position = ReadInt(kProgress, process_bar_property::kPosition);
  std::vector<SaveSample>& samples = running->samples;
  if (!samples.empty() && samples.back().packing == packing && samples.back().position == position) return;
  samples.push_back({packing, position, NowMilliseconds(), CurrentProcessMemory()});
}

// Wraps the program's own PackProgress handler, which it still runs unchanged.
void TimedPackProgress(EventRecord& event) {
  packing = true;
  programPackProgress(event);
  running->lastPackProgress = NowMilliseconds();
}

HandlerRoutine& PackProgressSlot() { return Runtime().handlers.routines[static_cast<int>(HandlerId::PackProgress)]; }

}  // namespace

bool PrepareTake(int frames) {
  if (!LoadWindow(RecorderWindow::kId, 0, false)) return false;
  const ScreenSize screen = PrimaryScreenSize();
  CreateDirectoryW(Widen(FrameFolder).c_str(), nullptr);
  FrameCount = frames;
  return WriteDesktopFrames(FrameFolder, screen.width, screen.height, frames);
}

double TimedSave::ConversionEnded() const {
  double ended = clicked;
  for (const SaveSample& sample : samples) {
    if (!sample.packing) ended = sample.at;
  }
  return ended;
}

const SaveSample* TimedSave::AfterFrame(int frame) const {
  for (const SaveSample& sample : samples) {
    if (!sample.packing && sample.position == frame) return &sample;
  }
  return nullptr;
}

bool SaveSucceeded(const TimedSave& save) { return save.message.find("保存成功") != std::string::npos; }

TimedSave TimeSave(const std::string& target, int formatItem) {
  TimedSave save;
  running = &save;
  packing = false;
  programPackProgress = PackProgressSlot();
  PackProgressSlot() = TimedPackProgress;
  AnswerFileDialogsWith(target);
  const size_t messagesBefore = ShownMessages().size();
  RunInsideModal(kId, [&save, formatItem] {
    WriteProperty({kId, 组合框}, combo_box_property::kCurrentItem, formatItem);
    const UINT_PTR sampler = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, TakeSample);
    save.clicked = NowMilliseconds();
    ClickButton({kId, 保存按钮});
    KillTimer(nullptr, sampler);
  });
  save.gone = NowMilliseconds();
  save.answered = LastFileDialogAnswer();
  PackProgressSlot() = programPackProgress;
  running = nullptr;
  if (ShownMessages().size() > messagesBefore) {
    save.message = ShownMessages().back().text;
    save.messageShown = ShownMessages().back().at;
  }
  return save;
}

std::vector<double> RescaleTakeInto(const std::string& folder, int frames) {
  std::vector<double> times;
  CreateDirectoryW(Widen(folder).c_str(), nullptr);
  RunInsideModal(kId, [&] {
    PropertyValue captured = ByteString{};
    ByteString rescaled;
    for (int frame = 1; frame <= frames; ++frame) {
      const double start = NowMilliseconds();
      ReadWholeFileInto(CapturedFramePath(FrameFolder, frame), std::get<ByteString>(captured));
      WriteProperty(kCanvas, draw_panel_property::kBackPicture, captured);
      TakePanelPicture(kCanvas, rescaled);
      WriteWholeFile(CapturedFramePath(folder, frame), rescaled);
      times.push_back(NowMilliseconds() - start);
    }
    DestroyWindow(kId);
  });
  return times;
}
