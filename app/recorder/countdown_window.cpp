#include "app/recorder/countdown_window.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <string>

#include "app/recorder/area_geometry.h"
#include "app/recorder/overlay_window.h"
#include "app/recorder/screen_windows.h"
#include "components/services/gdi_handle.h"
#include "components/services/screen_pixels.h"
#include "components/services/steady_clock.h"

namespace {

constexpr UINT kLookMilliseconds = 50;  // how often the clock is looked at
constexpr UINT_PTR kLookTimer = 1;
constexpr UINT kCancelMessage = WM_APP + 1;
constexpr int64_t kSecond = 1'000'000;
constexpr BYTE kOpacity = 200;
constexpr COLORREF kBack = RGB(24, 24, 24);
constexpr COLORREF kDigits = RGB(255, 255, 255);
// The box is a third of the area's shorter side, within these bounds, in pixels.
constexpr int kSmallestBox = 120;
constexpr int kLargestBox = 360;

// The countdown running now, for CancelCountdown and the keyboard hook.
std::atomic<HWND> running{nullptr};

// The number on show `elapsed` microseconds into a countdown from `seconds`; 0 once it has run
// out.
int NumberShown(int seconds, int64_t elapsed) {
  return static_cast<int>(std::clamp<int64_t>(seconds - std::max<int64_t>(elapsed, 0) / kSecond, 0, seconds));
}

AreaEdges BoxOver(const ScreenArea& over) {
  const int side = std::clamp(std::min(over.width, over.height) / 3, kSmallestBox, kLargestBox);
  const int left = over.left + over.width / 2 - side / 2, top = over.top + over.height / 2 - side / 2;
  return ShiftedInto({left, top, left + side, top + side}, VirtualScreenEdges());
}

// The countdown takes no focus, so Esc reaches it through a low-level hook for its life: it sees
// every press whichever window has the focus, however short, and keeps the press from that
// window, where Esc could close a dialog the user means to record.
LRESULT CALLBACK WatchForEscape(int code, WPARAM message, LPARAM data) {
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
  const HWND countdown = running.load();
  if (code == HC_ACTION && key->vkCode == VK_ESCAPE && message == WM_KEYDOWN && countdown) {
    PostMessageW(countdown, kCancelMessage, 0, 0);
    return 1;
  }
  return CallNextHookEx(nullptr, code, message, data);
}

HHOOK NoHook() { return nullptr; }
using KeyboardHook = UniqueWinHandle<HHOOK, UnhookWindowsHookEx, NoHook>;

enum class Outcome { Counting, RanOut, Cancelled };

class Countdown {
 public:
  Countdown(const ScreenArea& over, int seconds);
  bool Made() const { return window_.get() != nullptr; }
  bool Run();
  LRESULT Answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Look();
  void Paint(HWND window) const;

  const int seconds_;
  int64_t start_ = 0;
  int shown_ = 0;
  Outcome outcome_ = Outcome::Counting;
  FontHandle font_;
  OverlayWindow window_;
};

// Made while the thread is per-monitor aware, as the area it lies over is measured.
Countdown::Countdown(const ScreenArea& over, int seconds) : seconds_(seconds), shown_(seconds) {
  if (!RegisterOverlayClass(kCountdownClass, OverlayProcedure<Countdown>, 0)) return;
  const PhysicalScreenScope physical;
  const AreaEdges box = BoxOver(over);
  font_.reset(CreateFontW(-box.height() * 7 / 10, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L""));
  window_.reset(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED |
                                    WS_EX_TRANSPARENT,
                                kCountdownClass, std::to_wstring(seconds).c_str(), WS_POPUP, box.left, box.top,
                                box.width(), box.height(), nullptr, nullptr, GetModuleHandleW(nullptr), this));
}

// The mouse passes through to the windows beneath, and the clock starts once the first number
// is on the screen.
bool Countdown::Run() {
  SetLayeredWindowAttributes(window_.get(), 0, kOpacity, LWA_ALPHA);
  KeepOverlayOutOfFrames(window_.get());
  running = window_.get();
  const KeyboardHook hook(SetWindowsHookExW(WH_KEYBOARD_LL, WatchForEscape, GetModuleHandleW(nullptr), 0));
  ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
  UpdateWindow(window_.get());
  start_ = SteadyMicroseconds();
  SetTimer(window_.get(), kLookTimer, kLookMilliseconds, nullptr);
  if (!HandleMessagesUntil([this] { return outcome_ != Outcome::Counting; })) outcome_ = Outcome::Cancelled;
  running = nullptr;
  window_.reset();
  return outcome_ == Outcome::RanOut;
}

LRESULT Countdown::Answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      Look();
      return 0;
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case kCancelMessage:
    case WM_CLOSE:
      outcome_ = Outcome::Cancelled;
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      if (outcome_ == Outcome::Counting) outcome_ = Outcome::Cancelled;
      window_.release();
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Countdown::Look() {
  const int number = NumberShown(seconds_, SteadyMicroseconds() - start_);
  if (number == 0) {
    outcome_ = Outcome::RanOut;
  } else if (number != shown_) {
    shown_ = number;
    SetWindowTextW(window_.get(), std::to_wstring(number).c_str());
    InvalidateRect(window_.get(), nullptr, FALSE);
  }
}

void Countdown::Paint(HWND window) const {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  const BrushHandle back(CreateSolidBrush(kBack));
  FillRect(dc, &client, back.get());
  const Selection font(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kDigits);
  const std::wstring number = std::to_wstring(shown_);
  DrawTextW(dc, number.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  EndPaint(window, &paint);
}

}  // namespace

// One countdown at a time: a second asked for while one runs is cancelled at once.
bool RunCountdown(const ScreenArea& over, int seconds) {
  if (seconds <= 0) return true;
  if (running.load()) return false;
  Countdown countdown(over, std::min(seconds, kLongestCountdown));
  return countdown.Made() && countdown.Run();
}

void CancelCountdown() {
  if (const HWND window = running.load()) PostMessageW(window, kCancelMessage, 0, 0);
}
