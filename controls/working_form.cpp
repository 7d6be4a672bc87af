#include "controls/working_form.h"

#include <utility>

UnitDefinition* WorkingForm::Find(UnitId unit) { return FindUnit(definition_, unit); }

// A move leaves the old list's units where they are, so references into it stay good.
std::vector<UnitDefinition> WorkingForm::RestorePristine() {
  return std::exchange(definition_.units, std::exchange(pristine_, {}));
}
