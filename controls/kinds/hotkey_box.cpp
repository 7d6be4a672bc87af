// HotkeyBox: the system's hotkey control, where the user presses the combination a hotkey is
// to have; Delete leaves it empty, which is no hotkey. Its modifiers and key read
// what the control shows now, in the terms of the system's hotkey registration.
#include <windows.h>
#include <commctrl.h>

#include "controls/child_window.h"
#include "controls/kinds/hotkey_flags.h"
#include "controls/kinds/kind_factory.h"
#include "controls/kinds/kind_support.h"
#include "controls/property_indexes.h"
#include "controls/property_table.h"
#include "controls/property_value.h"

namespace {
using namespace hotkey_box_property;

class HotkeyBox : public Control {
 public:
  using Control::Control;

  bool Create(HWND parent) override {
    hwnd_ = CreateChildWindow(this, HOTKEY_CLASSW, 0, WS_EX_CLIENTEDGE, "", parent);
    if (!hwnd_) return false;
    // A global hotkey without Ctrl or Alt would take a key from every program: a plain or
    // Shift-only combination gets Alt added.
    SendMessageW(hwnd_, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_ALT, 0));
    ShowFont();
    ShowHotkey();
    return true;
  }

  void WriteKindProperty(int index, const PropertyValue& value) override {
    WriteTableProperty<HotkeyBox>(*this, Properties(), kProperties, index, value);
  }

  PropertyValue ReadKindProperty(int index) const override {
    return ReadTableProperty<HotkeyBox>(*this, Properties(), kProperties, index);
  }

 private:
  HotkeyBoxProperties& Properties() const { return std::get<HotkeyBoxProperties>(definition().properties); }

  void ShowFont() { ApplyFont(hwnd_, Properties().font, font_); }
  void ShowHotkey() {
    const HotkeyBoxProperties& hotkey = Properties();
    const auto key = static_cast<uint32_t>(hotkey.key);
    const uint32_t flags = key ? HotkeyFlagsFromModifiers(static_cast<uint32_t>(hotkey.modifiers), key) : 0;
    SendMessageW(hwnd_, HKM_SETHOTKEY, MAKEWORD(key, flags), 0);
  }
  // The control answers the virtual key in the low byte and its HOTKEYF_* flags in the next.
  LRESULT Shown() const { return SendMessageW(hwnd_, HKM_GETHOTKEY, 0, 0); }
  // Modifiers with a key of 0: the box shows a combination not finished yet ("Ctrl + ").
  PropertyValue LiveModifiers() const {
    return static_cast<int32_t>(ModifiersFromHotkeyFlags(HIBYTE(LOWORD(Shown()))));
  }
  PropertyValue LiveKey() const { return int32_t{LOBYTE(Shown())}; }

  using Row = PropertyRow<HotkeyBox, HotkeyBoxProperties>;
  using P = HotkeyBoxProperties;
  static constexpr Row kPropertyRows[] = {
      {kModifiers, &P::modifiers, Range(0, 15), &HotkeyBox::ShowHotkey, false, &HotkeyBox::LiveModifiers},
      {kKey, &P::key, Range(0, 255), &HotkeyBox::ShowHotkey, false, &HotkeyBox::LiveKey},
      {kFont, &P::font, kAsIs, &HotkeyBox::ShowFont},
  };
  static constexpr std::span<const Row> kProperties{kPropertyRows};

  FontHandle font_;
};
}  // namespace

std::unique_ptr<Control> MakeHotkeyBox(WindowId window, UnitDefinition& unit) {
  return std::make_unique<HotkeyBox>(window, unit);
}
