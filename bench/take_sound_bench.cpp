// What sound costs a take, and how far picture and sound stray. The processor time of the
// program's own takes (StartTake, 时钟1, StopRecording) of the still 1280x720 region at 10 a
// second, each as long, without sound and with the microphone (the run's own PulseAudio sine):
// the difference a second is the sound's share. Then the largest offset between where a sound
// sample lands in the take and when it was heard, over ten-minute takes of a device whose clock
// runs true, 0.1 % fast and 0.1 % slow (bench/sound_device_model.h: the aligner in simulated
// time, packets up to 8 ms late and a 60 ms stall every five seconds), with what it corrected.
// Prints "figures" lines; an optional argument gives each real take's seconds (20 unless set).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/settings/settings.h"
#include "bench/bench_clock.h"
#include "bench/bench_program.h"
#include "bench/sound_device_model.h"
#include "components/services/services.h"
#include "forms/recorder_window.h"

namespace {

// The processor's share (percent of one core) of a take of `seconds`.
double TakeProcessorPercent(bool microphone, double seconds) {
  Settings settings = CurrentSettings();
  settings.captureChoice = CaptureChoice::Region;
  settings.captureArea = {0, 0, 1280, 720};
  settings.recordMicrophone = microphone;
  SetCurrentSettings(settings);
  const double before = ProcessorMilliseconds();
  StartTake();
  RunMessageLoopFor(seconds * 1000);
  StopRecording();
  const double used = (ProcessorMilliseconds() - before) / 1000;
  RemoveFolderTree(FrameFolder);
  return 100 * used / seconds;
}

void MeasureOffsets(const char* name, double clockRatio) {
  const RunOutcome outcome = RunSimulatedDevice({clockRatio, 600, -1, 0, 5});
  std::printf("figures sound_offset_%s_worst_ms=%.1f sound_offset_%s_corrected_ms=%.0f sound_offset_%s_length_s=%.3f\n", name,
              outcome.worstOffsetMs, name, outcome.corrected * 1000.0 / kModelRate, name,
              static_cast<double>(outcome.written) / kModelRate);
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 20;
  RunInBenchProgram([seconds] {
    if (!LoadWindow(RecorderWindow::kId, 0, false)) return;
    const double silent = TakeProcessorPercent(false, seconds);
    const double withSound = TakeProcessorPercent(true, seconds);
    std::printf("figures sound_cpu_silent_percent=%.2f sound_cpu_microphone_percent=%.2f sound_cpu_cost_percent=%.2f\n",
                silent, withSound, withSound - silent);
  });
  MeasureOffsets("true", 1.0);
  MeasureOffsets("fast", 1.001);
  MeasureOffsets("slow", 0.999);
  std::fflush(stdout);
  return 0;
}
