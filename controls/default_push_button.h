// Which push button Enter presses, by the standard dialog rule: while a push button of a window
// has the keyboard focus it is the window's default, drawn with the default ring, and Enter
// presses it; when the focus leaves the push buttons, the button stored as the window's
// default (type 1) is the default again.
#pragma once
#include <windows.h>

#include "controls/form_definition.h"

// The push button that is the window's default with the focus at `focus`: `focus` itself when
// it is a push button of the window, else the stored default; null when there is none.
HWND DefaultPushButton(WindowId window, HWND focus);

// Gives the default style (BS_DEFPUSHBUTTON) to the button DefaultPushButton names for
// `focus`, and the plain style to every other push button of the window.
void ShowDefaultPushButton(WindowId window, HWND focus);
