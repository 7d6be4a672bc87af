// The base of every live control: one object per control window, found from its HWND. A kind
// derives from it, creates its system control (or a child window it paints itself), keeps its
// own properties from index 8 in the unit's working definition, and raises its events.
#pragma once
#include <windows.h>

#include <vector>

#include "controls/runtime.h"

class Control {
 public:
  Control(WindowId window, UnitDefinition& definition) : window_(window), definition_(definition) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Creates the control hidden, as a child of `parent` at its stored rectangle, initialised
  // from its stored properties. False when the system control cannot be made.
  virtual bool Create(HWND parent) = 0;
  // Kind properties, index 8 and up: a write stores into the definition and updates the live
  // control; a read gives the current value.
  virtual void WriteKindProperty(int index, const PropertyValue& value) = 0;
  virtual PropertyValue ReadKindProperty(int index) const = 0;
  // Called once the whole window is built, so a kind can finish its set-up.
  virtual void OnWindowComplete() {}
  // Non-visual kinds (Timer, CommonDlg, ZipComponent) are never shown.
  virtual bool IsVisual() const { return true; }
  // A notification the parent window reflects back to the control that sent it (WM_COMMAND,
  // WM_HSCROLL, WM_CTLCOLOR*, WM_DRAWITEM, WM_NOTIFY). True when handled, with its result.
  virtual bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    (void)message, (void)wParam, (void)lParam, (void)result;
    return false;
  }

  HWND hwnd() const { return hwnd_; }
  WindowId window() const { return window_; }
  // The control's unit in its window's working list, which keeps its length while the window
  // lives (WorkingForm) and is kept after the window is gone for as long as this object is.
  UnitDefinition& definition() const { return definition_; }

 protected:
  HWND hwnd_ = nullptr;

 private:
  WindowId window_;
  UnitDefinition& definition_;
};
