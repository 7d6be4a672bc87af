#include "app/recorder/area_picker.h"

#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "app/recorder/area_geometry.h"
#include "app/recorder/area_overlay_picture.h"
#include "app/recorder/overlay_window.h"
#include "app/recorder/screen_windows.h"
#include "components/services/screen_pixels.h"

namespace {

struct ModeRow {
  PickMode mode;
  const wchar_t* instructions;
  bool adjustable;  // whether the rectangle shows handles and follows drags
};
constexpr ModeRow kModes[] = {
    {PickMode::Region, L"拖动选择录制区域，单击选中整个窗口；按 Enter 或双击确定，按 Esc 或右键取消", true},
    {PickMode::Window, L"单击选择要录制的窗口，按 Esc 或右键取消", false},
};

const ModeRow& RowOf(PickMode mode) {
  return *std::find_if(std::begin(kModes), std::end(kModes), [&](const ModeRow& row) { return row.mode == mode; });
}

struct CursorRow {
  AreaGrip grip;
  const wchar_t* cursor;
};
const CursorRow kCursors[] = {
    {AreaGrip::None, IDC_CROSS},          {AreaGrip::Inside, IDC_SIZEALL},  {AreaGrip::TopLeft, IDC_SIZENWSE},
    {AreaGrip::Top, IDC_SIZENS},          {AreaGrip::TopRight, IDC_SIZENESW}, {AreaGrip::Right, IDC_SIZEWE},
    {AreaGrip::BottomRight, IDC_SIZENWSE}, {AreaGrip::Bottom, IDC_SIZENS},  {AreaGrip::BottomLeft, IDC_SIZENESW},
    {AreaGrip::Left, IDC_SIZEWE},
};

const wchar_t* CursorOf(AreaGrip grip) {
  return std::find_if(std::begin(kCursors), std::end(kCursors), [&](const CursorRow& row) { return row.grip == grip; })
      ->cursor;
}

enum class Outcome { Picking, Accepted, Cancelled };
// The left button: up, down but not yet moved beyond a click, dragging, or down for the second
// time of a double click inside the rectangle (which accepts when it comes up).
enum class Button { Up, Pressed, Dragging, SecondClick };

class AreaOverlay {
 public:
  AreaOverlay(PickMode mode, const ScreenArea& offered);
  bool Made() const { return window_.get() != nullptr; }
  bool Run(ScreenArea& chosen);
  LRESULT Answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Paint(HWND window) const;
  void Press(AreaPoint at);
  void Follow(AreaPoint at);
  void Release(AreaPoint at);
  void PressAgain(AreaPoint at);
  void PressKey(WPARAM key);
  void Show(const std::optional<AreaEdges>& area);
  void End(Outcome outcome) { outcome_ = outcome; }
  std::optional<AreaEdges> WindowUnder(AreaPoint at) const;
  const wchar_t* Cursor() const;
  AreaPoint OnScreen(LPARAM lParam) const;
  AreaEdges InClient(const AreaEdges& edges) const;

  const ModeRow& mode_;
  const AreaEdges screen_;
  const std::vector<AreaEdges> windows_;
  OverlayPicture picture_;
  std::optional<AreaEdges> shown_;
  Button button_ = Button::Up;
  AreaDrag drag_;
  Outcome outcome_ = Outcome::Picking;
  OverlayWindow window_;
};

// The screen is copied and its windows listed before the overlay covers it. The overlay is made
// while the thread is per-monitor aware and keeps that awareness for its life, so its mouse
// messages come in the same physical pixels as the copy, on every monitor whatever its scaling.
AreaOverlay::AreaOverlay(PickMode mode, const ScreenArea& offered)
    : mode_(RowOf(mode)), screen_(VirtualScreenEdges()), windows_(VisibleWindowAreas()) {
  if (!picture_.Take(screen_, mode_.instructions)) return;
  const PhysicalScreenScope physical;
  POINT pointer{};
  GetCursorPos(&pointer);
  shown_ = mode_.adjustable ? (offered.IsEmpty() ? std::nullopt : RecordableArea(EdgesOf(offered), screen_))
                            : WindowUnder({pointer.x, pointer.y});
  if (!RegisterOverlayClass(kAreaPickerClass, OverlayProcedure<AreaOverlay>, CS_DBLCLKS)) return;
  window_.reset(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kAreaPickerClass, mode_.instructions, WS_POPUP,
                                screen_.left, screen_.top, screen_.width(), screen_.height(), nullptr, nullptr,
                                GetModuleHandleW(nullptr), this));
}

// A quit request ends the choice as a cancel.
bool AreaOverlay::Run(ScreenArea& chosen) {
  KeepOverlayOutOfFrames(window_.get());
  ShowWindow(window_.get(), SW_SHOW);
  SetForegroundWindow(window_.get());
  UpdateWindow(window_.get());
  if (!HandleMessagesUntil([this] { return outcome_ != Outcome::Picking; })) End(Outcome::Cancelled);
  window_.reset();
  if (outcome_ != Outcome::Accepted || !shown_) return false;
  chosen = AreaOf(*shown_);
  return true;
}

