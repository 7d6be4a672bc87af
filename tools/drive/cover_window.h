// Another program's window in front, as the user's work is while they reach for the tray or
// start the program again: a plain window of the driving program's own, brought forward.
#pragma once
#include <windows.h>

class CoverWindow {
 public:
  CoverWindow();
  ~CoverWindow();
  CoverWindow(const CoverWindow&) = delete;
  CoverWindow& operator=(const CoverWindow&) = delete;
  // Brings it forward again.
  void ComeForward() const;
  bool InFront() const { return GetForegroundWindow() == window_; }

 private:
  HWND window_ = nullptr;
};
