#include "tests/recorder/scripted_user.h"

#include <utility>

#include "components/services/wide_text.h"
#include "controls/runtime_state.h"

namespace {

std::string fileAnswer;
std::vector<FileDialogRequest> fileRequests;
std::function<void()> insideFileDialog;

WindowId awaitedWindow = 0;
std::function<void()> pendingAction;

void CALLBACK RunWhenLoaded(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!IsWindowLoaded(awaitedWindow)) return;
  KillTimer(nullptr, timer);
  std::exchange(pendingAction, nullptr)();
}

std::string trailPrefix;
std::vector<std::string> trail;
HHOOK trailHook = nullptr;

LRESULT CALLBACK NoteWindowText(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_SETTEXT && message->lParam && IsWindowUnicode(message->hwnd)) {
    const std::string text = Narrow(reinterpret_cast<const wchar_t*>(message->lParam));
    if (text.rfind(trailPrefix, 0) == 0) trail.push_back(text);
  }
  return CallNextHookEx(trailHook, code, wParam, lParam);
}

}  // namespace

void AnswerFileDialogsWith(const std::string& path) { fileAnswer = path; }

void WhileFileDialogOpen(std::function<void()> action) { insideFileDialog = std::move(action); }

void ResetFileDialogs() {
  fileAnswer.clear();
  fileRequests.clear();
  insideFileDialog = nullptr;
}

const std::vector<FileDialogRequest>& FileDialogsAsked() { return fileRequests; }

bool ScriptedFileDialog(OPENFILENAMEW& request, bool save) {
  std::wstring filter;
  for (const wchar_t* p = request.lpstrFilter; p && *p; p += wcslen(p) + 1) filter += std::wstring(p) + L'|';
  fileRequests.push_back({save, filter, request.lpstrDefExt ? request.lpstrDefExt : L""});
  if (insideFileDialog) std::exchange(insideFileDialog, nullptr)();
  if (fileAnswer.empty()) return false;
  const std::wstring path = Widen(fileAnswer);
  if (path.size() >= request.nMaxFile) return false;
  path.copy(request.lpstrFile, path.size());
  request.lpstrFile[path.size()] = L'\0';
  return true;
}

void WhenLoaded(WindowId window, std::function<void()> action) {
  awaitedWindow = window;
  pendingAction = std::move(action);
  SetTimer(nullptr, 0, 20, RunWhenLoaded);
}

HWND LiveHwnd(UnitAddress unit) {
  if (unit.unit == unit.window) return WindowHandle(unit.window);
  Control* control = FindLiveControl(unit);
  return control ? control->hwnd() : nullptr;
}

void PostClick(UnitAddress button) { PostMessageW(LiveHwnd(button), BM_CLICK, 0, 0); }

TextTrail::TextTrail(std::string prefix) {
  trailPrefix = std::move(prefix);
  trail.clear();
  trailHook = SetWindowsHookExW(WH_CALLWNDPROC, NoteWindowText, nullptr, GetCurrentThreadId());
}

TextTrail::~TextTrail() {
  UnhookWindowsHookEx(trailHook);
  trailHook = nullptr;
}

const std::vector<std::string>& TextTrail::texts() const { return trail; }
