// Where a program loads DLLs from once it has asked for the safe search: its own folder, never
// the current folder or a folder on the PATH, where anyone's DLL may lie beside a document.
// A test program of its own, since the search order is the whole process's.
#include <windows.h>

#include <gtest/gtest.h>

#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "tests/support/temp_folder.h"

namespace {

const char kProbe[] = "dll_search_probe.dll";

// A module loaded by name, freed when the test ends so its folder can go.
class LoadedDll {
 public:
  explicit LoadedDll(const char* name) : module_(LoadLibraryW(Widen(name).c_str())) {}
  ~LoadedDll() {
    if (module_) FreeLibrary(module_);
  }
  LoadedDll(const LoadedDll&) = delete;
  LoadedDll& operator=(const LoadedDll&) = delete;
  bool loaded() const { return module_ != nullptr; }

 private:
  HMODULE module_;
};

bool PlaceProbe(const std::string& path) {
  return CopyFileW(Widen(ProgramFilePath(kProbe)).c_str(), Widen(path).c_str(), FALSE) != FALSE;
}

std::wstring Variable(const wchar_t* name) {
  wchar_t value[32768] = {};
  GetEnvironmentVariableW(name, value, 32768);
  return value;
}

TEST(UseSafeDllSearch, LoadsFromTheProgramFolderButNotFromTheCurrentFolderOrThePath) {
  TempFolder current;
  TempFolder onPath;
  for (const char* name : {"before_current.dll", "after_current.dll"}) ASSERT_TRUE(PlaceProbe(current / name));
  for (const char* name : {"before_path.dll", "after_path.dll"}) ASSERT_TRUE(PlaceProbe(onPath / name));
  const std::wstring oldCurrent = [] {
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    return std::wstring(folder);
  }();
  const std::wstring oldPath = Variable(L"PATH");
  ASSERT_TRUE(SetCurrentDirectoryW(Widen(current.path()).c_str()));
  ASSERT_TRUE(SetEnvironmentVariableW(L"PATH", (Widen(onPath.path()) + L";" + oldPath).c_str()));

  {
    // Without it, the system looks in both places: the rest of the test can tell the difference.
    LoadedDll fromCurrent("before_current.dll");
    LoadedDll fromPath("before_path.dll");
    EXPECT_TRUE(fromCurrent.loaded());
    EXPECT_TRUE(fromPath.loaded());

    UseSafeDllSearch();
    LoadedDll afterCurrent("after_current.dll");
    LoadedDll afterPath("after_path.dll");
    LoadedDll fromProgramFolder(kProbe);
    EXPECT_FALSE(afterCurrent.loaded());
    EXPECT_FALSE(afterPath.loaded());
    EXPECT_TRUE(fromProgramFolder.loaded());
  }
  SetEnvironmentVariableW(L"PATH", oldPath.c_str());
  SetCurrentDirectoryW(oldCurrent.c_str());
}

}  // namespace
