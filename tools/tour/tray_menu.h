// The program's tray icon as a user reaches it: a right click on the icon at the right end of
// the desktop's taskbar, where the notification area holds only this program's icon, and a
// click on the last item of the menu it opens (退出).
#pragma once
#include <windows.h>

// Right-clicks the tray icon; false when the desktop shows no taskbar or the click was not taken.
bool RightClickTrayIcon();

// Clicks just above the lower edge of an open menu; false when the menu is gone or the click
// was not taken.
bool ClickLastMenuItem(HWND menu);

// The class name of an open menu.
inline constexpr wchar_t kMenuClass[] = L"#32768";
