// The form store: the definitions of the program's four windows, keyed by window id. The
// program hands the runtime a working copy of each at start-up (app/run_program.h); the runtime
// builds each window from its copy.
//
// The definitions are compiled into the program as tables (one file per window) instead of
// being parsed from a stored byte block: the windows they build are what matters, so the
// store has no byte format to read or write.
#pragma once
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "controls/form_definition.h"

class FormStore {
 public:
  // Holds RecorderWindow, SaveDialog, PlayerWindow and SettingsWindow.
  FormStore();

  // The window ids in ascending order.
  std::vector<WindowId> WindowIds() const;
  // The stored definition of a window; null for an unknown id. Owned by the store.
  const FormDefinition* Find(WindowId window) const;
  // A unit of a window by unit id or by stored name (names are unique within one window only;
  // an empty name finds nothing); null when there is none. Owned by the store.
  const UnitDefinition* FindUnit(WindowId window, UnitId unit) const;
  const UnitDefinition* FindUnit(WindowId window, std::string_view name) const;
  // A copy of a window's definition for the runtime to build from and write into; empty for an
  // unknown id.
  std::optional<FormDefinition> WorkingCopy(WindowId window) const;

 private:
  std::map<WindowId, FormDefinition> forms_;
};
