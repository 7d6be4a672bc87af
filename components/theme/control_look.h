// Which colours a themed control takes in a given state: plain rules over the state flags and
// the scheme, apart from the GDI that paints them.
#pragma once
#include <cstdint>

#include "components/theme/control_state.h"
#include "components/theme/theme_colours.h"
#include "components/theme/theme_geometry.h"

constexpr int kNoShade = -1;

struct ButtonLook {
  Rgb frame;             // one-pixel frame inset by 1
  int ringEntry;         // shading of the rectangle inset by 2; kNoShade = flat kDisabledButtonFace
  int faceEntry;         // shading of the rectangle inset by 4; kNoShade = none
  Rgb innerCorner;       // the corner pixels of the rectangle inset by 2
  Rgb frameFlank;        // the eight pixels beside the frame's corners
  Rgb caption;
};

// `face` is the system button-face colour, from which the disabled colours are darkened.
ButtonLook PushButtonLook(int scheme, const ControlState& state, Rgb face);

// Arrow-button state index: 0 disabled, 1 pressed, 2 hot, 3 normal.
int ArrowState(const ControlState& state);

// The two one-pixel frames of edit boxes, combo drop-down lists and combo boxes: the scheme's
// edit-box frame colour outside (disabled: `face` less 32), `window` inside (disabled or
// read-only: `face`). `face` and `window` are the system button-face and window colours.
struct FieldFrames {
  Rgb outer;
  Rgb inner;
};
FieldFrames FieldFrameColours(int scheme, bool disabled, bool readOnly, Rgb face, Rgb window);

// A button caption's alignment from the button's style; `fallback` when the style names none
// (push buttons centre their caption, check boxes and radio buttons put it at the left).
Alignment CaptionHorizontal(uint32_t style, Alignment fallback);
// Vertical alignment: top, bottom, or centred when the style names neither.
Alignment CaptionVertical(uint32_t style);
