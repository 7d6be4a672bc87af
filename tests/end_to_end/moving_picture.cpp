#include "tests/end_to_end/moving_picture.h"

namespace {

constexpr COLORREF kColours[] = {RGB(230, 30, 30), RGB(30, 200, 40), RGB(30, 60, 230),
                                 RGB(240, 200, 20), RGB(200, 40, 200), RGB(20, 200, 210)};
constexpr int kSide = 240;
constexpr int kTop = 260;
constexpr int kStep = 24;
constexpr int kLeftmost = 40;
constexpr int kRightmost = 700;
constexpr UINT_PTR kTimerId = 1;

int step = 0;

int LeftAt(int n) {
  const int span = (kRightmost - kLeftmost) / kStep;
  const int phase = n % (2 * span);
  return kLeftmost + kStep * (phase < span ? phase : 2 * span - phase);
}

LRESULT CALLBACK SquareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      ++step;
      SetWindowPos(hwnd, HWND_TOPMOST, LeftAt(step), kTop, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
      InvalidateRect(hwnd, nullptr, TRUE);
      UpdateWindow(hwnd);
      return 0;
    case WM_ERASEBKGND: {
      RECT all;
      GetClientRect(hwnd, &all);
      HBRUSH brush = CreateSolidBrush(kColours[step % 6]);
      FillRect(reinterpret_cast<HDC>(wParam), &all, brush);
      DeleteObject(brush);
      return 1;
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

MovingPicture::MovingPicture() {
  WNDCLASSW squareClass{};
  squareClass.lpfnWndProc = SquareProc;
  squareClass.lpszClassName = L"VelmoMovingSquare";
  RegisterClassW(&squareClass);
  window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"VelmoMovingSquare", L"", WS_POPUP | WS_VISIBLE,
                            LeftAt(0), kTop, kSide, kSide, nullptr, nullptr, nullptr, nullptr);
  UpdateWindow(window_);
  SetTimer(window_, kTimerId, 45, nullptr);
}

MovingPicture::~MovingPicture() { DestroyWindow(window_); }
