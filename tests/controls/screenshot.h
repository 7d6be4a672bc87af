// Pictures of live windows for a person to look at: the window as the screen shows it, frame
// included, written as a PNG file.
#pragma once
#include <windows.h>

#include <string>

// Copies the window's outer rectangle from the screen and writes it to `path` (UTF-8) as a
// 24-bit PNG file; false when the picture cannot be taken or written.
bool WriteWindowPicture(HWND hwnd, const std::string& path);

// Where a test program's pictures go: a "screenshots" folder beside the program, made when
// missing; gives folder + "\" + name.
std::string PicturePath(const std::string& name);
