#include "tools/drive/outside_program.h"

#include <cstdio>

#include "components/services/wide_text.h"
#include "tools/drive/outside_window.h"
#include "tools/drive/waiting.h"

namespace {
std::string driverName = "driver";
std::string problem;
}  // namespace

bool OutsideProgram::Start(const std::string& program, const std::wstring& argument) {
  process_.reset();
  recorder = status = nullptr;
  const std::wstring path = Widen(program);
  const std::wstring folder = path.substr(0, path.find_last_of(L"\\/"));
  std::wstring commandLine = L"\"" + path + L"\"";
  if (!argument.empty()) commandLine += L" \"" + argument + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &started))
    return Fail("velmo.exe could not be started from " + program);
  CloseHandle(started.hThread);
  process_.reset(started.hProcess);
  id_ = started.dwProcessId;
  return true;
}

bool OutsideProgram::RecorderShown() {
  recorder = Window(kFormClass, "Velmo屏幕录像器");
  if (!recorder) return Fail("RecorderWindow did not appear");
  WaitUntil([&] { return (status = FindChild(recorder, kLabelClass, "停止：")) != nullptr; });
  return status || Fail("RecorderWindow shows no status text 停止：");
}

HWND OutsideProgram::Window(const wchar_t* windowClass, const std::string& caption, HWND owner) const {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopWindow(id_, windowClass, caption, owner)) != nullptr; });
  return found;
}

bool OutsideProgram::Ended() const { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }

void OutsideProgram::Kill(UINT exitCode) const {
  if (!process_) return;
  TerminateProcess(process_.get(), exitCode);
  WaitForSingleObject(process_.get(), 5000);
}

void SetDriverName(const std::string& name) { driverName = name; }

void Say(const std::string& line) {
  std::fputs((driverName + ": " + line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

bool Fail(const std::string& what) {
  problem = what;
  return false;
}

const std::string& Problem() { return problem; }
