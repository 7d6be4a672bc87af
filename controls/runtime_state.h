// The runtime's own state: the form store with each window's live objects, the event
// suppression counter and the program-wide items of the runtime. For the runtime's files and
// the kinds; handlers use runtime.h.
#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/form_definition.h"
#include "controls/user_handles.h"
#include "controls/working_form.h"

// A window's definition with what exists of it while it is loaded.
struct LiveWindow {
  explicit LiveWindow(FormDefinition definition) : form(std::move(definition)) {}

  WorkingForm form;  // the working unit list, and the list as it was when the current build began
  std::unique_ptr<Control> window;        // the window kind's object; null when not loaded
  std::map<UnitId, std::unique_ptr<Control>> controls;
  MenuHandle menu;
  AcceleratorHandle accelerators;
  std::map<UnitId, CursorHandle> cursors;
  // The other top-level windows a modal build disabled, with whether each was enabled before.
  std::vector<std::pair<HWND, bool>> disabledByModal;
  IconHandle windowIcon;       // the icon property's image while loaded
  IconHandle trayIcon;         // the tray icon's image while the window has one
  std::wstring trayTip;        // the tip as shown, for the runtime's own checks
  bool trayIconShown = false;  // whether the shell took the icon (it may be retried later)
  bool closing = false;  // a destroy has been asked for and not yet carried out
  bool loaded = false;
  // Another program's window that was in front when the pop-up menu that opened this window was
  // asked for; it gets the foreground back when this window closes. Null otherwise.
  HWND frontWhenOpened = nullptr;
};

struct IdleAction {
  WindowId window;
  void (*action)(intptr_t argument);
  intptr_t argument;
};

struct RuntimeState {
  std::map<WindowId, LiveWindow> windows;
  HandlerTable handlers;
  int suppression = 0;
  WindowId modalWindow = 0;
  bool mainLoopRunning = false;
  // A window whose deferred destroy is carried out by a new load of it: its release must not
  // end the program.
  bool reloading = false;
  // While a pop-up menu's chosen item runs: another program's window that was in front when the
  // menu was asked for (the taskbar, for the tray's menu). The menu had to bring its own window
  // forward, which would otherwise be next in line for the keyboard once a window the item
  // opened closes: a key meant for that window would reach this one.
  HWND frontBeforeMenu = nullptr;
  void (*exitAction)() = nullptr;
  HWND hiddenOwner = nullptr;
  std::vector<IdleAction> idleActions;
  // Objects of windows that are gone, kept until the main loop is back at its top so that a
  // window procedure or handler still running on them never touches freed memory.
  std::vector<std::unique_ptr<Control>> retiredControls;
  std::vector<std::vector<UnitDefinition>> retiredUnits;
};

RuntimeState& Runtime();

// The window's definition with its live objects; null when the store has no such window.
LiveWindow* FindWindowState(WindowId window);
// The window's definition, or a fatal runtime error with `missingMessage` when there is none.
LiveWindow& WindowStateOrFatal(WindowId window, const char* missingMessage);
// Whether the window is loaded and its system window still exists.
bool IsLoaded(const LiveWindow& state);
// Whether any window of the store is loaded.
bool AnyWindowLoaded();
// The live object of a unit (the window kind for the window unit); null when the window is not
// loaded or the unit is not a live control.
Control* FindLiveControl(UnitAddress unit);
// As FindLiveControl, or the fatal error of a window service naming something missing.
Control& LiveControlOrFatal(UnitAddress unit);
// The system window of a loaded window; null otherwise.
HWND WindowHandle(WindowId window);

// Functions run when the message queue is empty, for as long as their window is loaded.
void AddIdleAction(WindowId window, void (*action)(intptr_t argument), intptr_t argument);

// Hands a window just built from a definition to the program's FormWindowMade, if it set one
// (controls/loaded_form_windows.h).
void TellFormWindowMade(HWND window);
