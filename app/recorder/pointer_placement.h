// Where the mouse pointer and the click ring land in a snapshot: plain arithmetic over the
// pointer's position, its picture and the screen's size, all in physical pixels.
#pragma once
#include <optional>

#include "components/services/services.h"

struct ScreenPoint {
  int x;
  int y;
};

// A pointer's picture as the system holds it: its own size (the size the user chose in the
// accessibility settings, and the display's scaling, are already in it) and its hotspot, the
// pixel that sits on the pointer's position.
struct PointerPicture {
  int width;
  int height;
  int hotspotX;
  int hotspotY;
};

// The top-left corner at which the picture is drawn into a snapshot of the primary screen of
// `screen` pixels. The snapshot starts at the primary screen's origin, so a physical screen
// position is the same pixel in the snapshot; a picture that covers the edge is clipped there,
// never moved inside. Nothing when no pixel of it falls on the snapshot: the pointer on another
// monitor, or a picture without size.
std::optional<ScreenPoint> PointerPlaceInSnapshot(ScreenPoint position, PointerPicture picture, ScreenSize screen);

// The ring drawn around the pointer while a mouse button is down: a circle through the middle of
// a pen `penWidth` wide, bounded by left, top, right and bottom as GDI's Ellipse takes them.
struct ClickRing {
  int left;
  int top;
  int right;
  int bottom;
  int penWidth;
};

// The ring around `centre` on a screen of `dotsPerInch`: radius 20 and pen 4 pixels at 96 (100
// percent), scaled with the display, so it looks the same size beside the pointer at every
// scaling. Readings are
// held between 96 and 768 (800 percent).
ClickRing ClickRingAround(ScreenPoint centre, int dotsPerInch);
