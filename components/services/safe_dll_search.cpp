// The places the program loads DLLs from at run time.
#include <windows.h>

#include "components/services/services.h"

namespace {

// Windows 7 has SetDefaultDllDirectories only with its 2011 loader update, so it is looked up
// rather than imported: a program importing it would not start on a system without the update.
using SetDefaultDllDirectoriesRoutine = BOOL(WINAPI*)(DWORD);
constexpr DWORD kSearchDefaultDirs = 0x00001000;  // LOAD_LIBRARY_SEARCH_DEFAULT_DIRS

}  // namespace

void UseSafeDllSearch() {
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  auto setDefault = kernel ? reinterpret_cast<SetDefaultDllDirectoriesRoutine>(
                                 reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")))
                           : nullptr;
  if (setDefault) setDefault(kSearchDefaultDirs);
  SetDllDirectoryW(L"");
}
