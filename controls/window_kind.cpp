#include "controls/window_kind.h"

#include <algorithm>

#include "components/services/wide_text.h"
#include "controls/busy_cursor.h"
#include "controls/child_window.h"
#include "controls/painted/colours.h"
#include "controls/painted/decoded_picture.h"
#include "components/services/gdi_handle.h"
#include "controls/control_link.h"
#include "controls/default_push_button.h"
#include "controls/dropped_files.h"
#include "controls/event_delivery.h"
#include "controls/icon_file.h"
#include "controls/layout_rules.h"
#include "controls/runtime_state.h"
#include "controls/property_table.h"
#include "controls/property_value.h"
#include "controls/tray_icon.h"
#include "controls/window_events.h"
#include "controls/window_life.h"
#include "controls/window_menu.h"
#include "controls/window_style.h"
#include "controls/property_indexes.h"

namespace {
constexpr wchar_t kFormWindowClass[] = L"VelmoForm";

using namespace window_property;

class FormWindow : public Control {
 public:
  using Control::Control;

  bool Create(HWND owner) override {
    RegisterWindowClass();
    const WindowStyle style = WindowStyleOf(Properties());
    DWORD exStyle = style.exStyle | WS_EX_CONTROLPARENT;
    if (Properties().alwaysOnTop) exStyle |= WS_EX_TOPMOST;
    DWORD plain = style.style | WS_CLIPCHILDREN;
    if (definition().flags & kFlagDisabled) plain |= WS_DISABLED;
    const Point at = CreationPosition();
    hwnd_ = CreateWindowExW(exStyle, kFormWindowClass, Widen(Properties().caption).c_str(), plain, at.x, at.y,
                            definition().width, definition().height, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_) return false;
    ApplyMovable();
    ApplyIcon();
    return true;
  }

  void WriteKindProperty(int index, const PropertyValue& value) override;
  PropertyValue ReadKindProperty(int index) const override;

 private:
  WindowProperties& Properties() const { return std::get<WindowProperties>(definition().properties); }

