#include "forms/form_definition.h"

#include <iterator>

namespace {

// The kind codes in the order of KindProperties' alternatives.
constexpr Kind kKindByAlternative[] = {
    Kind::Window,   Kind::MenuItem,   Kind::Button,     Kind::Label,     Kind::GroupBox, Kind::ComboBox,
    Kind::DrawPanel, Kind::SliderBar, Kind::ProcessBar, Kind::CommonDlg, Kind::Timer,    Kind::ZipComponent,
};
static_assert(std::size(kKindByAlternative) == std::variant_size_v<KindProperties>);

}  // namespace

Kind KindOf(const UnitDefinition& unit) { return kKindByAlternative[unit.properties.index()]; }
