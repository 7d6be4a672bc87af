#include "components/theme/theme_list.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <string>

#include "components/services/wide_text.h"
#include "components/theme/theme.h"
#include "components/theme/theme_procedure.h"

namespace {

std::string ClassNameOf(HWND window) {
  std::array<wchar_t, 256> name{};
  if (!window || !GetClassNameW(window, name.data(), static_cast<int>(name.size()))) return {};
  return Narrow(name.data());
}

ControlKind KindOf(HWND window) {
  const auto style = static_cast<uint32_t>(GetWindowLongW(window, GWL_STYLE));
  const std::string className = ClassNameOf(window);
  const std::string parentClassName = ClassNameOf((style & WS_CHILD) ? GetParent(window) : nullptr);
  return KindOfWindow({className, style, GetWindowTextLengthW(window) == 0, parentClassName});
}

bool IsButtonKind(ControlKind kind) {
  return kind == ControlKind::kPushButton || kind == ControlKind::kCheckBox || kind == ControlKind::kRadioButton;
}

ControlState InitialState(HWND window, ControlKind kind) {
  const auto style = static_cast<uint32_t>(GetWindowLongW(window, GWL_STYLE));
  ControlState state;
  state.disabled = !IsWindowEnabled(window);
  state.focused = GetFocus() == window;
  state.readOnly = kind == ControlKind::kEditBox && (style & ES_READONLY);
  if (IsButtonKind(kind)) {
    const LRESULT check = SendMessageW(window, BM_GETCHECK, 0, 0);
    state.checked = check == BST_CHECKED;
    state.indeterminate = check == BST_INDETERMINATE;
    state.pressed = (SendMessageW(window, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    state.isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  }
  return state;
}

}  // namespace

ThemeState& Theme() {
  static ThemeState theme;
  return theme;
}

bool ThemeWindow(HWND window, bool redraw) {
  if (IsControlThemed(window)) return false;
  const ControlKind kind = KindOf(window);
  if (kind == ControlKind::kNone) return false;
  auto control = std::make_unique<ThemedControl>(ThemedControl{
      window, kind, InitialState(window, kind), reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC))});
  // Subclassing through the common controls rather than swapping the window procedure: the
  // control sees the same messages, and a procedure installed by someone else after the theme
  // is never cut off when the theme lets go.
  if (!SetWindowSubclass(window, ThemeProcedure, kThemeSubclassId, reinterpret_cast<DWORD_PTR>(control.get())))
    return false;
  Theme().controls.push_back(std::move(control));
  if (redraw) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  return true;
}

void UnthemeControl(ThemedControl& control, bool redraw) {
  const HWND window = control.window;
  RemoveWindowSubclass(window, ThemeProcedure, kThemeSubclassId);
  std::erase_if(Theme().controls, [&](const auto& entry) { return entry.get() == &control; });
  if (redraw)
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// A look through the list, not the window's subclass chain: the 64-bit import library lacks
// GetWindowSubclass, and the list is what "themed" means.
bool IsControlThemed(HWND window) {
  return window && std::ranges::any_of(Theme().controls, [&](const auto& entry) { return entry->window == window; });
}

bool IsStillListed(const ThemedControl* entry, HWND window) {
  return std::ranges::any_of(Theme().controls,
                             [&](const auto& listed) { return listed.get() == entry && listed->window == window; });
}

int ThemedControlCount() { return static_cast<int>(Theme().controls.size()); }
