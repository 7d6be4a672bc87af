// Debian's own programs (ffprobe, ffmpeg) run from a test under Wine, as peers reading what the
// program wrote. Wine starts a Linux program from CreateProcessW but gives no handle to wait on,
// so it runs under /bin/sh, which writes its output, then its exit status, into a folder of the
// call's own; the call waits for the status.
#pragma once
#include <string>
#include <vector>

struct LinuxRun {
  int status = -1;     // the program's exit status; -1 when it did not end in the time allowed
  std::string output;  // what it printed on its standard output
};

// Runs `arguments`, the program's path first (the test's files by their UnixPath), and waits at
// most `seconds` for it to end.
LinuxRun RunLinuxProgram(const std::vector<std::string>& arguments, int seconds = 120);

// The Linux path of a Windows path, as Wine maps it; empty when there is none.
std::string UnixPath(const std::string& windowsPath);
