// The theme's state on the user-interface thread: the scheme, the creation hook and the list of
// themed controls, with the steps that add a control to it and take one out.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "components/theme/themed_control.h"

struct ThemeState {
  int scheme = 0;
  HHOOK creationHook = nullptr;
  // Entries are owned here and handed to each control's subclass, which finds its own entry
  // from the handle; they never move while listed.
  std::vector<std::unique_ptr<ThemedControl>> controls;
};

// The one theme of the program's user-interface thread.
ThemeState& Theme();

// Lists and subclasses `window` when its kind qualifies and it is not listed yet; with
// `redraw` it is repainted in its new look. True when it was added.
bool ThemeWindow(HWND window, bool redraw);
// True while `entry` is still the listed entry of `window`. A message handed on may end in the
// control's destruction or in switching the theme off, which frees the entry.
bool IsStillListed(const ThemedControl* entry, HWND window);
// Gives the control its own procedure back and drops its entry (which is then gone); with
// `redraw` the control is repainted at once with its frame and children.
void UnthemeControl(ThemedControl& control, bool redraw);
