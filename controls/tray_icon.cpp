#include "controls/tray_icon.h"

#include <shellapi.h>

#include <cwchar>

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
}  // namespace

void RemoveTrayIcon(LiveWindow& state) {
  if (!state.trayIcon) return;
  if (state.window) {
    NOTIFYICONDATAW data = IconData(state.window->hwnd());
    Shell_NotifyIconW(NIM_DELETE, &data);
  }
  state.trayIcon.reset();
  state.trayTip.clear();
}

void SetTrayIcon(WindowId window, const ByteString& icon, const std::string& tip) {
  LiveWindow* state = FindWindowState(window);
  if (!state || !IsLoaded(*state)) FatalRuntimeError(kNoSuchWindowOrUnit);
  IconHandle image = MakeIcon(icon, GetSystemMetrics(SM_CXSMICON));
  if (!image) {
    RemoveTrayIcon(*state);
    return;
  }
  NOTIFYICONDATAW data = IconData(state->window->hwnd());
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = image.get();
  const std::wstring shownTip = TrayTipText(tip);
  wcsncpy(data.szTip, shownTip.c_str(), std::size(data.szTip) - 1);
  const bool added = static_cast<bool>(state->trayIcon);
  Shell_NotifyIconW(added ? NIM_MODIFY : NIM_ADD, &data);
  state->trayIcon = std::move(image);
  state->trayTip = shownTip;
}
