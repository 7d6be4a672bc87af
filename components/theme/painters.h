// The themed painting of each control kind, in the scheme's colours, into a DC the caller
// owns. Every painter draws the whole control, so it serves painting and printing alike.
#pragma once
#include <windows.h>

#include <string>

#include "components/theme/control_look.h"
#include "components/theme/themed_control.h"

// Push buttons, check boxes, radio buttons, group boxes and up-down controls, on the client
// area; `dc` has its origin at the client's top-left corner.
void PaintPushButton(const ThemedControl& control, int scheme, HDC dc);
void PaintCheckMarkButton(const ThemedControl& control, int scheme, HDC dc);
void PaintGroupBox(const ThemedControl& control, HDC dc);
void PaintUpDown(const ThemedControl& control, int scheme, HDC dc);

// Prints a control's own drawing of its client area into `dc`.
using ContentPrinter = void (*)(HWND window, HDC dc);
// The whole window rectangle of a combo box over its own content (from `printContent`);
// `windowOrigin` is where the window's top-left corner lies in `dc`.
void PaintComboBox(const ThemedControl& control, int scheme, HDC dc, POINT windowOrigin, ContentPrinter printContent);

// The two-pixel frame of an edit box or a combo drop-down list, over its border, into a DC of
// the whole window. Windows without a border are left alone.
void PaintEditFrame(const ThemedControl& control, int scheme, HDC windowDc);

// The outer and inner one-pixel frames of an edit box or combo box on `box`.
void PaintFieldFrames(HDC dc, Box box, int scheme, bool disabled, bool readOnly);

void PaintArrowButton(HDC dc, Box box, int scheme, const ControlState& state, ArrowDirection direction);

// A button's caption (up to 256 characters) in its own font and colour `colour` inside
// `area`, aligned as its style asks (`fallback` when it names no horizontal alignment).
void DrawButtonCaption(HWND window, HDC dc, Box area, Rgb colour, Alignment fallback);
// The caption's size on one line in the button's font; zero wide but one line high when empty.
SIZE MeasureButtonCaption(HWND window, HDC dc);
