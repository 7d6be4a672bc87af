#include "controls/hidden_window.h"

namespace {

// The window finds its object through the creation data, linked before any other message.
LRESULT CALLBACK RouteMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  const auto* owner = reinterpret_cast<const HiddenWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!owner) return DefWindowProcW(window, message, wParam, lParam);
  return owner->Answer(window, message, wParam, lParam);
}

}  // namespace

HiddenWindow::HiddenWindow(const wchar_t* className, Procedure procedure, void* data, bool findable)
    : procedure_(procedure), data_(data) {
  const HINSTANCE program = GetModuleHandleW(nullptr);
  const WNDCLASSW windowClass{0, RouteMessage, 0, 0, program, nullptr, nullptr, nullptr, nullptr, className};
  RegisterClassW(&windowClass);
  window_ = findable ? CreateWindowExW(WS_EX_TOOLWINDOW, className, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                       program, this)
                     : CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, program, this);
}

HiddenWindow::~HiddenWindow() {
  if (window_) DestroyWindow(window_);
}

LRESULT HiddenWindow::Answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
  return procedure_(data_, window, message, wParam, lParam);
}
