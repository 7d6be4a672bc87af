#include "components/theme/control_kind.h"

#include <algorithm>

namespace {

// The button and combo-box style values, spelled out so the rule needs no Windows header.
constexpr uint32_t kButtonTypeMask = 0x0F;
constexpr uint32_t kPushButton = 0x0, kDefPushButton = 0x1, kCheckBox = 0x2, kAutoCheckBox = 0x3,
                   kRadioButton = 0x4, kThreeState = 0x5, kAutoThreeState = 0x6, kGroupBox = 0x7,
                   kAutoRadioButton = 0x9;
constexpr uint32_t kBitmapStyle = 0x80;
constexpr uint32_t kPushLike = 0x1000;
constexpr uint32_t kComboTypeMask = 0x3;
constexpr uint32_t kSimpleCombo = 0x1;
// A caption-less child tab-stop push button with no other style: left to draw itself.
constexpr uint32_t kBareChildPushButton = 0x40010000;

bool SameClass(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

ControlKind KindOfButton(const WindowTraits& window) {
  if (window.style & kBitmapStyle) return ControlKind::kNone;
  const bool pushLike = (window.style & kPushLike) != 0;
  switch (window.style & kButtonTypeMask) {
    case kPushButton:
    case kDefPushButton:
      if (window.captionEmpty && window.style == kBareChildPushButton) return ControlKind::kNone;
      return ControlKind::kPushButton;
    case kCheckBox:
    case kAutoCheckBox:
    case kThreeState:
    case kAutoThreeState:
      return pushLike ? ControlKind::kPushButton : ControlKind::kCheckBox;
    case kRadioButton:
    case kAutoRadioButton:
      return pushLike ? ControlKind::kPushButton : ControlKind::kRadioButton;
    case kGroupBox:
      return ControlKind::kGroupBox;
    default:
      return ControlKind::kNone;
  }
}

}  // namespace

ControlKind KindOfWindow(const WindowTraits& window) {
  if (SameClass(window.className, "Button")) return KindOfButton(window);
  if (SameClass(window.className, "Edit"))
    return SameClass(window.parentClassName, "SysIPAddress32") ? ControlKind::kNone : ControlKind::kEditBox;
  if (SameClass(window.className, "ComboBox"))
    return (window.style & kComboTypeMask) == kSimpleCombo ? ControlKind::kNone : ControlKind::kComboBox;
  if (SameClass(window.className, "ComboLBox")) return ControlKind::kComboList;
  if (SameClass(window.className, "msctls_updown32")) return ControlKind::kUpDown;
  return ControlKind::kNone;
}
