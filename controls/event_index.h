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
}  // namespace WindowEvent

namespace ButtonEvent {
inline constexpr int kClicked = 0;
}

namespace TimerEvent {
inline constexpr int kTick = 0;
}

namespace SliderBarEvent {
inline constexpr int kPositionChanged = 0;
}

namespace ZipComponentEvent {
inline constexpr int kPackProgress = 0;
inline constexpr int kUnpackProgress = 1;
}
