// Menus as a user reaches them: the program's tray icon, a right click on the icon at the right
// end of the desktop's taskbar, where the notification area holds only this program's icon;
// and an item of an open menu (the tray's or a window's) chosen by the keyboard.
#pragma once
#include <windows.h>

// Right-clicks the icon of process `processId` and gives the menu it opens, or null. The click
// goes to the right end of the taskbar and is tried again while no menu of that process comes
// up: it may land on the icon of a program that ended without taking its icon away, which the
// shell then drops, so the next click finds the living one.
HWND OpenTrayMenuOf(DWORD processId);

// Chooses an item of the open `menu` with the keyboard, as a user would, and waits until the
// menu has closed: `position` 0, 1, ... counts from the first item (Down from no selection lands
// on the first, each further Down one lower), -1, -2, ... from the last (Up lands on the last).
// Only items the keyboard stops at count: separators do not. False when the menu is gone, a key
// was not taken or the menu stayed open.
bool ChooseMenuItem(HWND menu, int position);

// The class name of an open menu.
inline constexpr wchar_t kMenuClass[] = L"#32768";
