#include "controls/loaded_form_windows.h"

#include "controls/runtime_state.h"

namespace {
FormWindowMade formWindowMade = nullptr;
}  // namespace

std::vector<HWND> LoadedFormWindows() {
  std::vector<HWND> windows;
  for (const auto& [id, state] : Runtime().windows) {
    if (IsLoaded(state)) windows.push_back(state.window->hwnd());
  }
  return windows;
}

FormWindowMade SetFormWindowMade(FormWindowMade made) {
  const FormWindowMade replaced = formWindowMade;
  formWindowMade = made;
  return replaced;
}

void TellFormWindowMade(HWND window) {
  if (formWindowMade) formWindowMade(window);
}
