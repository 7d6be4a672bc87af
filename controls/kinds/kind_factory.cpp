#include "controls/kinds/kind_factory.h"

std::unique_ptr<Control> MakeControl(WindowId window, UnitDefinition& unit) {
  switch (KindOf(unit)) {
    case Kind::Button: return MakeButton(window, unit);
    case Kind::Label: return MakeLabel(window, unit);
    case Kind::GroupBox: return MakeGroupBox(window, unit);
    case Kind::ComboBox: return MakeComboBox(window, unit);
    case Kind::ProcessBar: return MakeProcessBar(window, unit);
    case Kind::SliderBar: return MakeSliderBar(window, unit);
    case Kind::DrawPanel: return MakeDrawPanel(window, unit);
    case Kind::CommonDlg: return MakeCommonDlg(window, unit);
    case Kind::Timer: return MakeTimer(window, unit);
    case Kind::ZipComponent: return MakeZipComponent(window, unit);
    case Kind::CheckBox: return MakeCheckBox(window, unit);
    case Kind::HotkeyBox: return MakeHotkeyBox(window, unit);
    default: return nullptr;
  }
}
