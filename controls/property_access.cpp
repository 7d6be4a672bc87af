// Property reads and writes by (window, unit, index): menu items, the common indexes 0..7 and
// the kinds' own properties.
#include "controls/common_properties.h"
#include "controls/fatal_error.h"
#include "controls/property_indexes.h"
#include "controls/property_value.h"
#include "controls/window_menu.h"

namespace {
UnitDefinition& UnitOrFatal(LiveWindow& state, UnitId unit) {
  UnitDefinition* definition = state.form.Find(unit);
  if (!definition) FatalRuntimeError(kNoSuchWindowOrUnit);
  return *definition;
}

Control& KindOwnerOrFatal(LiveWindow& state, UnitAddress address) {
  if (!IsLoaded(state)) FatalRuntimeError(kWindowNotLoaded);
  return LiveControlOrFatal(address);
}

}  // namespace

void WriteProperty(UnitAddress address, int index, const PropertyValue& value) {
  LiveWindow& state = WindowStateOrFatal(address.window, kNoFormForWindow);
  UnitDefinition& unit = UnitOrFatal(state, address.unit);
  if (IsMenuItem(unit)) {
    WriteMenuItemProperty(state, unit, index, value);
  } else if (index >= 0 && index <= common_property::kLastCommon) {
    WriteCommonProperty(state, unit, index, value);
  } else {
    KindOwnerOrFatal(state, address).WriteKindProperty(index, value);
  }
}

PropertyValue ReadProperty(UnitAddress address, int index) {
  LiveWindow& state = WindowStateOrFatal(address.window, kNoFormForWindow);
  const UnitDefinition& unit = UnitOrFatal(state, address.unit);
  if (IsMenuItem(unit)) return ReadMenuItemProperty(unit, index);
  if (index >= 0 && index <= common_property::kLastCommon) return ReadCommonProperty(state, unit, index);
  return KindOwnerOrFatal(state, address).ReadKindProperty(index);
}

int32_t ReadInt(UnitAddress unit, int index) { return AsInt(ReadProperty(unit, index)); }
std::string ReadText(UnitAddress unit, int index) { return AsText(ReadProperty(unit, index)); }
ByteString ReadBytes(UnitAddress unit, int index) { return AsBytes(ReadProperty(unit, index)); }

void SetEnabled(UnitAddress unit, bool enabled) { WriteProperty(unit, common_property::kDisabled, enabled ? 0 : 1); }
