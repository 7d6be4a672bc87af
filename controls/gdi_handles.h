// Owners for the USER and GDI handles the runtime makes, so that no return path leaks one.
// (GDI object and DC owners are in components/services/gdi_handle.h.)
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
