// The program's tray icon as a user reaches it: a right click on the icon at the right end of
// the desktop's taskbar, where the notification area holds only this program's icon, and a
// click on the last item of the menu it opens (退出) or a choice of another by the keyboard.
#pragma once
#include <windows.h>

// Right-clicks the icon of process `processId` and gives the menu it opens, or null. The click
// goes to the right end of the taskbar and is tried again while no menu of that process comes
// up: it may land on the icon of a program that ended without taking its icon away, which the
// shell then drops, so the next click finds the living one.
HWND OpenTrayMenuOf(DWORD processId);

// Clicks just above the lower edge of an open menu; false when the menu is gone or the click
// was not taken.
bool ClickLastMenuItem(HWND menu);

// Where the system puts the middle of the item at `position` (counted from 0) of a popup menu
// of text items, relative to the menu window's top-left corner. Another program's menu tells
// nobody where its items are, so this measures a menu of the tour's own in the same menu font:
// ask before another program's menu is open. {-1, -1} when it cannot be measured.
POINT MenuItemMiddle(int position);
// Clicks an open menu at `middle` (from MenuItemMiddle); false when the menu is gone or the
// click was not taken.
bool ClickMenuAt(HWND menu, POINT middle);
// Chooses the item `fromEnd` places above the last one of an open menu (0: the last) with the
// keyboard, as a user would: Up from no selection lands on the last item, each further Up one
// item higher, Enter chooses. False when the menu is gone or a key was not taken.
bool ChooseMenuItemFromEnd(HWND menu, int fromEnd);

// The class name of an open menu.
inline constexpr wchar_t kMenuClass[] = L"#32768";
