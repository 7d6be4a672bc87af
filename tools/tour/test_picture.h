// The tour's moving test picture: a topmost window of colour bars with a ball that bounces across
// them and a running frame number, redrawn every 40 ms while the tour pumps its messages, so every
// frame of the take differs from the one before and playback visibly moves.
#pragma once
#include <windows.h>

class TestPicture {
 public:
  // Shows the picture at `area` (screen coordinates) without taking the focus.
  explicit TestPicture(const RECT& area);
  ~TestPicture();
  TestPicture(const TestPicture&) = delete;
  TestPicture& operator=(const TestPicture&) = delete;

  explicit operator bool() const { return window_ != nullptr; }

 private:
  HWND window_ = nullptr;
};
