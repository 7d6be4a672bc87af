// Pictures of live windows for a person to look at: the window as the screen shows it, frame
// included, written as a PNG file (tools/window_picture), into a folder beside the test program.
#pragma once
#include <string>

#include "tools/window_picture/window_picture.h"

// Where a test program's pictures go: a "screenshots" folder beside the program, made when
// missing; gives folder + "\" + name.
std::string PicturePath(const std::string& name);
