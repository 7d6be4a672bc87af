// The window kind's tray kinds and the runtime's private window messages. Event indexes are in
// controls/event_index.h.
#pragma once
#include <windows.h>

#include "controls/event_index.h"

// Tray kinds handed with the tray event.
constexpr int kTrayLeftUp = 1;
constexpr int kTrayLeftDoubleClick = 2;
constexpr int kTrayRightUp = 3;

// Posted to a window by a deferred destroy; destroys it when handled.
constexpr UINT kDeferredDestroyMessage = WM_APP + 0x10;
// The tray icon reports its mouse actions to its window with this message.
constexpr UINT kTrayCallbackMessage = WM_APP + 0x11;
// The tray icon's id: one icon per window.
constexpr UINT kTrayIconId = 100;
