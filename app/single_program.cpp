#include "app/single_program.h"

#include <shellapi.h>

#include <memory>

namespace {

// "Local\" keeps the claim to the user's own session: another user's program on the same
// machine is no reason not to start.
constexpr wchar_t kClaimName[] = L"Local\\VelmoRecorderProgram";
constexpr wchar_t kDoorClass[] = L"VelmoProgramDoor";
// Marks a copy-data message as a hand-over from a later start ("VMHO").
constexpr ULONG_PTR kHandOverTag = 0x4F484D56;
constexpr UINT kAnswerMilliseconds = 5000;
constexpr DWORD kLookEveryMilliseconds = 50;

using ArrivedRoutine = void (*)(const std::wstring& path);

LRESULT AnswerDoor(void* arrived, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COPYDATA || !lParam) return DefWindowProcW(window, message, wParam, lParam);
  const std::optional<std::wstring> path = HandedOverPath(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
  if (!path || !arrived) return FALSE;
  // The later start is answered before the path is acted on: opening a recording may take
  // longer than it waits, and it has nothing more to do.
  ReplyMessage(TRUE);
  reinterpret_cast<ArrivedRoutine>(arrived)(*path);
  return TRUE;
}

HWND FindDoor(unsigned waitMilliseconds) {
  const ULONGLONG end = GetTickCount64() + waitMilliseconds;
  for (;;) {
    if (HWND door = FindWindowW(kDoorClass, nullptr)) return door;
    if (GetTickCount64() >= end) return nullptr;
    Sleep(kLookEveryMilliseconds);
  }
}

struct LocalFreeDeleter {
  void operator()(void* memory) const { LocalFree(memory); }
};

}  // namespace

// A claim held by a program of higher rights in the session is refused to this one; any other
// refusal is no program's, and the start goes on.
ProgramClaim::ProgramClaim() : mutex_(CreateMutexW(nullptr, FALSE, kClaimName)) {
  const DWORD error = GetLastError();
  alone_ = mutex_ ? error != ERROR_ALREADY_EXISTS : error != ERROR_ACCESS_DENIED;
}

ProgramDoor::ProgramDoor(ArrivedRoutine arrived)
    : window_(kDoorClass, AnswerDoor, reinterpret_cast<void*>(arrived), true) {}

bool HandOverToRunningProgram(const std::wstring& path, unsigned waitMilliseconds) {
  HWND door = FindDoor(waitMilliseconds);
  if (!door) return false;
  // The user started this copy, so it may give the foreground on; the first brings its window
  // to the front in its own time.
  DWORD program = 0;
  GetWindowThreadProcessId(door, &program);
  AllowSetForegroundWindow(program);
  COPYDATASTRUCT message{kHandOverTag, static_cast<DWORD>(path.size() * sizeof(wchar_t)),
                         const_cast<wchar_t*>(path.data())};
  DWORD_PTR answer = FALSE;
  return SendMessageTimeoutW(door, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&message), SMTO_ABORTIFHUNG,
                             kAnswerMilliseconds, &answer) != 0 &&
         answer == TRUE;
}

std::optional<std::wstring> HandedOverPath(const COPYDATASTRUCT& message) {
  if (message.dwData != kHandOverTag || message.cbData % sizeof(wchar_t) != 0) return std::nullopt;
  const size_t length = message.cbData / sizeof(wchar_t);
  if (length > kMaxHandedPath || (length > 0 && !message.lpData)) return std::nullopt;
  if (length == 0) return std::wstring();
  std::wstring path(static_cast<const wchar_t*>(message.lpData), length);
  if (path.find(L'\0') != std::wstring::npos) return std::nullopt;
  return path;
}

std::wstring FirstArgument(const wchar_t* commandLine) {
  int count = 0;
  const std::unique_ptr<LPWSTR, LocalFreeDeleter> arguments(CommandLineToArgvW(commandLine, &count));
  return arguments && count > 1 ? std::wstring(arguments.get()[1]) : std::wstring();
}
