// Control theming: push buttons, check boxes, radio buttons, group boxes, edit boxes, combo
// boxes and up-down controls of the calling thread drawn in one of three colour schemes
// (1 blue, 2 olive green, 3 silver), now and in every window the thread creates afterwards.
#pragma once
#include <windows.h>

// Stores `scheme`; with 1, 2 or 3 switches theming off and on again (so each control is listed
// once) and answers 1. Any other value switches theming off and answers non-zero when the
// creation hook was removed, 0 when none was installed. Switching off gives every themed
// control back its own drawing and redraws it. Call it from the user-interface thread.
int SetControlTheme(int scheme);

// How many controls the theme holds now; each is held at most once and leaves when destroyed.
int ThemedControlCount();
// True when `window` is drawn by the theme.
bool IsControlThemed(HWND window);
