// CheckBox: a check box with its caption to the right, which the user ticks and unticks; its
// value reads what the box shows now.
#include <windows.h>

#include "components/services/wide_text.h"
#include "controls/child_window.h"
#include "controls/kinds/kind_factory.h"
#include "controls/kinds/kind_support.h"
#include "controls/property_indexes.h"
#include "controls/property_table.h"
#include "controls/property_value.h"

namespace {
using namespace check_box_property;

class CheckBox : public Control {
 public:
  using Control::Control;

  bool Create(HWND parent) override {
    hwnd_ = CreateChildWindow(this, L"BUTTON", BS_AUTOCHECKBOX | BS_VCENTER, 0, Properties().caption, parent);
    if (!hwnd_) return false;
    ShowFont();
    ShowValue();
    return true;
  }

  void WriteKindProperty(int index, const PropertyValue& value) override {
    WriteTableProperty<CheckBox>(*this, Properties(), kProperties, index, value);
  }

  PropertyValue ReadKindProperty(int index) const override {
    return ReadTableProperty<CheckBox>(*this, Properties(), kProperties, index);
  }

 private:
  CheckBoxProperties& Properties() const { return std::get<CheckBoxProperties>(definition().properties); }

  void ShowCaption() { SetWindowTextW(hwnd_, Widen(Properties().caption).c_str()); }
  void ShowFont() { ApplyFont(hwnd_, Properties().font, font_); }
  void ShowValue() { SendMessageW(hwnd_, BM_SETCHECK, Properties().value ? BST_CHECKED : BST_UNCHECKED, 0); }
  // The user's ticks change the box, not the stored value.
  PropertyValue LiveValue() const {
    return int32_t{SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0};
  }

  using Row = PropertyRow<CheckBox, CheckBoxProperties>;
  using P = CheckBoxProperties;
  static constexpr Row kPropertyRows[] = {
      {kCaption, &P::caption, kAsIs, &CheckBox::ShowCaption},
      {kValue, &P::value, kBoolean, &CheckBox::ShowValue, false, &CheckBox::LiveValue},
      {kFont, &P::font, kAsIs, &CheckBox::ShowFont},
  };
  static constexpr std::span<const Row> kProperties{kPropertyRows};

  FontHandle font_;
};
}  // namespace

std::unique_ptr<Control> MakeCheckBox(WindowId window, UnitDefinition& unit) {
  return std::make_unique<CheckBox>(window, unit);
}
