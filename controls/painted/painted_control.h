// The base of the kinds the runtime paints itself: a plain child window of its own class, linked
// to this object at WM_NCCREATE (control_link.h), that paints through one PaintContent for both
// WM_PAINT and WM_PRINTCLIENT.
#pragma once
#include <windows.h>

#include <string>

#include "controls/control.h"

class PaintedControl : public Control {
 public:
  using Control::Control;
  // Destroys the window if it still exists, so that it never outlives this object.
  ~PaintedControl() override;

 protected:
  // Creates the window of `className` (registered on first use) with its window text as
  // CreateChildWindow does, with the styles of `border` (border_style.h) and the extra ones
  // given. False when the system refuses.
  bool CreatePaintedWindow(HWND parent, const wchar_t* className, const std::string& text, DWORD extraStyle,
                           DWORD extraExtendedStyle, int border);

  // Paints the whole client area into `dc`.
  virtual void PaintContent(HDC dc) = 0;
  // Messages other than painting; the default gives them to DefWindowProc.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Asks for a repaint of the whole client area.
  void Repaint() const;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
};
