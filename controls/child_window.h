// Creating the system window of a visual or non-visual control: a child of the form window at
// the unit's stored rectangle, hidden, disabled and in the tab sequence as its flags say, and
// linked to its control object.
#pragma once
#include <windows.h>

#include <string>

#include "controls/control.h"

// Creates a child of `parent` of window class `windowClass` with `style` / `exStyle` added to
// the unit's own flags (WS_DISABLED, WS_TABSTOP); never WS_VISIBLE. The window is linked to
// `control` before this returns (at WM_NCCREATE for the runtime's own classes, which must pass
// lpCreateParams on to LinkControl). Null on failure.
HWND CreateChildWindow(Control* control, const wchar_t* windowClass, DWORD style, DWORD exStyle,
                       const std::string& text, HWND parent);

// Extended and plain style bits of the border choices shared by Label, DrawPanel, ProcessBar
// and SliderBar: 0 none, 1 sunken, 2 raised, 3 thin sunken, 4 sunken and raised, 5 single line.
struct BorderStyle {
  DWORD style;
  DWORD exStyle;
};
BorderStyle BorderStyleOf(int border);
// The style and extended-style bits any border choice can set, to clear before applying another.
constexpr DWORD kAllBorderStyles = WS_BORDER;
constexpr DWORD kAllBorderExStyles = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE;
// Replaces the border of a live window and redraws its frame.
void ApplyBorder(HWND hwnd, int border);

// The font a kind's font property asks for: a 60-byte LOGFONT, or empty (or malformed) for the
// system's default GUI font. The caller owns the result; null means the stock default font.
HFONT MakeFont(const ByteString& logFont);

// The COLORREF of a stored colour: kButtonFaceColour becomes the system's button-face colour.
COLORREF ResolveColour(Colour colour);
