// The few Win32 names that the parsers built for fuzzing reach, standing in for the system on
// Linux: kernel handles are small heap objects and a mapped view is zeroed heap memory, so
// AddressSanitizer sees every byte a decoder touches and every allocation it asks for. Nothing
// here touches the disk.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cwchar>

using BOOL = int;
using DWORD = uint32_t;
using SIZE_T = size_t;
using HANDLE = void*;
using LPCVOID = const void*;

#define WINAPI
#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(~uintptr_t{0}))
constexpr DWORD MAX_PATH = 260;
constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD GENERIC_WRITE = 0x40000000;
constexpr DWORD FILE_SHARE_READ = 1;
constexpr DWORD FILE_SHARE_WRITE = 2;
constexpr DWORD CREATE_NEW = 1;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x2;
constexpr DWORD FILE_ATTRIBUTE_TEMPORARY = 0x100;
constexpr DWORD FILE_FLAG_DELETE_ON_CLOSE = 0x04000000;
constexpr DWORD PAGE_READWRITE = 4;
constexpr DWORD FILE_MAP_WRITE = 2;
constexpr DWORD ERROR_FILE_EXISTS = 80;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;

// A kernel object of the stand-in: a file, or a mapping of `size` bytes.
struct ShimObject {
  uint64_t size;
};

inline BOOL CloseHandle(HANDLE handle) {
  delete static_cast<ShimObject*>(handle);
  return 1;
}
inline BOOL FindClose(HANDLE handle) { return CloseHandle(handle); }
inline DWORD GetLastError() { return 0; }

inline DWORD GetTempPathW(DWORD capacity, wchar_t* buffer) {
  const wchar_t folder[] = L"/tmp/";
  if (capacity < 6) return 0;
  std::wcscpy(buffer, folder);
  return 5;
}

inline HANDLE CreateFileW(const wchar_t*, DWORD, DWORD, void*, DWORD, DWORD, HANDLE) { return new ShimObject{0}; }

inline HANDLE CreateFileMappingW(HANDLE, void*, DWORD, DWORD sizeHigh, DWORD sizeLow, const wchar_t*) {
  return new ShimObject{uint64_t{sizeHigh} << 32 | sizeLow};
}

inline void* MapViewOfFile(HANDLE mapping, DWORD, DWORD, DWORD, SIZE_T size) {
  return std::calloc(size ? size : static_cast<ShimObject*>(mapping)->size, 1);
}

inline BOOL UnmapViewOfFile(LPCVOID view) {
  std::free(const_cast<void*>(view));
  return 1;
}
