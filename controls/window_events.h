// Event indexes of the window kind and the runtime's private window messages.
#pragma once
#include <windows.h>

namespace window_event {
constexpr int kCreated = 0;
constexpr int kQueryClose = 1;
constexpr int kAboutToBeDestroyed = 2;
constexpr int kMoved = 3;
constexpr int kResized = 4;
constexpr int kTray = 9;
constexpr int kShown = 10;
constexpr int kHidden = 11;
}  // namespace window_event

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
