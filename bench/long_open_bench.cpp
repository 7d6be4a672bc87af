// Opening an hour's recording (36,000 small frames) in the real PlayerWindow, and the platform's
// floor for writing that many files. Commands:
//   open RECORDING         opens it with 按钮1 as the user would and lets the playback clock run:
//                          when the open returned, when frame 1 was on the panel, when the
//                          unpack ended, the frames played by then, the longest the window's
//                          message loop was kept from its messages, and how long the folder
//                          took to go once the window closed
//   floor FOLDER COUNT     a bare loop that creates 1.jpg .. COUNT.jpg in FOLDER, 1 KB each, as
//                          an extractor must (create, write, close): the whole time and the cost
//                          of a file among the first and the last thousand
// Each prints one "figures" line for bench/run-benchmarks.sh.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/player/player_handlers.h"
#include "app/player/player_state.h"
#include "bench/bench_clock.h"
#include "bench/bench_program.h"
#include "components/services/wide_text.h"
#include "components/services/win_handle.h"
#include "controls/runtime.h"
#include "forms/player_window.h"

namespace {

using namespace PlayerWindow;

constexpr int kFirstAndLast = 1000;

struct OpenTimes {
  double opened = 0, firstFrame = 0, unpacked = 0, longestStall = 0, removed = 0;
  int played = 0;
};

// Handles messages as the main loop would until the unpack has ended and its end is shown,
// timing every turn of the loop.
void PumpUntilUnpacked(double start, OpenTimes& times) {
  while (!PlayerUnpack.Over()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    const double turn = NowMilliseconds();
    ProcessPendingEvents();
    times.longestStall = std::max(times.longestStall, NowMilliseconds() - turn);
    if (times.firstFrame == 0 && NextFrame > 1) times.firstFrame = NowMilliseconds() - start;
  }
  times.unpacked = NowMilliseconds() - start;
  times.played = NextFrame - 1;
}

OpenTimes TimeOpen(const std::string& recording) {
  OpenTimes times;
  if (!LoadWindow(kId, 0, false)) return times;
  AnswerFileDialogsWith(recording);
  const double start = NowMilliseconds();
  ClickButton({kId, 按钮1});
  times.opened = NowMilliseconds() - start;
  PumpUntilUnpacked(start, times);
  const int frames = PlayerFrameCount;
  const double closing = NowMilliseconds();
  DestroyWindow(kId, true);
  AwaitRecordingUnpacked();
  times.removed = NowMilliseconds() - closing;
  std::printf("figures long_frames=%d long_open_ms=%.1f long_first_frame_ms=%.1f long_unpack_ms=%.0f "
              "long_stall_ms=%.1f long_played=%d long_remove_ms=%.0f\n",
              frames, times.opened, times.firstFrame, times.unpacked, times.longestStall, times.played, times.removed);
  return times;
}

bool WriteFloorFile(const std::wstring& path, const std::vector<char>& bytes) {
  const FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file && WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

int MeasureFloor(const std::string& folder, int count) {
  const std::wstring base = Widen(folder) + L"\\";
  CreateDirectoryW(base.c_str(), nullptr);
  const std::vector<char> bytes(1024, 'f');
  const double start = NowMilliseconds();
  double firstEnd = 0, lastStart = 0;
  for (int n = 1; n <= count; ++n) {
    if (n == count - kFirstAndLast + 1) lastStart = NowMilliseconds();
    if (!WriteFloorFile(base + std::to_wstring(n) + L".jpg", bytes)) return 1;
    if (n == kFirstAndLast) firstEnd = NowMilliseconds();
  }
  const double end = NowMilliseconds();
  std::printf("figures floor_files=%d floor_ms=%.0f floor_first_file_ms=%.3f floor_last_file_ms=%.3f\n", count,
              end - start, (firstEnd - start) / kFirstAndLast, (end - lastStart) / kFirstAndLast);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "open") {
    int result = 1;
    RunInBenchProgram([&] { result = TimeOpen(args[1]).unpacked > 0 ? 0 : 1; });
    return result;
  }
  if (args.size() == 3 && args[0] == "floor") return MeasureFloor(args[1], std::atoi(args[2].c_str()));
  std::printf("usage: long_open_bench open RECORDING | floor FOLDER COUNT\n");
  return 2;
}
