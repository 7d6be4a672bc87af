// How the runtime finds a live control from its window handle and hands notifications back to
// the control that sent them. Every kind links its HWND to its object once the HWND exists (its
// own window classes at WM_NCCREATE, system controls right after creation).
#pragma once
#include <windows.h>

#include "controls/control.h"

// Links `hwnd` to `control` (a window property, so system classes keep their user data).
void LinkControl(HWND hwnd, Control* control);
// The control linked to `hwnd`, or null for a window that is not a control of the runtime.
Control* ControlFromHwnd(HWND hwnd);

// For a parent's window procedure (form window, GroupBox, DrawPanel): hands WM_COMMAND,
// WM_HSCROLL/WM_VSCROLL, WM_CTLCOLOR*, WM_DRAWITEM and WM_NOTIFY to the child control they came
// from. True when the child handled it, with its result in `result`; false for any other
// message, so a procedure can offer it every message first.
bool ReflectNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// The child window id of a control unit: never IDOK or IDCANCEL, so keyboard navigation's own
// commands cannot be taken for a control's.
int ControlIdOf(const UnitDefinition& unit);
