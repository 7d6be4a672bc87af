// A hang detector for campaigns of many cases. When one case runs longer than the bound, the
// program names the case on stderr and ends at once with exit code 3, so a hang shows as a
// failed test that says where it stopped, never as a suite that does not come back. The bound
// is generous: this is no speed test.
#pragma once
#include <windows.h>

#include <string>

#include "components/services/win_handle.h"

class HangWatch {
 public:
  HangWatch();
  ~HangWatch();
  HangWatch(const HangWatch&) = delete;
  HangWatch& operator=(const HangWatch&) = delete;

  // Starts the clock for the case named `what`, which may take `limitSeconds`; the previous case
  // counts as finished. A case whose work grows with its size (a walk over 65535 entries) is
  // given a bound to match.
  void Begin(const std::string& what, unsigned limitSeconds = 20);
  // No case is running: the time until the next Begin is not watched.
  void Idle();

 private:
  static DWORD WINAPI Watch(void* self);
  void CheckCurrentCase();

  using EventHandle = UniqueWinHandle<HANDLE, CloseHandle, NullHandle>;
  CRITICAL_SECTION lock_;
  std::string current_;
  ULONGLONG started_ = 0;  // 0: idle
  ULONGLONG limitMilliseconds_ = 0;
  EventHandle stop_;
  EventHandle thread_;
};

// The one watch of a test program, started on first use.
HangWatch& CaseWatch();
