#include "tests/support/sound_server.h"

#include <windows.h>

#include "tests/support/linux_program.h"

bool RunPactl(const std::string& arguments) {
  std::vector<std::string> command{"/usr/bin/pactl"};
  size_t from = 0;
  while (from < arguments.size()) {
    const size_t space = arguments.find(' ', from);
    const size_t end = space == std::string::npos ? arguments.size() : space;
    if (end > from) command.push_back(arguments.substr(from, end - from));
    from = end + 1;
  }
  return RunLinuxProgram(command, 20).status == 0;
}

bool MuteSine(bool muted) { return RunPactl(std::string("set-source-mute velmo_mic.monitor ") + (muted ? "1" : "0")); }

void UnmuteSineNow() {
  wchar_t command[] = L"/usr/bin/pactl set-source-mute velmo_mic.monitor 0";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(L"/usr/bin/pactl", command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}
