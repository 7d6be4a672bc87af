// What the standard kinds share: fonts, the hidden window of non-visual kinds and the
// re-creation of a control whose change needs a new system control.
#pragma once
#include <windows.h>

#include "controls/control.h"
#include "components/services/gdi_handle.h"

// Gives `hwnd` the font of a font property (empty = the default GUI font); `owner` keeps the
// font made for it alive while the control uses it.
void ApplyFont(HWND hwnd, const ByteString& logFont, FontHandle& owner);

// A never-shown child window of the runtime's own class for a non-visual kind; WM_TIMER is
// handed to the control's OnReflectedMessage. Null on failure.
HWND CreateHiddenWindow(Control* control, HWND parent);

// The base of the non-visual kinds: a hidden window of their own, never shown.
class NonVisualControl : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent) override {
    hwnd_ = CreateHiddenWindow(this, parent);
    return hwnd_ != nullptr;
  }
  bool IsVisual() const override { return false; }
};

// Destroys the control's system window and creates it again from its definition, with events
// suppressed, keeping its container, stacking place and visibility.
void RecreateControl(Control& control);
