#include "controls/message_loop.h"

#include <windows.h>

#include "components/services/services.h"
#include "controls/control_link.h"
#include "controls/event_delivery.h"
#include "controls/event_index.h"
#include "controls/property_value.h"
#include "controls/runtime_state.h"

namespace {
// The runtime's form window that `hwnd` belongs to, or null.
LiveWindow* FormOfMessage(HWND hwnd) {
  if (!hwnd) return nullptr;
  Control* root = ControlFromHwnd(GetAncestor(hwnd, GA_ROOT));
  if (!root || !std::holds_alternative<WindowProperties>(root->definition().properties)) return nullptr;
  return FindWindowState(root->window());
}

// The keys a window can take for itself: Enter moves the focus on instead of pressing a
// button, and F1 opens the help file, where the window asks for it.
bool TakesWindowKey(LiveWindow& form, const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  const auto& window = std::get<WindowProperties>(form.form.units().front().properties);
  if (message.wParam == VK_RETURN && window.enterMovesFocus) {
    if (const HWND next = GetNextDlgTabItem(form.window->hwnd(), GetFocus(), FALSE)) SetFocus(next);
    return true;
  }
  if (message.wParam == VK_F1 && window.f1OpensHelp) {
    if (!window.helpFile.empty()) OpenWebPage(window.helpFile);
    return true;
  }
  return false;
}

int ModifiersHeld() {
  int held = 0;
  if (GetKeyState(VK_SHIFT) < 0) held |= WindowEvent::kShiftHeld;
  if (GetKeyState(VK_CONTROL) < 0) held |= WindowEvent::kCtrlHeld;
  if (GetKeyState(VK_MENU) < 0) held |= WindowEvent::kAltHeld;
  return held;
}

// The window's key event sees a key before the focused control does, so a window can give Space
// or the arrows a meaning of its own without a focused button also pressing or moving.
bool HandlerTakesKey(const LiveWindow& form, const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  const WindowId window = form.window->window();
  // Bit 30 of a key's message tells a repeat of a key held down.
  const int32_t repeat = static_cast<int32_t>((message.lParam >> 30) & 1);
  const std::optional<PropertyValue> taken = RaiseEvent(
      window, window, WindowEvent::kKeyDown, {static_cast<int32_t>(message.wParam), int32_t{ModifiersHeld()}, repeat});
  return taken && AsInt(*taken) != 0;
}

void HandleMessage(MSG& message) {
  if (LiveWindow* form = FormOfMessage(message.hwnd)) {
    const HWND root = form->window->hwnd();
    if (form->accelerators && TranslateAcceleratorW(root, form->accelerators.get(), &message)) return;
    if (HandlerTakesKey(*form, message)) return;
    // The key's handler may have closed the window.
    form = FormOfMessage(message.hwnd);
    if (!form) return;
    if (TakesWindowKey(*form, message)) return;
    if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST && IsDialogMessageW(root, &message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void RunIdleActions() {
  auto& actions = Runtime().idleActions;
  std::erase_if(actions, [](const IdleAction& entry) { return WindowHandle(entry.window) == nullptr; });
  const std::vector<IdleAction> snapshot = actions;
  for (const IdleAction& entry : snapshot) {
    if (WindowHandle(entry.window)) entry.action(entry.argument);
  }
}

void WaitWhileIdle() {
  MSG message;
  if (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) return;
  RunIdleActions();
  if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) WaitMessage();
}

void ForgetRetiredObjects() {
  Runtime().retiredControls.clear();
  Runtime().retiredUnits.clear();
}
}  // namespace

int RunMainLoop() {
  for (;;) {
    WaitWhileIdle();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
      HandleMessage(message);
      ForgetRetiredObjects();
    }
  }
}

void RunNestedLoop(WindowId modal) {
  while (WindowHandle(modal)) {
    WaitWhileIdle();
    MSG message;
    while (WindowHandle(modal) && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return;
      }
      HandleMessage(message);
    }
  }
}

void ProcessPendingEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    HandleMessage(message);
  }
}

void RepaintNow(WindowId window) {
  if (const HWND hwnd = WindowHandle(window)) RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}
