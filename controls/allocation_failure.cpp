// The program's global operator new: a request the heap cannot meet ends the program with the
// runtime's fatal error, which names the size, instead of an exception that nothing catches
// and the C runtime's abort. Nothing in the program recovers from a failed allocation, so
// there is no exception to keep. The nothrow forms still answer null, as their callers expect
// (the C++ library's temporary buffers fall back on less memory); the array forms are built on
// these by the C++ library.
#include <windows.h>

#include <cstdlib>
#include <new>

#include "controls/fatal_error.h"

namespace {

// Reporting needs a little memory of its own; should that fail too, the process ends at once
// with the same code.
[[noreturn]] void AllocationFailed(std::size_t bytes) {
  static bool reporting = false;
  if (reporting) ExitProcess(static_cast<UINT>(-1));
  reporting = true;
  FatalRuntimeError(AllocationFailedMessage(bytes));
}

}  // namespace

void* operator new(std::size_t bytes) {
  if (void* memory = std::malloc(bytes == 0 ? 1 : bytes)) return memory;
  AllocationFailed(bytes);
}

void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept { return std::malloc(bytes == 0 ? 1 : bytes); }

void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept { return std::malloc(bytes == 0 ? 1 : bytes); }

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
