// The colours of the three schemes as plain numbers: frame colours, the push-button shading
// entries and the arrow-button tables, so the rules can be checked without a window.
#pragma once
#include <cstdint>

#include "components/services/rgb.h"

// Four corner colours; a rectangle is shaded as the triangles (top-left, top-right,
// bottom-left) and (bottom-right, top-right, bottom-left), each interpolated from its corners.
struct Shade {
  Rgb topLeft, topRight, bottomLeft, bottomRight;
  bool operator==(const Shade&) const = default;
};

constexpr Shade VerticalShade(Rgb top, Rgb bottom) { return {top, top, bottom, bottom}; }
constexpr Shade FlatShade(Rgb colour) { return {colour, colour, colour, colour}; }

// Scheme numbers that switch theming on: 1 blue, 2 olive green, 3 silver.
constexpr bool IsColourScheme(int scheme) { return scheme >= 1 && scheme <= 3; }

constexpr Rgb kGroupBoxFrame{191, 184, 191};
constexpr Rgb kDisabledButtonFace{245, 244, 234};
constexpr Rgb kDisabledCaption{165, 162, 148};
constexpr Rgb kDisabledArrow{206, 203, 198};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
// The hot ring's deep orange. It also marks a stretch of a progress bar, where it reads on the
// bar's blue fill and on its grey track alike.
constexpr Rgb kHotOrange{229, 151, 0};

// Each channel less `amount`, stopping at 0 (the darkened button-face colours).
Rgb Darker(Rgb colour, int amount);

// Push-button shading entries 0..6 and arrow-table entries 0..11 per entry rules below.
constexpr int kButtonShadeEntries = 7;
constexpr int kArrowShadeEntries = 12;

// For a scheme outside 1..3 the silver colours are answered, so a caller never reads outside
// the tables.
Rgb EditFrameColour(int scheme);
Rgb ButtonFrameColour(int scheme);
// Entry 0 pressed ring, 1 hot ring, 2 checked ring, 3 focused or default ring, 4 normal ring,
// 5 pressed or checked face, 6 normal face. An entry outside 0..6 answers entry 4.
Shade ButtonShade(int scheme, int entry);
// Entries s, s + 4 (corner pixels) and s + 8 (inner face) for arrow state s: 0 disabled,
// 1 pressed, 2 hot, 3 normal. An entry outside 0..11 answers entry 3.
Shade ArrowShade(int scheme, int entry);
Rgb ArrowColour(int scheme, bool disabled);
