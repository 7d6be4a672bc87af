// The keyboard and the mouse as a user works them: input through the system's input queue, to
// the window with the focus or under the pointer, each step followed by a short pump of the
// message loop so the program has handled it when the call returns.
#pragma once
#include <windows.h>

// A key pressed and let go, with Ctrl held around it when `ctrl`.
void PressKey(WORD key, bool ctrl = false);
// A key held down long enough to repeat once, then let go.
void HoldKey(WORD key);
// The pointer moved to `client` (client coordinates of `window`).
void MoveMouseTo(HWND window, POINT client);
void PressLeftButton();
void ReleaseLeftButton();
// The pointer moved there, then the button pressed and let go.
void ClickAt(HWND window, POINT client);
void RightClickAt(HWND window, POINT client);
