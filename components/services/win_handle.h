// Owners for Win32 kernel handles, so that no return path leaks one.
#pragma once
#include <windows.h>

#include <utility>

// Owns a handle that CloseFn releases; Invalid is the value that means "none".
template <typename H, auto CloseFn, auto Invalid>
class UniqueWinHandle {
 public:
  UniqueWinHandle() = default;
  explicit UniqueWinHandle(H handle) : handle_(handle) {}
  UniqueWinHandle(UniqueWinHandle&& other) noexcept : handle_(other.release()) {}
  UniqueWinHandle& operator=(UniqueWinHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueWinHandle(const UniqueWinHandle&) = delete;
  UniqueWinHandle& operator=(const UniqueWinHandle&) = delete;
  ~UniqueWinHandle() { reset(); }

  H get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid(); }
  H release() { return std::exchange(handle_, Invalid()); }
  void reset(H handle = Invalid()) {
    if (handle_ != Invalid()) CloseFn(handle_);
    handle_ = handle;
  }

 private:
  H handle_ = Invalid();
};

inline HANDLE InvalidFileHandle() { return INVALID_HANDLE_VALUE; }
inline HANDLE NullHandle() { return nullptr; }

// CreateFile and FindFirstFile answer INVALID_HANDLE_VALUE on failure; CreateFileMapping answers null.
using FileHandle = UniqueWinHandle<HANDLE, CloseHandle, InvalidFileHandle>;
using FindHandle = UniqueWinHandle<HANDLE, FindClose, InvalidFileHandle>;
using MappingHandle = UniqueWinHandle<HANDLE, CloseHandle, NullHandle>;
// CreateEvent answers null on failure too.
using EventHandle = UniqueWinHandle<HANDLE, CloseHandle, NullHandle>;
