// The event numbers each kind raises, as definitions bind them and the runtime delivers them.
#pragma once

namespace WindowEvent {
inline constexpr int kCreated = 0;
inline constexpr int kQueryClose = 1;  // the handler's false result keeps the window
inline constexpr int kAboutToBeDestroyed = 2;
inline constexpr int kMoved = 3;
inline constexpr int kResized = 4;
inline constexpr int kTrayEvent = 9;  // argument: 1 left up, 2 left double click, 3 right up or menu key
inline constexpr int kShown = 10;
inline constexpr int kHidden = 11;
// A key pressed while the window or one of its controls has the focus, before the control or
// the window's dialog keys see it. Arguments: the virtual key, the modifiers held
// (kShiftHeld | kCtrlHeld | kAltHeld) and 1 for a repeat of a key held down (0 for the first
// press); a true result takes the key, so nothing else acts on it.
inline constexpr int kKeyDown = 12;
inline constexpr int kShiftHeld = 1;
inline constexpr int kCtrlHeld = 2;
inline constexpr int kAltHeld = 4;
}  // namespace WindowEvent

namespace ButtonEvent {
inline constexpr int kClicked = 0;
}

namespace TimerEvent {
inline constexpr int kTick = 0;
}

// The left mouse button on a progress bar: pressed over it, moved while held (the bar keeps the
// mouse until it is let go, also beyond its edges), let go. Arguments: the pointer's x from the
// left of the bar's track and the track's width, both in pixels.
namespace ProcessBarEvent {
inline constexpr int kPointerDown = 0;
inline constexpr int kPointerMove = 1;
inline constexpr int kPointerUp = 2;
}  // namespace ProcessBarEvent

// A panel's context menu asked for: the right mouse button let go over it, or the keyboard's
// menu key. Arguments: the screen x and y of the mouse, or -1, -1 from the keyboard.
namespace DrawPanelEvent {
inline constexpr int kContextMenu = 0;
}

// The user chose another item of a combo box's list (with the mouse or the keyboard); a
// handler's write of the current item raises nothing.
namespace ComboBoxEvent {
inline constexpr int kSelectionChanged = 0;
}

namespace SliderBarEvent {
inline constexpr int kPositionChanged = 0;
}

namespace ZipComponentEvent {
inline constexpr int kPackProgress = 0;
inline constexpr int kUnpackProgress = 1;
}
