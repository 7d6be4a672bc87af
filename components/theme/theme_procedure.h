// The procedure through which a themed control's messages pass: it keeps the entry's state
// flags and paints the control in the scheme's colours.
#pragma once
#include <windows.h>

// The theme's mark on a window's subclass chain.
constexpr UINT_PTR kThemeSubclassId = 0x54484D45;

// A SetWindowSubclass procedure; `entry` is the control's ThemedControl.
LRESULT CALLBACK ThemeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                DWORD_PTR entry);
