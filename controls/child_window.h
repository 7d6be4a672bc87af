// Creating the system window of a visual or non-visual control: a child of the form window at
// the unit's stored rectangle, hidden, disabled and in the tab sequence as its flags say, and
// linked to its control object. Border styles, fonts and colours shared with the painted kinds
// are in controls/painted/border_style.h, logical_font.h and colours.h.
#pragma once
#include <windows.h>

#include <string>

#include "controls/control.h"

// Creates a child of `parent` of window class `windowClass` with `style` / `exStyle` added to
// the unit's own flags (WS_DISABLED, WS_TABSTOP); never WS_VISIBLE. `control` goes as the
// creation parameter, and the window is linked to it before this returns. Null on failure.
HWND CreateChildWindow(Control* control, const wchar_t* windowClass, DWORD style, DWORD exStyle,
                       const std::string& text, HWND parent);
