#include "tests/recorder/colour_patch.h"

#include "components/services/gdi_handle.h"

namespace {
constexpr wchar_t kPatchClass[] = L"VelmoColourPatch";

LRESULT CALLBACK AnswerPatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_ERASEBKGND) return DefWindowProcW(window, message, wParam, lParam);
  RECT client;
  GetClientRect(window, &client);
  const BrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(window, GWLP_USERDATA))));
  FillRect(reinterpret_cast<HDC>(wParam), &client, brush.get());
  return 1;
}
}  // namespace

ColourPatch::ColourPatch(const RECT& at, COLORREF colour) {
  WNDCLASSW patchClass{};
  patchClass.lpfnWndProc = AnswerPatch;
  patchClass.lpszClassName = kPatchClass;
  RegisterClassW(&patchClass);
  window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kPatchClass, L"", WS_POPUP, at.left,
                            at.top, at.right - at.left, at.bottom - at.top, nullptr, nullptr, nullptr, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  UpdateWindow(window_);
}

ColourPatch::~ColourPatch() { DestroyWindow(window_); }

COLORREF ScreenColourAt(POINT at) {
  const WindowDc screen(nullptr);
  return GetPixel(screen.get(), at.x, at.y);
}
