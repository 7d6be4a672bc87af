// Which windows the theme takes over, decided from the class name and style alone.
#pragma once
#include <cstdint>
#include <string_view>

enum class ControlKind { kNone, kPushButton, kCheckBox, kRadioButton, kGroupBox, kEditBox, kComboBox, kComboList, kUpDown };

struct WindowTraits {
  std::string_view className;        // compared without regard to case
  uint32_t style = 0;                // the whole window style
  bool captionEmpty = false;
  std::string_view parentClassName;  // empty for a top-level window
};

// kNone for every window the theme leaves alone.
ControlKind KindOfWindow(const WindowTraits& window);
