// Choosing what a take records, on the screen itself: a region dragged with the mouse, or a
// window picked by a click, over one overlay that covers every monitor.
#pragma once
#include "app/settings/settings.h"

enum class PickMode { Region, Window };

// The overlay's window class, by which tools find it.
inline constexpr wchar_t kAreaPickerClass[] = L"VelmoAreaPicker";

// Covers every monitor with one overlay and lets the user choose; true with `chosen` when
// accepted, false when cancelled (nothing else changes). `offered` is the region shown at first
// (the last one chosen; empty for none). Runs its own message loop on the calling (UI) thread.
//
// Region: a drag draws a new rectangle, a handle resizes it and a drag inside moves it; its
// moving edges snap to the edges of the window under the pointer; a click without a drag takes
// the rectangle of the window under the pointer; Enter or a double click inside accepts.
// Window: the window under the pointer is lit and a left click accepts its rectangle.
// The windows are those on the screen when the overlay opened, the program's own left out (see
// screen_windows.h).
// In both, Esc, a right click, closing the overlay (Alt+F4), a change of the display and a
// quit request cancel. `chosen` lies within the virtual screen (physical pixels) and is at least
// kSmallestAreaSide each way. False at once when the screen cannot be copied, or while another
// choice is open. The overlay is gone from the screen when this returns.
bool PickScreenArea(PickMode mode, const ScreenArea& offered, ScreenArea& chosen);
