// The program's global hotkeys: a hidden window of the recorder's own holds their registrations
// with the system and hands each press to a routine, whichever program has the focus. The
// system posts WM_HOTKEY to this window, and the runtime's message loops (nested ones included)
// dispatch it as any message of a window that is not one of its forms.
#pragma once
#include <windows.h>

#include <vector>

#include "app/settings/settings.h"
#include "controls/hidden_window.h"

enum class HotkeyRegistration { Registered, HeldElsewhere, Refused };

class HotkeyWindow {
 public:
  // `pressed` runs on the user-interface thread with the id a pressed hotkey was registered
  // under.
  explicit HotkeyWindow(void (*pressed)(int id));
  // Lets go of every hotkey it registered.
  ~HotkeyWindow();
  HotkeyWindow(const HotkeyWindow&) = delete;
  HotkeyWindow& operator=(const HotkeyWindow&) = delete;

  // Registers `key` under `id` (1 to 0xBFFF) without auto-repeat, so keys held down press once.
  // HeldElsewhere when another program (or another id) holds the combination; Refused when the
  // system takes no such key or the window could not be made.
  HotkeyRegistration Register(int id, const Hotkey& key);
  // Lets go of every hotkey it registered.
  void UnregisterAll();

 private:
  HiddenWindow window_;
  std::vector<int> registered_;
};
