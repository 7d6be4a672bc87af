// vmrctool: the recording components on the command line, called exactly as the program calls
// them, so that tests and benchmarks can hold them against other tools. Each command prints the
// component's result code; the exit status is 0 when that code is 1, else 1.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/recording/recording_file.h"
#include "components/imaging/imaging.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "components/services/win_handle.h"
#include "components/zip/zip.h"
#include "tools/vmrctool/export_recording.h"

namespace {

using Arguments = std::vector<std::string>;

int RunPack(const Arguments& args) { return Pack(nullptr, args[0], args[1]); }

int RunUnpack(const Arguments& args) { return Unpack(nullptr, args[0], args[1]); }

// The save pipeline's arguments: colour, optimised Huffman coding, no smoothing.
int RunToJpeg(const Arguments& args) {
  int quality = args.size() > 2 ? std::atoi(args[2].c_str()) : 80;
  return ConvertToJpeg(args[0], args[1], false, quality, true, 0);
}

// Prints the files below `folder` with their sizes, as paths relative to `root`.
void PrintFiles(const std::string& root, const std::string& folder) {
  WIN32_FIND_DATAW found;
  FindHandle find(FindFirstFileW(Widen(folder + "\\*").c_str(), &found));
  if (!find) return;
  do {
    std::string name = Narrow(found.cFileName);
    if (name == "." || name == "..") continue;
    std::string path = folder + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      PrintFiles(root, path);
    } else {
      unsigned long long size = (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
      std::printf("%12llu  %s\n", size, path.substr(root.size() + 1).c_str());
    }
  } while (FindNextFileW(find.get(), &found));
}

// Unpacks the recording into a fresh folder as the player does, lists what came out and the
// frame count the player would find, then removes the folder again.
int RunList(const Arguments& args) {
  std::string folder = SpecialFolderPath(kTemporaryFolder) + "vmrctool-list-" + std::to_string(GetCurrentProcessId());
  int result = Unpack(nullptr, args[0], folder);
  PrintFiles(folder, folder);
  std::printf("frames: %d\n", CountFrameFiles(folder));
  RemoveOwnFolderTree(folder);
  return result;
}

// The quality of the MP4 or GIF, 80 by default as in the program.
int RunExport(const Arguments& args) {
  int quality = args.size() > 2 ? std::atoi(args[2].c_str()) : 80;
  return ExportRecording(args[0], args[1], quality);
}

struct Command {
  const char* name;
  size_t minArguments;
  size_t maxArguments;
  const char* usage;
  int (*run)(const Arguments&);
};

const Command kCommands[] = {
    {"pack", 2, 2, "pack FOLDER ARCHIVE", RunPack},
    {"unpack", 2, 2, "unpack ARCHIVE FOLDER", RunUnpack},
    {"tojpeg", 2, 3, "tojpeg SOURCE TARGET [QUALITY]", RunToJpeg},
    {"list", 1, 1, "list ARCHIVE", RunList},
    {"export", 2, 3, "export RECORDING OUT.mp4|OUT.gif [QUALITY]", RunExport},
};

int PrintUsage() {
  std::fputs("usage:\n", stderr);
  for (const Command& command : kCommands) std::fprintf(stderr, "  vmrctool %s\n", command.usage);
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  UseSafeDllSearch();
  if (argc < 2) return PrintUsage();
  std::string name = Narrow(argv[1]);
  Arguments args;
  for (int i = 2; i < argc; ++i) args.push_back(Narrow(argv[i]));
  for (const Command& command : kCommands) {
    if (name != command.name) continue;
    if (args.size() < command.minArguments || args.size() > command.maxArguments) return PrintUsage();
    int result = command.run(args);
    std::printf("%d\n", result);
    return result == 1 ? 0 : 1;
  }
  return PrintUsage();
}
