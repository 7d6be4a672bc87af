// The system window styles that a window's border choice, caption and buttons ask for. Pure.
#pragma once
#include <windows.h>

#include "controls/form_definition.h"

struct WindowStyle {
  DWORD style;
  DWORD exStyle;
};

// Border 0 none, 1 resizable, 2 fixed, 3 tool caption resizable, 4 tool caption fixed,
// 5 sunken edge resizable, 6 sunken edge fixed. The caption bar is there when the border is not
// 0 and the caption is not empty or the control button is on; the buttons need the caption bar.
WindowStyle WindowStyleOf(const WindowProperties& window);
// The bits WindowStyleOf decides, to clear before applying a new choice.
constexpr DWORD kWindowStyleBits = WS_POPUP | WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_SYSMENU |
                                   WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD kWindowExStyleBits = WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
