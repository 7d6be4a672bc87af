#include "controls/tray_icon.h"

#include <shellapi.h>

#include <cwchar>

#include "components/services/wide_text.h"
#include "controls/ansi_text.h"
#include "controls/fatal_error.h"
#include "controls/icon_file.h"
#include "controls/window_events.h"

namespace {
NOTIFYICONDATAW IconData(HWND hwnd) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = hwnd;
  data.uID = kTrayIconId;
  return data;
}

// Hands the window's icon and tip to the shell: a new icon is added, one the shell shows is
// modified. When the shell refuses, the window retries on its timer.
void ShowTrayIcon(LiveWindow& state, bool shownBefore) {
  const HWND hwnd = state.window->hwnd();
  NOTIFYICONDATAW data = IconData(hwnd);
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = state.trayIcon.get();
  wcsncpy(data.szTip, state.trayTip.c_str(), std::size(data.szTip) - 1);
  state.trayIconShown = Shell_NotifyIconW(shownBefore ? NIM_MODIFY : NIM_ADD, &data) != FALSE;
  if (state.trayIconShown) {
    KillTimer(hwnd, kTrayRetryTimerId);
  } else {
    SetTimer(hwnd, kTrayRetryTimerId, kTrayRetryMilliseconds, nullptr);
  }
}
std::vector<std::wstring>& BalloonTexts() {
  static std::vector<std::wstring> texts;
  return texts;
}
}  // namespace

void RemoveTrayIcon(LiveWindow& state) {
  if (!state.trayIcon) return;
  if (state.window) {
    NOTIFYICONDATAW data = IconData(state.window->hwnd());
    Shell_NotifyIconW(NIM_DELETE, &data);
    KillTimer(state.window->hwnd(), kTrayRetryTimerId);
  }
  state.trayIcon.reset();
  state.trayTip.clear();
  state.trayIconShown = false;
}

void SetTrayIcon(WindowId window, const ByteString& icon, const std::string& tip) {
  LiveWindow* state = FindWindowState(window);
  if (!state || !IsLoaded(*state)) FatalRuntimeError(kNoSuchWindowOrUnit);
  IconHandle image = MakeIcon(icon, GetSystemMetrics(SM_CXSMICON));
  if (!image) {
    RemoveTrayIcon(*state);
    return;
  }
  state->trayIcon = std::move(image);
  state->trayTip = TrayTipText(tip);
  ShowTrayIcon(*state, state->trayIconShown);
}

const std::vector<std::wstring>& TrayBalloonTexts() { return BalloonTexts(); }

// The shell keeps the balloon's texts in fixed fields; a longer text is cut, never overrun.
void ShowTrayBalloon(WindowId window, const std::string& title, const std::string& text) {
  LiveWindow* state = FindWindowState(window);
  if (!state || !IsLoaded(*state)) FatalRuntimeError(kNoSuchWindowOrUnit);
  NOTIFYICONDATAW data = IconData(state->window->hwnd());
  data.uFlags = NIF_INFO;
  data.dwInfoFlags = NIIF_WARNING;
  wcsncpy(data.szInfoTitle, Widen(title).c_str(), std::size(data.szInfoTitle) - 1);
  wcsncpy(data.szInfo, Widen(text).c_str(), std::size(data.szInfo) - 1);
  BalloonTexts().push_back(data.szInfo);
  if (state->trayIconShown) Shell_NotifyIconW(NIM_MODIFY, &data);
}

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

// A new shell knows none of the icons the old one showed, so the icon is added, not modified.
void RestoreTrayIcon(LiveWindow& state) {
  if (state.trayIcon && state.window) ShowTrayIcon(state, false);
}
