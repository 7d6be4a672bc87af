// The window styles behind a border choice shared by the painted kinds (and usable by any kind
// whose border reads "as Label"): 0 none, 1 sunken client edge, 2 raised dialog frame, 3 thin
// sunken static edge, 4 sunken and raised, 5 single line. Choice 6 (Label only) is a frame the
// label paints itself inside its client area, so it needs no window style.
#pragma once
#include <windows.h>

struct BorderStyles {
  DWORD style;
  DWORD extendedStyle;
  bool operator==(const BorderStyles&) const = default;
};

// The styles a border choice adds; any other value (6 included) adds none.
BorderStyles BorderStylesFor(int border);

// Every style bit any border choice may set, for clearing before a new one is applied.
constexpr BorderStyles kAllBorderStyles{WS_BORDER | WS_DLGFRAME,
                                        WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE};

// Replaces the border styles of a live window and lets it recompute its frame; the outer size
// stays, so the client area changes.
void ApplyBorder(HWND window, int border);
