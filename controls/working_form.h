// A loaded window's definition as the runtime builds from it and writes into it. Every live
// control keeps a reference to its own unit in this list, so the list has a fixed length for
// as long as it lives here: units can be read and changed, never added or removed. Only
// RestorePristine puts another list in its place, and it hands the old one back to be kept
// until no control refers into it any more.
#pragma once
#include <span>
#include <vector>

#include "controls/form_definition.h"

class WorkingForm {
 public:
  explicit WorkingForm(FormDefinition definition) : definition_(std::move(definition)) {}
  WorkingForm(const WorkingForm&) = delete;
  WorkingForm& operator=(const WorkingForm&) = delete;

  WindowId id() const { return definition_.id; }
  // The units in list order, the window unit first.
  std::span<UnitDefinition> units() { return definition_.units; }
  std::span<const UnitDefinition> units() const { return definition_.units; }
  // The unit with this id; null when there is none.
  UnitDefinition* Find(UnitId unit);

  // Remembers the units as they are now, before a build writes into them.
  void RememberPristine() { pristine_ = definition_.units; }
  // Drops what RememberPristine kept, for a build given up half-way that changed nothing.
  void ForgetPristine() { pristine_.clear(); }
  // Puts back the units RememberPristine kept and gives the list that was in use, into which
  // the window's retired controls may still refer.
  std::vector<UnitDefinition> RestorePristine();

 private:
  FormDefinition definition_;
  std::vector<UnitDefinition> pristine_;
};
