#include "controls/program.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <string>

#include "controls/fatal_error.h"
#include "controls/runtime_state.h"
#include "controls/message_loop.h"
#include "controls/window_events.h"
#include "controls/window_life.h"

namespace {
constexpr wchar_t kHiddenOwnerClass[] = L"VelmoHiddenOwner";

void UseProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const size_t slash = path.find_last_of(L"\\/");
  if (slash != std::wstring::npos) SetCurrentDirectoryW(path.substr(0, slash + 1).c_str());
}

// A tool window that is never shown: the owner of modal windows and of windows without a
// taskbar button.
HWND MakeHiddenOwner() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kHiddenOwnerClass;
  RegisterClassExW(&windowClass);
  return CreateWindowExW(WS_EX_TOOLWINDOW, kHiddenOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

void InitialiseCommonControls() {
  INITCOMMONCONTROLSEX controls{sizeof(controls),
                                ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&controls);
}
}  // namespace

int RunProgramWithForms(std::vector<FormDefinition> forms, const HandlerTable& handlers, void (*startUp)(),
                        void (*exitAction)()) {
  UseProgramFolder();
  const HRESULT ole = OleInitialize(nullptr);
  InitialiseCommonControls();
  RuntimeState& runtime = Runtime();
  runtime.windows.clear();
  for (FormDefinition& form : forms) {
    const WindowId id = form.id;
    runtime.windows.try_emplace(id, std::move(form));
  }
  runtime.handlers = handlers;
  runtime.exitAction = exitAction;
  runtime.suppression = 0;
  runtime.mainLoopRunning = false;
  if (!runtime.hiddenOwner) runtime.hiddenOwner = MakeHiddenOwner();
  if (startUp) startUp();
  runtime.mainLoopRunning = true;
  if (AnyWindowLoaded()) RunMainLoop();
  runtime.mainLoopRunning = false;
  runtime.retiredControls.clear();
  runtime.retiredUnits.clear();
  if (runtime.exitAction) runtime.exitAction();
  if (SUCCEEDED(ole)) OleUninitialize();
  return 0;
}

void DestroyWindow(WindowId window, bool immediately) {
  LiveWindow* state = FindWindowState(window);
  if (!state || !IsLoaded(*state)) FatalRuntimeError(kNoSuchWindowOrUnit);
  state->closing = true;
  if (immediately) {
    DestroyLoadedWindow(window);
  } else {
    PostMessageW(state->window->hwnd(), kDeferredDestroyMessage, 0, 0);
  }
}
