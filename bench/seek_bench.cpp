// The time from a seek to its frame on the screen, in the real PlayerWindow: a recording opened
// with 按钮1 as the user would and paused, then clicks on 进度条1 at points far apart, each to a
// frame the unpack has not reached when the recording is still being unpacked. Command:
//   RECORDING LABEL [wait]   with "wait", the seeks begin once the whole recording is unpacked
// It prints one "figures" line for bench/run-benchmarks.sh: LABEL_seek_ms (the median seek),
// LABEL_seek_worst_ms and LABEL_seeks.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/player/player_handlers.h"
#include "app/player/player_state.h"
#include "bench/bench_clock.h"
#include "bench/bench_program.h"
#include "controls/event_delivery.h"
#include "controls/event_index.h"
#include "controls/property_indexes.h"
#include "forms/player_window.h"

namespace {

using namespace PlayerWindow;

// Where the clicks land along the bar's track: far ahead, back, between, far back, ahead again.
constexpr double kClickPoints[] = {0.9, 0.6, 0.75, 0.3, 0.95, 0.45};
constexpr double kLongestWaitMilliseconds = 30000;

// A click at `fraction` of the track: the time until the frame it shows has been drawn on 画板,
// or a negative time when it never was.
double TimeSeek(double fraction, int trackWidth) {
  const double start = NowMilliseconds();
  RaiseEvent(kId, 进度条1, ProcessBarEvent::kPointerDown,
             {int32_t{static_cast<int32_t>(fraction * trackWidth)}, int32_t{trackWidth}});
  const int target = ShownFrame;
  while (NextFrame != target + 1) {
    if (NowMilliseconds() - start > kLongestWaitMilliseconds) return -1;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    ProcessPendingEvents();
  }
  ProcessPendingEvents();
  return NowMilliseconds() - start;
}

int TimeSeeks(const std::string& recording, const std::string& label, bool waitForUnpack) {
  if (!LoadWindow(kId, 0, false)) return 1;
  AnswerFileDialogsWith(recording);
  ClickButton({kId, 按钮1});
  if (waitForUnpack) AwaitRecordingUnpacked();
  ClickButton({kId, 暂停按钮});
  // The bar's thin sunken border and the system bar's own frame take a pixel on each side.
  const int trackWidth = std::max(1, ReadInt({kId, 进度条1}, common_property::kWidth) - 4);
  std::vector<double> times;
  for (double fraction : kClickPoints) times.push_back(TimeSeek(fraction, trackWidth));
  const bool allShown = std::none_of(times.begin(), times.end(), [](double t) { return t < 0; });
  std::printf("figures %s_seek_ms=%.1f %s_seek_worst_ms=%.1f %s_seeks=%zu\n", label.c_str(), Median(times),
              label.c_str(), *std::max_element(times.begin(), times.end()), label.c_str(), times.size());
  DestroyWindow(kId, true);
  AwaitRecordingUnpacked();
  return allShown ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() < 2 || args.size() > 3 || (args.size() == 3 && args[2] != "wait")) {
    std::printf("usage: seek_bench RECORDING LABEL [wait]\n");
    return 2;
  }
  int result = 1;
  RunInBenchProgram([&] { result = TimeSeeks(args[0], args[1], args.size() == 3); });
  return result;
}
