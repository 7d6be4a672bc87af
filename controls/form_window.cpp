#include "controls/form_window.h"

#include <algorithm>

#include "components/services/wide_text.h"
#include "controls/child_window.h"
#include "controls/painted/colours.h"
#include "controls/painted/decoded_picture.h"
#include "components/services/gdi_handle.h"
#include "controls/control_link.h"
#include "controls/event_delivery.h"
#include "controls/icon_file.h"
#include "controls/layout_rules.h"
#include "controls/live_windows.h"
#include "controls/property_value.h"
#include "controls/tray_icon.h"
#include "controls/window_events.h"
#include "controls/window_life.h"
#include "controls/window_menu.h"
#include "controls/window_style.h"

namespace {
constexpr wchar_t kFormWindowClass[] = L"VelmoForm";

enum Index {
  kCaption = 8,
  kBorder,
  kBackColour,
  kBackPicture,
  kPictureMode,
  kBackgroundMusic,
  kPlayTimes,
  kControlButton,
  kMaximiseButton,
  kMinimiseButton,
  kPosition,
  kMovable,
  kIcon,
  kEnterMovesFocus,
  kEscCloses,
  kF1OpensHelp,
  kHelpFile,
  kHelpId,
  kShowInTaskbar,
  kMoveByDraggingAnywhere,
  kShape,
  kAlwaysOnTop,
  kKeepTitleBarActive,
  kClassName,
};

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

  // The window's default push button, for the keyboard's Enter.
  LRESULT DefaultButtonId() const {
    LiveWindow* state = FindWindowState(window());
    if (!state) return 0;
    for (const auto& [unit, control] : state->controls) {
      const auto* button = std::get_if<ButtonProperties>(&control->definition().properties);
      if (button && button->type == 1) return MAKELONG(ControlIdOf(control->definition()), DC_HASDEFID);
    }
    return 0;
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
  WindowProperties& window = Properties();
  switch (index) {
    case kCaption:
      window.caption = AsText(value);
      SetWindowTextW(hwnd_, Widen(window.caption).c_str());
      ApplyStyle();
      break;
    case kBorder:
      window.border = BringChoice(AsInt(value), 6);
      ApplyStyle();
      break;
    case kBackColour:
      window.backColour = static_cast<Colour>(AsInt(value));
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case kBackPicture:
      window.backPicture = AsBytes(value);
      backPicture_.reset();
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case kPictureMode:
      window.pictureMode = BringChoice(AsInt(value), 3);
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case kBackgroundMusic:
      window.backgroundMusic = AsBytes(value);
      break;
    case kPlayTimes:
      window.playTimes = BringChoice(AsInt(value), 2);
      break;
    case kControlButton:
      window.controlButton = AsBool(value);
      ApplyStyle();
      break;
    case kMaximiseButton:
      window.maximiseButton = AsBool(value);
      ApplyStyle();
      break;
    case kMinimiseButton:
      window.minimiseButton = AsBool(value);
      ApplyStyle();
      break;
    case kPosition:
      window.position = BringChoice(AsInt(value), 3);
      ApplyPosition();
      break;
    case kMovable:
      window.movable = AsBool(value);
      ApplyMovable();
      break;
    case kIcon:
      window.icon = AsBytes(value);
      ApplyIcon();
      break;
    case kEnterMovesFocus:
      window.enterMovesFocus = AsBool(value);
      break;
    case kEscCloses:
      window.escCloses = AsBool(value);
      break;
    case kF1OpensHelp:
      window.f1OpensHelp = AsBool(value);
      break;
    case kHelpFile:
      window.helpFile = AsText(value);
      break;
    case kHelpId:
      window.helpId = AsInt(value);
      break;
    case kShowInTaskbar:
      // The owner that hides the taskbar button is chosen when the window is built.
      window.showInTaskbar = AsBool(value);
      break;
    case kMoveByDraggingAnywhere:
      window.moveByDraggingAnywhere = AsBool(value);
      break;
    case kShape:
      window.shape = BringChoice(AsInt(value), 29);
      break;
    case kAlwaysOnTop:
      window.alwaysOnTop = AsBool(value);
      SetWindowPos(hwnd_, window.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    case kKeepTitleBarActive:
      window.keepTitleBarActive = AsBool(value);
      break;
    case kClassName:
      window.className = AsText(value);
      break;
    default:
      break;
  }
}

PropertyValue FormWindow::ReadKindProperty(int index) const {
  const WindowProperties& window = Properties();
  switch (index) {
    case kCaption: return window.caption;
    case kBorder: return window.border;
    case kBackColour: return static_cast<int32_t>(window.backColour);
    case kBackPicture: return window.backPicture;
    case kPictureMode: return window.pictureMode;
    case kBackgroundMusic: return window.backgroundMusic;
    case kPlayTimes: return window.playTimes;
    case kControlButton: return window.controlButton;
    case kMaximiseButton: return window.maximiseButton;
    case kMinimiseButton: return window.minimiseButton;
    case kPosition: return window.position;
    case kMovable: return window.movable;
    case kIcon: return window.icon;
    case kEnterMovesFocus: return window.enterMovesFocus;
    case kEscCloses: return window.escCloses;
    case kF1OpensHelp: return window.f1OpensHelp;
    case kHelpFile: return window.helpFile;
    case kHelpId: return window.helpId;
    case kShowInTaskbar: return window.showInTaskbar;
    case kMoveByDraggingAnywhere: return window.moveByDraggingAnywhere;
    case kShape: return window.shape;
    case kAlwaysOnTop: return window.alwaysOnTop;
    case kKeepTitleBarActive: return window.keepTitleBarActive;
    case kClassName: return window.className;
    default: return int32_t{0};
  }
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
