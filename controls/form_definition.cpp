#include "controls/form_definition.h"

#include <algorithm>
#include <iterator>

namespace {

// The kind codes in the order of KindProperties' alternatives.
constexpr Kind kKindByAlternative[] = {
    Kind::Window,   Kind::MenuItem,   Kind::Button,     Kind::Label,     Kind::GroupBox, Kind::ComboBox,
    Kind::DrawPanel, Kind::SliderBar, Kind::ProcessBar, Kind::CommonDlg, Kind::Timer,    Kind::ZipComponent,
    Kind::CheckBox, Kind::HotkeyBox,
};
static_assert(std::size(kKindByAlternative) == std::variant_size_v<KindProperties>);

// One search for both constnesses of the form.
template <typename Form, typename Match>
auto FindIn(Form& form, Match match) -> decltype(&form.units.front()) {
  const auto found = std::find_if(form.units.begin(), form.units.end(), match);
  return found == form.units.end() ? nullptr : &*found;
}

auto HasId(UnitId unit) {
  return [unit](const UnitDefinition& candidate) { return candidate.id == unit; };
}

auto HasName(std::string_view name) {
  return [name](const UnitDefinition& candidate) { return !name.empty() && candidate.name == name; };
}

}  // namespace

Kind KindOf(const UnitDefinition& unit) { return kKindByAlternative[unit.properties.index()]; }

UnitDefinition* FindUnit(FormDefinition& form, UnitId unit) { return FindIn(form, HasId(unit)); }
const UnitDefinition* FindUnit(const FormDefinition& form, UnitId unit) { return FindIn(form, HasId(unit)); }
UnitDefinition* FindUnit(FormDefinition& form, std::string_view name) { return FindIn(form, HasName(name)); }
const UnitDefinition* FindUnit(const FormDefinition& form, std::string_view name) {
  return FindIn(form, HasName(name));
}
