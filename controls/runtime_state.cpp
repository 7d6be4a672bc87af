#include "controls/runtime_state.h"

#include "controls/fatal_error.h"

RuntimeState& Runtime() {
  static RuntimeState state;
  return state;
}

LiveWindow* FindWindowState(WindowId window) {
  auto found = Runtime().windows.find(window);
  return found == Runtime().windows.end() ? nullptr : &found->second;
}

LiveWindow& WindowStateOrFatal(WindowId window, const char* missingMessage) {
  LiveWindow* state = FindWindowState(window);
  if (!state) FatalRuntimeError(missingMessage);
  return *state;
}

bool IsLoaded(const LiveWindow& state) { return state.loaded && state.window && IsWindow(state.window->hwnd()); }

bool AnyWindowLoaded() {
  for (const auto& [id, state] : Runtime().windows) {
    if (IsLoaded(state)) return true;
  }
  return false;
}

Control* FindLiveControl(UnitAddress unit) {
  LiveWindow* state = FindWindowState(unit.window);
  if (!state || !IsLoaded(*state)) return nullptr;
  if (state->window->definition().id == unit.unit) return state->window.get();
  auto found = state->controls.find(unit.unit);
  return found == state->controls.end() ? nullptr : found->second.get();
}

Control& LiveControlOrFatal(UnitAddress unit) {
  Control* control = FindLiveControl(unit);
  if (!control) FatalRuntimeError(kNoSuchWindowOrUnit);
  return *control;
}

HWND WindowHandle(WindowId window) {
  LiveWindow* state = FindWindowState(window);
  return state && IsLoaded(*state) ? state->window->hwnd() : nullptr;
}

bool IsWindowLoaded(WindowId window) { return WindowHandle(window) != nullptr; }

void AddIdleAction(WindowId window, void (*action)(intptr_t argument), intptr_t argument) {
  Runtime().idleActions.push_back({window, action, argument});
}
