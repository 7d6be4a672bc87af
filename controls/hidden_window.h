// A window of the program's own that is never shown and is no form: it only receives messages
// (a hotkey's press, a hand-over from a later start). Its procedure gets the data it was made
// with beside each message.
#pragma once
#include <windows.h>

class HiddenWindow {
 public:
  using Procedure = LRESULT (*)(void* data, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Registers `className` and makes one window of it. A message-only window, unless
  // `findable`: then a tool window that another process can find by its class name.
  // `procedure` answers every message; DefWindowProcW is its usual last word.
  HiddenWindow(const wchar_t* className, Procedure procedure, void* data, bool findable);
  ~HiddenWindow();
  HiddenWindow(const HiddenWindow&) = delete;
  HiddenWindow& operator=(const HiddenWindow&) = delete;

  // Null when the window could not be made.
  HWND get() const { return window_; }
  // Hands a message to the procedure; the window's own routing calls it.
  LRESULT Answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;

 private:
  Procedure procedure_;
  void* data_;
  HWND window_ = nullptr;
};
