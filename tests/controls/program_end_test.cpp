// Behaviour that ends the program, run in a child process: fatal runtime errors end it with
// exit code -1 after their message, and the program ends with 0 when its last window closes.
#include <gtest/gtest.h>
#include <windows.h>

#include "components/services/wide_text.h"
#include "components/services/win_handle.h"
#include "controls/fatal_error.h"
#include "tests/controls/failing_allocation.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {
struct HostRun {
  DWORD exitCode;
  std::string report;
};

std::wstring HostPath() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"runtime_host.exe";
}

HostRun RunHost(const std::string& scenario) {
  TempFolder folder;
  const std::string report = folder / "report.txt";
  std::wstring command = L"\"" + HostPath() + L"\" " + Widen(scenario) + L" \"" + Widen(report) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return {0xDEAD, ""};
  FileHandle processHandle(process.hProcess);
  FileHandle threadHandle(process.hThread);
  if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 0xDEAD);
    return {0xDEAD, ""};
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  const Bytes bytes = ReadBytes(report);
  return {code, std::string(bytes.begin(), bytes.end())};
}

struct FatalCase {
  const char* scenario;
  const char* message;
};

class FatalErrors : public testing::TestWithParam<FatalCase> {};

TEST_P(FatalErrors, EndTheProgramWithMinusOneAfterTheirMessage) {
  const HostRun run = RunHost(GetParam().scenario);
  EXPECT_EQ(run.exitCode, static_cast<DWORD>(-1));
  EXPECT_EQ(run.report, std::string("运行时出错!\r\n\r\n错误信息：") + GetParam().message + "\r\n\n");
}

INSTANTIATE_TEST_SUITE_P(
    ProgramEnd, FatalErrors,
    testing::Values(FatalCase{"kind-property-of-unloaded-window", "指定窗口尚未载入"},
                    FatalCase{"unknown-window", "未载入欲访问窗口组件所在的窗口"},
                    FatalCase{"destroy-unloaded-window", "指定窗口或窗口组件不存在或尚未载入"}));

// Memory the heap cannot give ends the program through the same box, naming the size, not with
// the C runtime's abort; the program goes no further.
TEST(ProgramEnd, AFailedAllocationIsTheRuntimesFatalError) {
  const HostRun run = RunHost("failed-allocation");
  EXPECT_EQ(run.exitCode, static_cast<DWORD>(-1));
  EXPECT_EQ(run.report, "运行时出错!\r\n\r\n错误信息：分配 " + std::to_string(kFailingAllocation) + " 字节内存失败!\r\n\n");
  EXPECT_EQ(AllocationFailedMessage(3000000000u), "分配 3000000000 字节内存失败!") << "counted in full, not as a negative int";
}

TEST(ProgramEnd, TheProgramEndsWhenItsLastWindowCloses) {
  const HostRun run = RunHost("last-window-closes");
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(run.report, "exit action\n");
}
TEST(ProgramEnd, ClosingTheRecorderFirstKeepsTheProgramForThePlayer) {
  const HostRun run = RunHost("recorder-closes-first");
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(run.report, "player still open\nexit action\n");
}
}  // namespace
