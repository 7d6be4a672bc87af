#include "components/theme/theme_procedure.h"

#include <commctrl.h>

#include "components/theme/gdi_drawing.h"
#include "components/theme/painters.h"
#include "components/theme/theme_list.h"

namespace {

// Edit boxes and drop-down lists keep their own client drawing; the theme only frames them.
bool PaintsFrameOnly(ControlKind kind) { return kind == ControlKind::kEditBox || kind == ControlKind::kComboList; }

bool IsMousePress(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_LBUTTONDBLCLK;
}

// Messages after which the standard controls draw themselves directly, so the theme paints
// over what they drew.
bool RedrawsItself(UINT message) {
  switch (message) {
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_CAPTURECHANGED:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_UPDATEUISTATE:
    case WM_CHANGEUISTATE:
    case WM_COMMAND:
    case CB_SETCURSEL:
    case CB_SHOWDROPDOWN:
      return true;
  }
  return false;
}

void StartHotTracking(ThemedControl& control) {
  control.state.hot = true;
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, control.window, 0};
  TrackMouseEvent(&track);
}

// Updates the entry from a message that changes the control's state; true when it changed.
bool UpdateState(ThemedControl& control, UINT message, WPARAM wParam, LPARAM lParam) {
  ControlState& state = control.state;
  const ControlState before = state;
  switch (message) {
    case WM_ENABLE:
      state.disabled = !wParam;
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      state.focused = message == WM_SETFOCUS;
      break;
    case BM_SETSTATE:
      state.pressed = wParam != 0;
      break;
    case BM_SETCHECK:
      state.checked = wParam == BST_CHECKED;
      state.indeterminate = wParam == BST_INDETERMINATE;
      break;
    case BM_SETSTYLE:
      state.isDefault = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
      break;
    case WM_STYLECHANGED:
      if (wParam == static_cast<WPARAM>(GWL_STYLE) && control.kind == ControlKind::kPushButton)
        state.isDefault = (reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
      break;
    case WM_MOUSEMOVE:
      if (!state.hot && !(wParam & (MK_LBUTTON | MK_MBUTTON | MK_RBUTTON))) StartHotTracking(control);
      break;
    case WM_MOUSELEAVE:
      state.hot = false;
      break;
  }
  return !(before == state);
}

void PrintOwnContent(HWND window, HDC dc) {
  DefSubclassProc(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
}

// Paints a control that the theme draws in full; `dc` has its origin at the client area.
void PaintClient(ThemedControl& control, HDC dc) {
  const int scheme = Theme().scheme;
  switch (control.kind) {
    case ControlKind::kPushButton:
      return PaintPushButton(control, scheme, dc);
    case ControlKind::kCheckBox:
    case ControlKind::kRadioButton:
      return PaintCheckMarkButton(control, scheme, dc);
    case ControlKind::kGroupBox:
      return PaintGroupBox(control, dc);
    case ControlKind::kUpDown:
      return PaintUpDown(control, scheme, dc);
    case ControlKind::kComboBox: {
      control.state.pressed = DefSubclassProc(control.window, CB_GETDROPPEDSTATE, 0, 0) != 0;
      const POINT client = ClientOriginInWindow(control.window);
      return PaintComboBox(control, scheme, dc, {-client.x, -client.y}, PrintOwnContent);
    }
    default:
      return;
  }
}

// A combo box is painted over its whole window rectangle, frame included.
void PaintOnScreen(ThemedControl& control) {
  if (PaintsFrameOnly(control.kind)) {
    const WindowDc dc(control.window, true);
    return PaintEditFrame(control, Theme().scheme, dc.get());
  }
  const bool wholeWindow = control.kind == ControlKind::kComboBox;
  const WindowDc dc(control.window, wholeWindow);
  const POINT client = wholeWindow ? ClientOriginInWindow(control.window) : POINT{0, 0};
  SetViewportOrgEx(dc.get(), client.x, client.y, nullptr);
  PaintClient(control, dc.get());
}

void PaintRequested(ThemedControl& control) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(control.window, &paint);
  if (control.kind == ControlKind::kComboBox)
    PaintOnScreen(control);
  else
    PaintClient(control, dc);
  EndPaint(control.window, &paint);
}

LRESULT PassOnAndPaintFrame(ThemedControl& control, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(control.window, message, wParam, lParam);
  PaintOnScreen(control);
  return result;
}

// Printing the whole window (PrintWindow) shows the same frame as the screen. The control's
// own printing may leave the DC clipped to its client area, so the DC is put back first.
LRESULT PassOnAndPrintFrame(ThemedControl& control, WPARAM wParam, LPARAM lParam) {
  const auto dc = reinterpret_cast<HDC>(wParam);
  const int saved = SaveDC(dc);
  const LRESULT result = DefSubclassProc(control.window, WM_PRINT, wParam, lParam);
  RestoreDC(dc, saved);
  if (lParam & PRF_NONCLIENT) PaintEditFrame(control, Theme().scheme, dc);
  return result;
}

LRESULT PassOnAndForget(ThemedControl& control, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(control.window, message, wParam, lParam);
  UnthemeControl(control, false);
  return result;
}

}  // namespace

LRESULT CALLBACK ThemeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR entry) {
  ThemedControl& control = *reinterpret_cast<ThemedControl*>(entry);
  const bool frameOnly = PaintsFrameOnly(control.kind);
  switch (message) {
    case WM_NCDESTROY:
      return PassOnAndForget(control, message, wParam, lParam);
    case WM_NCPAINT:
      if (frameOnly || control.kind == ControlKind::kComboBox) return PassOnAndPaintFrame(control, message, wParam, lParam);
      break;
    case WM_PRINT:
      if (frameOnly) return PassOnAndPrintFrame(control, wParam, lParam);
      break;
    case WM_PAINT:
      if (frameOnly) break;
      PaintRequested(control);
      return 0;
    case WM_PRINTCLIENT:
      if (frameOnly) break;
      PaintClient(control, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      if (frameOnly) break;
      return 1;
  }
  if (control.kind == ControlKind::kUpDown && IsMousePress(message))
    return DefSubclassProc(window, message, wParam, lParam);
  const bool changed = UpdateState(control, message, wParam, lParam);
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  // A click may have destroyed the control (its window closed) or switched the theme off.
  if (!IsStillListed(&control, window)) return result;
  if (changed || (!frameOnly && RedrawsItself(message))) PaintOnScreen(control);
  return result;
}
