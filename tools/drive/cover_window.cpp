#include "tools/drive/cover_window.h"

#include "tools/drive/waiting.h"

CoverWindow::CoverWindow() {
  WNDCLASSW coverClass{};
  coverClass.lpfnWndProc = DefWindowProcW;
  coverClass.lpszClassName = L"VelmoTourCover";
  RegisterClassW(&coverClass);
  window_ = CreateWindowExW(0, L"VelmoTourCover", L"cover", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300,
                            nullptr, nullptr, nullptr, nullptr);
  ComeForward();
}

CoverWindow::~CoverWindow() { DestroyWindow(window_); }

void CoverWindow::ComeForward() const {
  SetForegroundWindow(window_);
  PumpFor(200);
}
