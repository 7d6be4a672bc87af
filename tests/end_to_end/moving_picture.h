// A moving picture on the test screen: a topmost square that changes colour and place every
// 45 ms on its own timer, so that every frame of a take differs from the one before.
#pragma once
#include <windows.h>

class MovingPicture {
 public:
  MovingPicture();
  ~MovingPicture();
  MovingPicture(const MovingPicture&) = delete;
  MovingPicture& operator=(const MovingPicture&) = delete;

 private:
  HWND window_ = nullptr;
};
