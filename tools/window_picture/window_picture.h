// Pictures of what the screen shows, written as PNG files for a person to look at: the suite's
// window pictures and the first-run tour's screenshots.
#pragma once
#include <windows.h>

#include <string>

// Copies `area` (screen coordinates) from the screen and writes it to `path` (UTF-8) as a
// 24-bit PNG file; false when the area is empty or the picture cannot be taken or written.
bool WriteScreenPicture(const RECT& area, const std::string& path);

// The window's outer rectangle, frame included, as WriteScreenPicture writes it; windows lying
// above it show in the picture too, as on screen.
bool WriteWindowPicture(HWND hwnd, const std::string& path);