  static void RegisterWindowClass() {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kFormWindowClass, &windowClass)) return;
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kFormWindowClass;
    RegisterClassExW(&windowClass);
  }

  Point CreationPosition() const {
    if (Properties().position != 1) return {definition().left, definition().top};
    return CentredPosition(definition().width, definition().height, GetSystemMetrics(SM_CXSCREEN),
                           GetSystemMetrics(SM_CYSCREEN));
  }

  void ApplyStyle() {
    const WindowStyle wanted = WindowStyleOf(Properties());
    const LONG_PTR style = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & ~static_cast<LONG_PTR>(kWindowStyleBits)) | wanted.style;
    const LONG_PTR exStyle =
        (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(kWindowExStyleBits)) | wanted.exStyle;
    SetWindowLongPtrW(hwnd_, GWL_STYLE, style);
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, exStyle);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ApplyMovable();
  }

  void ApplyCaption() {
    SetWindowTextW(hwnd_, Widen(Properties().caption).c_str());
    ApplyStyle();
  }

  void Repaint() { InvalidateRect(hwnd_, nullptr, TRUE); }

  void ForgetBackPicture() {
    backPicture_.reset();
    Repaint();
  }

  void ApplyAlwaysOnTop() {
    SetWindowPos(hwnd_, Properties().alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  void ApplyMovable() {
    GetSystemMenu(hwnd_, TRUE);
    if (!Properties().movable) DeleteMenu(GetSystemMenu(hwnd_, FALSE), SC_MOVE, MF_BYCOMMAND);
  }

  void ApplyIcon() {
    LiveWindow* state = FindWindowState(window());
    if (!state) return;
    IconHandle big = MakeIcon(Properties().icon, GetSystemMetrics(SM_CXICON));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(big.get()));
    state->windowIcon = std::move(big);
  }

  void ApplyPosition() {
    if (!IsWindowVisible(hwnd_)) return;  // written while hidden: only stored
    switch (Properties().position) {
      case 0:
        ShowWindow(hwnd_, SW_RESTORE);
        break;
      case 1: {
        if (IsIconic(hwnd_) || IsZoomed(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
        RECT outer;
        GetWindowRect(hwnd_, &outer);
        const Point at = CentredPosition(outer.right - outer.left, outer.bottom - outer.top,
                                         GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        break;
      }
      case 2:
        ShowWindow(hwnd_, SW_MINIMIZE);
        break;
      default:
        ShowWindow(hwnd_, SW_MAXIMIZE);
        break;
    }
  }

  // The window's default push button, for the keyboard's Enter: the focused push button, else
  // the stored default.
  LRESULT DefaultButtonId() const {
    const HWND button = DefaultPushButton(window(), GetFocus());
    return button ? MAKELONG(GetDlgCtrlID(button), DC_HASDEFID) : 0;
  }

  // A command without a sending window: a menu or accelerator choice, Esc, or Enter on a
  // default button that lives inside a container.
  void OnPlainCommand(int id) {
    LiveWindow* state = FindWindowState(window());
    if (!state) return;
    if (id == IDCANCEL) {
      if (Properties().escCloses) RequestClose(window());
      return;
    }
    if (const UnitDefinition* item = MenuItemOfCommand(*state, id)) {
      RaiseEvent(window(), item->id, 0);
      return;
    }
    for (const auto& [unit, control] : state->controls) {
      if (ControlIdOf(control->definition()) != id) continue;
      LRESULT ignored = 0;
      control->OnReflectedMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control->hwnd()),
                                  &ignored);
      return;
    }
  }

  void RaiseWindowEvent(int event) { RaiseEvent(window(), definition().id, event); }

  static int TrayKind(LPARAM mouseMessage) {
    switch (LOWORD(mouseMessage)) {
      case WM_LBUTTONUP:
        return kTrayLeftUp;
      case WM_LBUTTONDBLCLK:
        return kTrayLeftDoubleClick;
      case WM_RBUTTONUP:
      case WM_CONTEXTMENU:
        return kTrayRightUp;
      default:
        return 0;
    }
  }

  bool OnSetCursor(HWND under) {
    Control* control = ControlFromHwnd(under);
    LiveWindow* state = FindWindowState(window());
    if (!control || !state) return false;
    auto found = state->cursors.find(control->definition().id);
    if (found == state->cursors.end()) return false;
    SetCursor(found->second.get());
    return true;
  }

  void PaintBackground(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    BrushHandle brush(CreateSolidBrush(ScreenColour(Properties().backColour)));
    FillRect(dc, &client, brush.get());
    if (!backPicture_ && !Properties().backPicture.empty()) backPicture_ = DecodedPicture::Decode(Properties().backPicture);
    // Mode 3 has no placement of its own among the panel modes; it is drawn centred like mode 2.
    if (backPicture_) backPicture_->Draw(dc, client, std::min(Properties().pictureMode, 2));
  }

  using Row = PropertyRow<FormWindow, WindowProperties>;
  using P = WindowProperties;
  // The show-in-taskbar property only stores: the owner that hides the taskbar button is chosen
  // when the window is built.
  static constexpr Row kPropertyRows[] = {
      {kCaption, &P::caption, kAsIs, &FormWindow::ApplyCaption},
      {kBorder, &P::border, Choice(6), &FormWindow::ApplyStyle},
      {kBackColour, &P::backColour, kAsIs, &FormWindow::Repaint},
      {kBackPicture, &P::backPicture, kAsIs, &FormWindow::ForgetBackPicture},
      {kPictureMode, &P::pictureMode, Choice(3), &FormWindow::Repaint},
      {kBackgroundMusic, &P::backgroundMusic},
      {kPlayTimes, &P::playTimes, Choice(2)},
      {kControlButton, &P::controlButton, kBoolean, &FormWindow::ApplyStyle},
      {kMaximiseButton, &P::maximiseButton, kBoolean, &FormWindow::ApplyStyle},
      {kMinimiseButton, &P::minimiseButton, kBoolean, &FormWindow::ApplyStyle},
      {kPosition, &P::position, Choice(3), &FormWindow::ApplyPosition},
      {kMovable, &P::movable, kBoolean, &FormWindow::ApplyMovable},
      {kIcon, &P::icon, kAsIs, &FormWindow::ApplyIcon},
      {kEnterMovesFocus, &P::enterMovesFocus, kBoolean},
      {kEscCloses, &P::escCloses, kBoolean},
      {kF1OpensHelp, &P::f1OpensHelp, kBoolean},
      {kHelpFile, &P::helpFile},
      {kHelpId, &P::helpId},
      {kShowInTaskbar, &P::showInTaskbar, kBoolean},
      {kMoveByDraggingAnywhere, &P::moveByDraggingAnywhere, kBoolean},
      {kShape, &P::shape, Choice(29)},
      {kAlwaysOnTop, &P::alwaysOnTop, kBoolean, &FormWindow::ApplyAlwaysOnTop},
      {kKeepTitleBarActive, &P::keepTitleBarActive, kBoolean},
      {kClassName, &P::className},
  };
  static constexpr std::span<const Row> kProperties{kPropertyRows};

  HWND lastFocus_ = nullptr;
  // The back picture, decoded at the first paint after it was set.
  std::unique_ptr<DecodedPicture> backPicture_;

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

LRESULT FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (ReflectNotification(message, wParam, lParam, &result)) return result;
  switch (message) {
    case WM_COMMAND:
      if (lParam != 0) break;
      OnPlainCommand(LOWORD(wParam));
      return 0;
    case DM_GETDEFID:
      return DefaultButtonId();
    case WM_CLOSE:
      RequestClose(window());
      return 0;
    case WM_ACTIVATE:
      // The control that had the focus gets it back when the window is activated again.
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (IsChild(hwnd_, focus)) lastFocus_ = focus;
      } else if (lastFocus_ && IsChild(hwnd_, lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      break;
    case WM_QUERYENDSESSION: {
      const std::optional<PropertyValue> answer = RaiseEvent(window(), definition().id, WindowEvent::kQueryClose);
      return answer && AsInt(*answer) == 0 ? FALSE : TRUE;
    }
    case WM_MOVE:
      RaiseWindowEvent(WindowEvent::kMoved);
      return 0;
    case WM_SIZE:
      RaiseWindowEvent(WindowEvent::kResized);
      return 0;
    case WM_SHOWWINDOW:
      RaiseWindowEvent(wParam ? WindowEvent::kShown : WindowEvent::kHidden);
      break;
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_SETCURSOR:
      // The system's answer to a click on a window a modal one disables (its beep) stays.
      if (IsBusyCursorOn()) {
        if (LOWORD(lParam) == static_cast<WORD>(HTERROR)) DefWindowProcW(hwnd_, message, wParam, lParam);
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
      break;
    case WM_NCHITTEST: {
      // A window moved by dragging anywhere takes its client area for its caption bar.
      const LRESULT hit = DefWindowProcW(hwnd_, message, wParam, lParam);
      return hit == HTCLIENT && Properties().moveByDraggingAnywhere ? HTCAPTION : hit;
    }
    case WM_NCACTIVATE:
      // A window that keeps its title bar active draws it active even when it is not.
      if (Properties().keepTitleBarActive) return DefWindowProcW(hwnd_, message, TRUE, lParam);
      break;
    case kTrayCallbackMessage:
      if (const int kind = TrayKind(lParam)) RaiseEvent(window(), definition().id, WindowEvent::kTrayEvent, {kind});
      return 0;
    case WM_DROPFILES:
      DeliverDroppedFiles(window(), reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_TIMER:
      if (wParam != kTrayRetryTimerId) break;
      if (LiveWindow* state = FindWindowState(window())) RestoreTrayIcon(*state);
      return 0;
    case kDeferredDestroyMessage:
      if (LiveWindow* state = FindWindowState(window()); state && state->closing) DestroyLoadedWindow(window());
      return 0;
    case WM_DESTROY:
      RaiseWindowEvent(WindowEvent::kAboutToBeDestroyed);
      if (LiveWindow* state = FindWindowState(window())) RemoveTrayIcon(*state);
      return 0;
    default:
      if (message != TaskbarCreatedMessage()) break;
      if (LiveWindow* state = FindWindowState(window())) RestoreTrayIcon(*state);
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    LinkControl(hwnd, self);
  }
  auto* self = static_cast<FormWindow*>(ControlFromHwnd(hwnd));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const WindowId window = self->window();
    RemovePropW(hwnd, L"VelmoControl");
    ReleaseWindow(window);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return self->Handle(message, wParam, lParam);
}

void FormWindow::WriteKindProperty(int index, const PropertyValue& value) {
  WriteTableProperty<FormWindow>(*this, Properties(), kProperties, index, value);
}

PropertyValue FormWindow::ReadKindProperty(int index) const {
  return ReadTableProperty<FormWindow>(*this, Properties(), kProperties, index);
}
}  // namespace

std::unique_ptr<Control> MakeFormWindow(WindowId window, UnitDefinition& unit) {
  return std::make_unique<FormWindow>(window, unit);
}

int ShowCommandOf(const UnitDefinition& windowUnit) {
  const auto& window = std::get<WindowProperties>(windowUnit.properties);
  if (window.position == 2) return SW_SHOWMINIMIZED;
  const bool resizable = window.border == 1 || window.border == 3 || window.border == 5;
  if (window.position == 3 && resizable) return SW_SHOWMAXIMIZED;
  return SW_SHOW;
}
