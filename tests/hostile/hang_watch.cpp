#include "tests/hostile/hang_watch.h"

#include <cstdio>

namespace {
constexpr DWORD kLookEveryMilliseconds = 250;
constexpr UINT kHangExitCode = 3;
}  // namespace

HangWatch::HangWatch() {
  InitializeCriticalSection(&lock_);
  stop_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  thread_.reset(CreateThread(nullptr, 0, Watch, this, 0, nullptr));
}

HangWatch::~HangWatch() {
  SetEvent(stop_.get());
  WaitForSingleObject(thread_.get(), INFINITE);
  DeleteCriticalSection(&lock_);
}

void HangWatch::Begin(const std::string& what, unsigned limitSeconds) {
  EnterCriticalSection(&lock_);
  current_ = what;
  started_ = GetTickCount64();
  limitMilliseconds_ = ULONGLONG{limitSeconds} * 1000;
  LeaveCriticalSection(&lock_);
}

void HangWatch::Idle() {
  EnterCriticalSection(&lock_);
  started_ = 0;
  LeaveCriticalSection(&lock_);
}

DWORD WINAPI HangWatch::Watch(void* self) {
  auto* watch = static_cast<HangWatch*>(self);
  while (WaitForSingleObject(watch->stop_.get(), kLookEveryMilliseconds) == WAIT_TIMEOUT) watch->CheckCurrentCase();
  return 0;
}

// The case cannot be stopped from this thread, so the whole program ends; the message is
// written and flushed first so that ctest shows it.
void HangWatch::CheckCurrentCase() {
  EnterCriticalSection(&lock_);
  bool hung = started_ != 0 && GetTickCount64() - started_ > limitMilliseconds_;
  if (hung) {
    std::fprintf(stderr, "\nHANG: case \"%s\" ran longer than %u s\n", current_.c_str(),
                 static_cast<unsigned>(limitMilliseconds_ / 1000));
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), kHangExitCode);
  }
  LeaveCriticalSection(&lock_);
}

HangWatch& CaseWatch() {
  static HangWatch watch;
  return watch;
}
