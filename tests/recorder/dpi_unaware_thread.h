// The program's stance on display scaling, taken by a test: velmo.exe declares its windows DPI
// unaware (its manifest), so on a scaled display they are told a smaller screen.
#pragma once
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// For as long as it lives, the test's thread is DPI unaware as the program is, whatever the test
// program's own default is.
class DpiUnawareThread {
 public:
  DpiUnawareThread() {
    if (set_) previous_ = set_(reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)));
  }
  ~DpiUnawareThread() {
    if (previous_) set_(previous_);
  }
  DpiUnawareThread(const DpiUnawareThread&) = delete;
  DpiUnawareThread& operator=(const DpiUnawareThread&) = delete;

 private:
  using SetFunction = HANDLE(WINAPI*)(HANDLE);
  SetFunction set_ = reinterpret_cast<SetFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
  HANDLE previous_ = nullptr;
};

// The screen's physical size: VELMO_PHYSICAL_SCREEN ("1024x768") where the test's caller set up
// a scaled screen of that size, else the size the program's windows are told.
inline SIZE PhysicalScreen() {
  SIZE size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (const char* given = std::getenv("VELMO_PHYSICAL_SCREEN")) std::sscanf(given, "%ldx%ld", &size.cx, &size.cy);
  return size;
}
