// Icons and cursors from the bytes of .ico / .cur files (the window icon, the tray icon and a
// control's mouse cursor).
#pragma once
#include <cstddef>
#include <optional>

#include "components/services/byte_string.h"
#include "controls/user_handles.h"

// Where one image of an icon or cursor file lies: the entry whose width is nearest to
// `wantedSize` (the first of equals). Empty when the bytes are no such file or the entry runs
// past their end. Pure.
struct IconImage {
  size_t offset;
  size_t size;
  int width;
  int height;
  int hotspotX;  // cursor files only
  int hotspotY;
};
std::optional<IconImage> FindIconImage(const ByteString& file, int wantedSize);

// An icon of `size` pixels made from .ico bytes; empty when none can be made.
IconHandle MakeIcon(const ByteString& icoFile, int size);
// A cursor made from .cur bytes; empty when none can be made.
CursorHandle MakeCursor(const ByteString& curFile);
