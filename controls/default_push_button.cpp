#include "controls/default_push_button.h"

#include "controls/runtime_state.h"

namespace {

bool IsPushButton(const Control& control) {
  return std::holds_alternative<ButtonProperties>(control.definition().properties);
}

bool IsStoredDefault(const Control& control) {
  const auto* button = std::get_if<ButtonProperties>(&control.definition().properties);
  return button && button->type == 1;
}

}  // namespace

HWND DefaultPushButton(WindowId window, HWND focus) {
  LiveWindow* state = FindWindowState(window);
  if (!state) return nullptr;
  HWND stored = nullptr;
  for (const auto& [unit, control] : state->controls) {
    if (!IsPushButton(*control)) continue;
    if (focus && control->hwnd() == focus) return focus;
    if (!stored && IsStoredDefault(*control)) stored = control->hwnd();
  }
  return stored;
}

// Only buttons whose look changes are told, so nothing repaints for a focus move that leaves
// the default where it was.
void ShowDefaultPushButton(WindowId window, HWND focus) {
  LiveWindow* state = FindWindowState(window);
  if (!state) return;
  const HWND chosen = DefaultPushButton(window, focus);
  for (const auto& [unit, control] : state->controls) {
    if (!IsPushButton(*control) || !control->hwnd()) continue;
    const LONG_PTR style = GetWindowLongPtrW(control->hwnd(), GWL_STYLE);
    const bool isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    const bool wanted = control->hwnd() == chosen;
    if (isDefault == wanted) continue;
    const LONG_PTR type = wanted ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    const LONG_PTR newStyle = (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | type;
    SendMessageW(control->hwnd(), BM_SETSTYLE, static_cast<WPARAM>(newStyle), TRUE);
  }
}