// The choice ends on a button's release, not its press, so the release does not fall through to
// the window beneath once the overlay is gone.
LRESULT AreaOverlay::Answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT) break;
      SetCursor(LoadCursorW(nullptr, Cursor()));
      return TRUE;
    case WM_LBUTTONDOWN:
      Press(OnScreen(lParam));
      return 0;
    case WM_LBUTTONDBLCLK:
      PressAgain(OnScreen(lParam));
      return 0;
    case WM_MOUSEMOVE:
      Follow(OnScreen(lParam));
      return 0;
    case WM_LBUTTONUP:
      Release(OnScreen(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window) button_ = Button::Up;
      return 0;
    case WM_KEYDOWN:
      PressKey(wParam);
      return 0;
    case WM_RBUTTONUP:
    case WM_CLOSE:
    case WM_DISPLAYCHANGE:
      End(Outcome::Cancelled);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      if (outcome_ == Outcome::Picking) End(Outcome::Cancelled);
      window_.release();
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void AreaOverlay::Paint(HWND window) const {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  picture_.Paint(dc, paint.rcPaint, shown_ ? std::optional<AreaEdges>(InClient(*shown_)) : std::nullopt,
                 mode_.adjustable);
  EndPaint(window, &paint);
}

void AreaOverlay::Press(AreaPoint at) {
  const AreaGrip grip = mode_.adjustable && shown_ ? GripAt(*shown_, at.x, at.y) : AreaGrip::None;
  drag_ = {grip, shown_.value_or(AreaEdges{}), at};
  button_ = Button::Pressed;
  SetCapture(window_.get());
}

// A double click inside the rectangle accepts it; elsewhere its second press is a press.
void AreaOverlay::PressAgain(AreaPoint at) {
  if (!mode_.adjustable || !shown_ || !shown_->Contains(at.x, at.y)) return Press(at);
  button_ = Button::SecondClick;
  SetCapture(window_.get());
}

void AreaOverlay::Follow(AreaPoint at) {
  if (!mode_.adjustable) return Show(WindowUnder(at));
  if (button_ == Button::Pressed && MovedBeyondClick(drag_.pressed, at)) button_ = Button::Dragging;
  if (button_ == Button::Dragging) Show(DraggedArea(drag_, at, screen_, WindowAt(windows_, at, kSnapDistance)));
}

// In a region, a click that did not grab the rectangle takes the window under it.
void AreaOverlay::Release(AreaPoint at) {
  const Button button = button_;
  ReleaseCapture();
  button_ = Button::Up;
  if (!mode_.adjustable) {
    Show(WindowUnder(at));
    if (button == Button::Pressed && shown_) End(Outcome::Accepted);
    return;
  }
  if (button == Button::Dragging) Show(DraggedArea(drag_, at, screen_, WindowAt(windows_, at, kSnapDistance)));
  if (button == Button::Pressed && drag_.grip == AreaGrip::None) {
    if (const std::optional<AreaEdges> under = WindowUnder(at)) Show(under);
  }
  if (button == Button::SecondClick) End(Outcome::Accepted);
}

void AreaOverlay::PressKey(WPARAM key) {
  if (key == VK_ESCAPE) End(Outcome::Cancelled);
  if (key == VK_RETURN && shown_) End(Outcome::Accepted);
}

// Only the parts that showed the old rectangle's marks or show the new one's are painted again.
void AreaOverlay::Show(const std::optional<AreaEdges>& area) {
  if (area == shown_) return;
  for (const std::optional<AreaEdges>& changed : {shown_, area}) {
    if (!changed) continue;
    const AreaEdges marked = MarkedBounds(InClient(*changed));
    const RECT bounds{marked.left, marked.top, marked.right, marked.bottom};
    InvalidateRect(window_.get(), &bounds, FALSE);
  }
  shown_ = area;
}

std::optional<AreaEdges> AreaOverlay::WindowUnder(AreaPoint at) const {
  const std::optional<AreaEdges> window = WindowAt(windows_, at, 0);
  return window ? RecordableArea(*window, screen_) : std::nullopt;
}

// While the button is down the cursor keeps the shape of what it took hold of.
const wchar_t* AreaOverlay::Cursor() const {
  if (!mode_.adjustable) return IDC_ARROW;
  if (button_ == Button::Pressed || button_ == Button::Dragging) return CursorOf(drag_.grip);
  POINT pointer{};
  GetCursorPos(&pointer);
  return CursorOf(shown_ ? GripAt(*shown_, pointer.x, pointer.y) : AreaGrip::None);
}

AreaPoint AreaOverlay::OnScreen(LPARAM lParam) const {
  return {GET_X_LPARAM(lParam) + screen_.left, GET_Y_LPARAM(lParam) + screen_.top};
}

AreaEdges AreaOverlay::InClient(const AreaEdges& edges) const {
  return {edges.left - screen_.left, edges.top - screen_.top, edges.right - screen_.left, edges.bottom - screen_.top};
}

bool picking = false;

}  // namespace

// A second choice asked for while one is open (a hotkey pressed meanwhile) is refused.
bool PickScreenArea(PickMode mode, const ScreenArea& offered, ScreenArea& chosen) {
  if (picking) return false;
  picking = true;
  AreaOverlay overlay(mode, offered);
  const bool accepted = overlay.Made() && overlay.Run(chosen);
  picking = false;
  return accepted;
}
