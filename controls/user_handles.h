// Owners for the USER handles the runtime makes (menus, accelerator tables, icons, cursors), so
// that no return path leaks one. GDI objects and DCs have theirs in
// components/services/gdi_handle.h.
#pragma once
#include <windows.h>

#include "components/services/win_handle.h"

inline HMENU NoMenu() { return nullptr; }
inline HACCEL NoAccelerators() { return nullptr; }
inline HICON NoIcon() { return nullptr; }
inline HCURSOR NoCursor() { return nullptr; }

using MenuHandle = UniqueWinHandle<HMENU, DestroyMenu, NoMenu>;
using AcceleratorHandle = UniqueWinHandle<HACCEL, DestroyAcceleratorTable, NoAccelerators>;
using IconHandle = UniqueWinHandle<HICON, DestroyIcon, NoIcon>;
using CursorHandle = UniqueWinHandle<HCURSOR, DestroyCursor, NoCursor>;
