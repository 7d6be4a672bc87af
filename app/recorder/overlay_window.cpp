#include "app/recorder/overlay_window.h"

#include <dwmapi.h>

#include "app/recorder/own_windows_capture.h"

namespace {
// Long enough for the windows beneath to have repainted on every system tried (Wine's took up to
// 50 ms), short enough to pass unnoticed after a choice or a countdown.
constexpr DWORD kSettleMilliseconds = 100;

BOOL CALLBACK PaintNow(HWND window, LPARAM) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return TRUE;
}

bool DesktopComposed() {
  BOOL composed = FALSE;
  return SUCCEEDED(DwmIsCompositionEnabled(&composed)) && composed;
}

// Waiting for paint messages lets the system tell this thread which of its windows the removal
// uncovered; each is painted at once.
void LetUncoveredWindowsRepaint() {
  const ULONGLONG end = GetTickCount64() + kSettleMilliseconds;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_PAINT);
    EnumThreadWindows(GetCurrentThreadId(), PaintNow, 0);
  }
}
}  // namespace

bool RegisterOverlayClass(const wchar_t* name, WNDPROC procedure, UINT style) {
  WNDCLASSEXW overlayClass{};
  overlayClass.cbSize = sizeof(overlayClass);
  overlayClass.style = style;
  overlayClass.lpfnWndProc = procedure;
  overlayClass.hInstance = GetModuleHandleW(nullptr);
  overlayClass.lpszClassName = name;
  return RegisterClassExW(&overlayClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void KeepOverlayOutOfFrames(HWND window) {
  if (CanKeepWindowsOutOfFrames()) SetWindowDisplayAffinity(window, WDA_EXCLUDEFROMCAPTURE);
}

bool HandleMessagesUntil(const std::function<bool()>& finished) {
  while (!finished()) {
    MSG message;
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

// Where the desktop is composed, each window keeps its own picture and the next composition
// simply leaves the removed one out. Elsewhere the windows beneath must paint again what it
// covered: this thread's are painted here rather than when the caller next handles its
// messages, which may be after a first frame, and the others are given the same moment.
void RemoveOverlay(HWND window) {
  DestroyWindow(window);
  if (DesktopComposed()) {
    DwmFlush();
  } else {
    LetUncoveredWindowsRepaint();
  }
}
