#include "tests/support/linux_program.h"

#include <windows.h>

#include "components/services/wide_text.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

std::string UnixPath(const std::string& windowsPath) {
  using ToUnix = char*(__cdecl*)(const wchar_t*);
  const auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  char* path = toUnix ? toUnix(Widen(windowsPath).c_str()) : nullptr;
  if (!path) return {};
  std::string unix(path);
  HeapFree(GetProcessHeap(), 0, path);
  return unix;
}

LinuxRun RunLinuxProgram(const std::vector<std::string>& arguments, int seconds) {
  TempFolder folder;
  const std::string place = UnixPath(folder.path());
  std::string script = "cd '" + place + "' || exit\n";
  // Each argument between '', a ' inside closing them, coming escaped and opening them again.
  for (std::string argument : arguments) {
    for (size_t at = 0; (at = argument.find('\'', at)) != std::string::npos; at += 4) argument.replace(at, 1, "'\\''");
    script += "'" + argument + "' ";
  }
  script += ">output\necho $? >status.part && mv status.part status\n";
  std::wstring command = Widen("/bin/sh \"" + place + "/run.sh\"");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LinuxRun run;
  if (place.empty() || !WriteText(folder / "run.sh", script) ||
      !CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return run;
  // Handles to no process that can be waited for, closed as any would be.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  for (int waited = 0; waited < seconds * 50 && !FileExists(folder / "status"); ++waited) Sleep(20);
  const Bytes status = ReadBytes(folder / "status");
  const Bytes output = ReadBytes(folder / "output");
  if (!status.empty()) run.status = std::stoi(std::string(status.begin(), status.end()));
  run.output.assign(output.begin(), output.end());
  return run;
}
