// ConvertToJpeg, Pack and Unpack on their own, without a window, so that they can be held
// against Debian's cjpeg, zip and unzip on the very same files (bench/run-benchmarks.sh runs
// those). Commands:
//   inputs FOLDER               writes FOLDER/desktop.bmp (a 1920x1080 desktop frame as the
//                               recorder captures it) and FOLDER/frames/1.jpg .. 100.jpg
//                               (1536x864 frames as a save at 80 percent makes them)
//   tojpeg SOURCE TARGET TIMES  ConvertToJpeg with the save's arguments, TIMES calls
//   pack FOLDER ARCHIVE TIMES   Pack without a listener, TIMES calls, the archive replaced
//   unpack ARCHIVE FOLDER TIMES Unpack into FOLDER, emptied before each call
// A timed command prints one "figures" line: the median, the smallest and the largest call in
// milliseconds, and the first call apart (its memory is all new).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_clock.h"
#include "bench/desktop_picture.h"
#include "components/imaging/imaging.h"
#include "components/services/file_bytes.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "components/zip/zip.h"

namespace {

constexpr int kSaveQuality = 80;
constexpr int kFrames = 100;

bool WriteInputs(const std::string& folder) {
  const std::string frames = folder + "/frames";
  CreateDirectoryW(Widen(frames).c_str(), nullptr);
  DesktopPicture desktop(1920, 1080);
  return WriteWholeFile(folder + "/desktop.bmp", desktop.Frame(1)) && WriteSavedFrames(frames, 1536, 864, kFrames);
}

// Runs `call` `times` times, with `prepare` untimed before each; false when a call failed.
bool Time(const char* name, int times, const std::function<void()>& prepare, const std::function<bool()>& call) {
  std::vector<double> durations;
  for (int round = 0; round < times; ++round) {
    prepare();
    const double start = NowMilliseconds();
    if (!call()) {
      std::printf("%s failed\n", name);
      return false;
    }
    durations.push_back(NowMilliseconds() - start);
  }
  const auto [fastest, slowest] = std::minmax_element(durations.begin(), durations.end());
  std::printf("figures %s_ms=%.2f %s_min_ms=%.2f %s_max_ms=%.2f %s_first_ms=%.2f\n", name, Median(durations), name,
              *fastest, name, *slowest, name, durations.front());
  return true;
}

void Nothing() {}

int Run(const std::vector<std::string>& args) {
  const std::string& command = args[0];
  if (command == "inputs" && args.size() == 2) return WriteInputs(args[1]) ? 0 : 1;
  if (args.size() != 4) return 2;
  const std::string& from = args[1];
  const std::string& to = args[2];
  const int times = std::atoi(args[3].c_str());
  if (times < 1) return 2;
  if (command == "tojpeg") {
    return Time("tojpeg", times, Nothing,
                [&] { return ConvertToJpeg(from, to, false, kSaveQuality, true, 0) == kJpegWritten; })
               ? 0
               : 1;
  }
  if (command == "pack") {
    return Time("pack", times, [&] { DeleteFileW(Widen(to).c_str()); },
                [&] { return Pack(nullptr, from, to) == kZipDone; })
               ? 0
               : 1;
  }
  if (command == "unpack") {
    return Time("unpack", times, [&] { RemoveFolderTree(to); }, [&] { return Unpack(nullptr, from, to) == kZipDone; })
               ? 0
               : 1;
  }
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(Narrow(argv[i]));
  if (args.empty()) return 2;
  return Run(args);
}
