#include "forms/form_store.h"

#include "forms/player_window.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "forms/settings_window.h"

FormStore::FormStore() {
  for (FormDefinition form : {RecorderWindow::Definition(), SaveDialog::Definition(), PlayerWindow::Definition(),
                              SettingsWindow::Definition()})
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
