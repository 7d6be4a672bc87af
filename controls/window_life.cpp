#include "controls/window_life.h"

#include <windows.h>

#include <utility>

#include "controls/event_delivery.h"
#include "controls/runtime_state.h"
#include "controls/property_value.h"
#include "controls/window_events.h"

namespace {
void RestoreModalDisabled(LiveWindow& state) {
  for (const auto& [hwnd, wasEnabled] : state.disabledByModal) {
    if (IsWindow(hwnd)) EnableWindow(hwnd, wasEnabled);
  }
  state.disabledByModal.clear();
}
}  // namespace

void RequestClose(WindowId window) {
  LiveWindow* state = FindWindowState(window);
  if (!state || !IsLoaded(*state)) return;
  const std::optional<PropertyValue> answer = RaiseEvent(window, state->form.units()[0].id, WindowEvent::kQueryClose);
  if (answer && AsInt(*answer) == 0) return;
  DestroyLoadedWindow(window);
}

// A window opened from a pop-up menu while another program was in front hands the foreground
// back to that program as it closes, rather than to the window that showed the menu.
void DestroyLoadedWindow(WindowId window) {
  LiveWindow* state = FindWindowState(window);
  if (!state || !IsLoaded(*state)) return;
  state->closing = true;
  RestoreModalDisabled(*state);
  const HWND front = state->frontWhenOpened;
  const bool inFront = GetForegroundWindow() == state->window->hwnd();
  ::DestroyWindow(state->window->hwnd());
  if (inFront && front && IsWindow(front) && IsWindowVisible(front)) SetForegroundWindow(front);
}

void ReleaseWindow(WindowId window) {
  LiveWindow* state = FindWindowState(window);
  if (!state || !state->loaded) return;
  RuntimeState& runtime = Runtime();
  RestoreModalDisabled(*state);
  state->loaded = false;
  state->closing = false;
  state->frontWhenOpened = nullptr;
  // The system destroyed the menu bar together with its window.
  state->menu.release();
  state->accelerators.reset();
  state->cursors.clear();
  state->windowIcon.reset();
  state->trayIcon.reset();
  state->trayTip.clear();
  state->trayIconShown = false;
  for (auto& [unit, control] : state->controls) runtime.retiredControls.push_back(std::move(control));
  state->controls.clear();
  runtime.retiredControls.push_back(std::move(state->window));
  runtime.retiredUnits.push_back(state->form.RestorePristine());
  if (runtime.modalWindow == window) runtime.modalWindow = 0;
  if (!AnyWindowLoaded() && runtime.mainLoopRunning && !runtime.reloading) PostQuitMessage(0);
}
