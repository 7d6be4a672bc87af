#include "app/run_program.h"

#include "controls/program.h"
#include "forms/form_store.h"

int RunProgram(const HandlerTable& handlers, void (*startUp)(), void (*exitAction)()) {
  const FormStore store;
  std::vector<FormDefinition> forms;
  for (WindowId window : store.WindowIds()) {
    if (std::optional<FormDefinition> form = store.WorkingCopy(window)) forms.push_back(std::move(*form));
  }
  return RunProgramWithForms(std::move(forms), handlers, startUp, exitAction);
}
