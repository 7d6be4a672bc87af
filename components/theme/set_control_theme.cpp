#include "components/theme/theme.h"
#include "components/theme/theme_colours.h"
#include "components/theme/theme_list.h"

namespace {

BOOL CALLBACK ThemeChild(HWND window, LPARAM) {
  ThemeWindow(window, true);
  return TRUE;
}

// EnumChildWindows already descends into children's children.
BOOL CALLBACK ThemeTopLevel(HWND window, LPARAM) {
  ThemeWindow(window, true);
  EnumChildWindows(window, ThemeChild, 0);
  return TRUE;
}

// Sees every message sent to a window procedure of this thread; a window being created is
// themed before its own procedure handles the creation.
LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->message == WM_CREATE) ThemeWindow(call->hwnd, false);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void SwitchThemeOn() {
  EnumThreadWindows(GetCurrentThreadId(), ThemeTopLevel, 0);
  Theme().creationHook = SetWindowsHookExW(WH_CALLWNDPROC, WatchCreation, nullptr, GetCurrentThreadId());
}

// Every listed control is handed back, hook or not, so none stays subclassed.
int SwitchThemeOff() {
  ThemeState& theme = Theme();
  while (!theme.controls.empty()) UnthemeControl(*theme.controls.back(), true);
  if (!theme.creationHook) return 0;
  const BOOL removed = UnhookWindowsHookEx(theme.creationHook);
  theme.creationHook = nullptr;
  return removed ? 1 : 0;
}

}  // namespace

int SetControlTheme(int scheme) {
  Theme().scheme = scheme;
  const int switchedOff = SwitchThemeOff();
  if (!IsColourScheme(scheme)) return switchedOff;
  SwitchThemeOn();
  return 1;
}
