// write_recorder_icon FILE: writes the bytes of RecorderIconFile() to FILE. Plain C++ with no
// Windows header, so the build compiles it for the build machine and runs it to make the icon
// that the resource script embeds, and the tests compile it for Windows to check that icon.
#include <fstream>
#include <iostream>

#include "forms/recorder_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: write_recorder_icon FILE\n";
    return 2;
  }
  const ByteString icon = RecorderIconFile();
  std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(icon.data()), static_cast<std::streamsize>(icon.size()));
  file.close();
  if (!file) {
    std::cerr << "write_recorder_icon: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
