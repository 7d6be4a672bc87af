// Building a window from its definition, the worker behind LoadWindow.
#include <windows.h>

#include "controls/event_delivery.h"
#include "controls/window_kind.h"
#include "controls/icon_file.h"
#include "controls/kinds/kind_factory.h"
#include "controls/layout_rules.h"
#include "controls/runtime_state.h"
#include "controls/message_loop.h"
#include "controls/window_events.h"
#include "controls/window_life.h"
#include "controls/window_menu.h"

namespace {

// An existing window is brought forward instead of being built again.
void BringForward(HWND hwnd) {
  if (IsIconic(hwnd)) {
    ShowWindow(hwnd, SW_RESTORE);
  } else {
    SetForegroundWindow(hwnd);
    SetActiveWindow(hwnd);
  }
}

// Gives up a build half-way: what was made is destroyed without any event, and the definition
// is left as it was.
void AbandonBuild(LiveWindow& state) {
  state.loaded = false;
  if (state.window && state.window->hwnd()) ::DestroyWindow(state.window->hwnd());
  state.menu.release();
  state.accelerators.reset();
  state.windowIcon.reset();
  Runtime().retiredControls.push_back(std::move(state.window));
  for (auto& [unit, control] : state.controls) Runtime().retiredControls.push_back(std::move(control));
  state.controls.clear();
  state.form.ForgetPristine();
}

bool CreateControls(LiveWindow& state, WindowId window) {
  const HWND hwnd = state.window->hwnd();
  for (size_t i = state.form.units().size(); i-- > 1;) {
    UnitDefinition& unit = state.form.units()[i];
    if (IsMenuItem(unit)) continue;
    std::unique_ptr<Control> control = MakeControl(window, unit);
    if (!control || !control->Create(hwnd)) return false;
    state.controls[unit.id] = std::move(control);
  }
  return true;
}

HWND LiveHwnd(LiveWindow& state, UnitId unit) {
  auto found = state.controls.find(unit);
  return found == state.controls.end() ? nullptr : found->second->hwnd();
}

void MoveIntoContainers(LiveWindow& state) {
  for (auto& [unit, control] : state.controls) {
    const UnitDefinition& definition = control->definition();
    if (definition.container == 0) continue;
    if (const HWND container = LiveHwnd(state, definition.container)) {
      SetParent(control->hwnd(), container);
      SetWindowPos(control->hwnd(), nullptr, definition.left, definition.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
}

void FixStackingOrder(LiveWindow& state) {
  for (const StackingPlace& place : StackingOrder(state.form.units())) {
    const HWND hwnd = LiveHwnd(state, place.unit);
    const HWND above = place.below ? LiveHwnd(state, place.below) : HWND_TOP;
    if (hwnd && above) SetWindowPos(hwnd, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void MakeCursors(LiveWindow& state) {
  for (const UnitDefinition& unit : state.form.units()) {
    if (unit.cursor.empty()) continue;
    if (CursorHandle cursor = MakeCursor(unit.cursor)) state.cursors[unit.id] = std::move(cursor);
  }
}

void ShowControls(LiveWindow& state) {
  for (auto& [unit, control] : state.controls) {
    const bool shown = control->IsVisual() && (control->definition().flags & kFlagVisible);
    ShowWindow(control->hwnd(), shown ? SW_SHOWNA : SW_HIDE);
  }
}

// Fires created, moved and resized; stops when a handler has destroyed the window.
void FireBuildEvents(WindowId window, UnitId windowUnit) {
  for (int event : {WindowEvent::kCreated, WindowEvent::kMoved, WindowEvent::kResized}) {
    if (!WindowHandle(window)) return;
    RaiseEvent(window, windowUnit, event);
  }
}

void ShowBuiltWindow(LiveWindow& state) {
  const HWND hwnd = state.window->hwnd();
  const HWND focus = GetFocus();
  ShowWindow(hwnd, ShowCommandOf(state.form.units()[0]));
  SetForegroundWindow(hwnd);
  if (focus && IsChild(hwnd, focus)) {
    SetFocus(focus);
  } else if (const HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE)) {
    SetFocus(first);
  }
}

void DisableOtherWindows(LiveWindow& modal, WindowId modalId) {
  for (auto& [id, other] : Runtime().windows) {
    if (id == modalId || !IsLoaded(other)) continue;
    const HWND hwnd = other.window->hwnd();
    modal.disabledByModal.push_back({hwnd, IsWindowEnabled(hwnd) != FALSE});
    EnableWindow(hwnd, FALSE);
  }
}

HWND OwnerFor(const UnitDefinition& windowUnit, HWND owner, bool modal) {
  if (owner) return owner;
  const bool inTaskbar = std::get<WindowProperties>(windowUnit.properties).showInTaskbar != 0;
  return modal || !inTaskbar ? Runtime().hiddenOwner : nullptr;
}

bool Build(LiveWindow& state, WindowId window, HWND owner, bool modal) {
  EventSuppression suppress;
  state.form.RememberPristine();
  state.window = MakeFormWindow(window, state.form.units()[0]);
  if (!state.window->Create(OwnerFor(state.form.units()[0], owner, modal))) {
    AbandonBuild(state);
    return false;
  }
  state.loaded = true;
  state.closing = false;
  state.frontWhenOpened = Runtime().frontBeforeMenu;
  TellFormWindowMade(state.window->hwnd());
  RebuildWindowMenu(state);
  if (!CreateControls(state, window)) {
    AbandonBuild(state);
    return false;
  }
  MoveIntoContainers(state);
  FixStackingOrder(state);
  MakeCursors(state);
  for (auto& [unit, control] : state.controls) control->OnWindowComplete();
  state.window->OnWindowComplete();
  ShowControls(state);
  return true;
}
}  // namespace

bool LoadWindow(WindowId window, WindowId owner, bool modal) {
  LiveWindow* state = FindWindowState(window);
  if (!state || state->form.units().empty()) return false;
  if (IsLoaded(*state)) {
    if (!state->closing) {
      BringForward(state->window->hwnd());
      return true;
    }
    Runtime().reloading = true;
    DestroyLoadedWindow(window);
    Runtime().reloading = false;
  }
  HWND ownerHwnd = nullptr;
  if (!modal && owner != 0) {
    ownerHwnd = WindowHandle(owner);
    if (!ownerHwnd) return false;
  }
  if (!Build(*state, window, ownerHwnd, modal)) return false;
  const UnitId windowUnit = state->form.units()[0].id;
  FireBuildEvents(window, windowUnit);
  if (WindowHandle(window) && (state->form.units()[0].flags & kFlagVisible)) ShowBuiltWindow(*state);
  if (!modal || !WindowHandle(window)) return true;
  RuntimeState& runtime = Runtime();
  const WindowId outerModal = runtime.modalWindow;
  runtime.modalWindow = window;
  DisableOtherWindows(*state, window);
  RunNestedLoop(window);
  runtime.modalWindow = outerModal;
  return true;
}
