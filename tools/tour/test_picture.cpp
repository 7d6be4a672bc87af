#include "tools/tour/test_picture.h"

#include <iterator>
#include <string>

#include "components/services/gdi_handle.h"

namespace {

constexpr wchar_t kClassName[] = L"VelmoTourPicture";
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kFrameMilliseconds = 40;
constexpr COLORREF kBars[] = {RGB(235, 235, 235), RGB(235, 235, 20), RGB(20, 235, 235), RGB(20, 235, 20),
                              RGB(235, 20, 235),  RGB(235, 20, 20),  RGB(20, 20, 235)};
constexpr int kBallSize = 70;

int frame = 0;

// The ball runs along a zigzag so that its place alone tells one frame from the next.
POINT BallAt(int n, const RECT& client) {
  const int spanX = client.right - kBallSize;
  const int spanY = client.bottom - kBallSize - 40;
  const int x = (n * 11) % (2 * spanX);
  const int y = (n * 7) % (2 * spanY);
  return {x < spanX ? x : 2 * spanX - x, 40 + (y < spanY ? y : 2 * spanY - y)};
}

void PaintPicture(HDC dc, const RECT& client) {
  const int bars = static_cast<int>(std::size(kBars));
  for (int i = 0; i < bars; ++i) {
    RECT bar{client.right * i / bars, 0, client.right * (i + 1) / bars, client.bottom};
    BrushHandle brush(CreateSolidBrush(kBars[(i + frame / 25) % bars]));
    FillRect(dc, &bar, brush.get());
  }
  const POINT ball = BallAt(frame, client);
  BrushHandle black(CreateSolidBrush(RGB(0, 0, 0)));
  Selection brush(dc, black.get());
  Ellipse(dc, ball.x, ball.y, ball.x + kBallSize, ball.y + kBallSize);

  RECT band{0, 0, client.right, 36};
  FillRect(dc, &band, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  FontHandle font(CreateFontW(-22, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L""));
  Selection chosen(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  const std::wstring text = L"测试画面  第 " + std::to_wstring(frame) + L" 帧";
  DrawTextW(dc, text.c_str(), -1, &band, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// Drawn off screen first, so a capture never meets a half-painted picture.
void Paint(HWND hwnd) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  RECT client;
  GetClientRect(hwnd, &client);
  MemoryDc memory(CreateCompatibleDC(dc));
  BitmapHandle bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
  if (memory && bitmap) {
    Selection selected(memory.get(), bitmap.get());
    PaintPicture(memory.get(), client);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
  }
  EndPaint(hwnd, &paint);
}

LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      ++frame;
      InvalidateRect(hwnd, nullptr, FALSE);
      UpdateWindow(hwnd);
      return 0;
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

TestPicture::TestPicture(const RECT& area) {
  WNDCLASSW pictureClass{};
  pictureClass.lpfnWndProc = PictureProc;
  pictureClass.hInstance = GetModuleHandleW(nullptr);
  pictureClass.lpszClassName = kClassName;
  RegisterClassW(&pictureClass);
  window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP | WS_BORDER,
                            area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!window_) return;
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  UpdateWindow(window_);
  SetTimer(window_, kTimerId, kFrameMilliseconds, nullptr);
}

TestPicture::~TestPicture() {
  if (window_) DestroyWindow(window_);
}
