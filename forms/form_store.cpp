#include "forms/form_store.h"

#include <algorithm>

#include "forms/player_window.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"

namespace {

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

UnitDefinition* FindUnit(FormDefinition& form, UnitId unit) { return FindIn(form, HasId(unit)); }
const UnitDefinition* FindUnit(const FormDefinition& form, UnitId unit) { return FindIn(form, HasId(unit)); }
UnitDefinition* FindUnit(FormDefinition& form, std::string_view name) { return FindIn(form, HasName(name)); }
const UnitDefinition* FindUnit(const FormDefinition& form, std::string_view name) {
  return FindIn(form, HasName(name));
}

FormStore::FormStore() {
  for (FormDefinition form : {RecorderWindow::Definition(), SaveDialog::Definition(), PlayerWindow::Definition()})
    forms_.emplace(form.id, std::move(form));
}

std::vector<WindowId> FormStore::WindowIds() const {
  std::vector<WindowId> ids;
  for (const auto& [id, form] : forms_) ids.push_back(id);
  return ids;
}

const FormDefinition* FormStore::Find(WindowId window) const {
  const auto found = forms_.find(window);
  return found == forms_.end() ? nullptr : &found->second;
}

const UnitDefinition* FormStore::FindUnit(WindowId window, UnitId unit) const {
  const FormDefinition* form = Find(window);
  return form ? ::FindUnit(*form, unit) : nullptr;
}

const UnitDefinition* FormStore::FindUnit(WindowId window, std::string_view name) const {
  const FormDefinition* form = Find(window);
  return form ? ::FindUnit(*form, name) : nullptr;
}

std::optional<FormDefinition> FormStore::WorkingCopy(WindowId window) const {
  const FormDefinition* form = Find(window);
  if (!form) return std::nullopt;
  return *form;
}
