#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <climits>

#include "components/services/services.h"
#include "components/services/wide_text.h"

namespace {

std::string WithBackslash(std::wstring folder) {
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return Narrow(folder);
}

}  // namespace

TEST(SpecialFolderPath, TemporaryFolderIsTheSystemTemporaryPath) {
  wchar_t temp[MAX_PATH + 1];
  ASSERT_NE(GetTempPathW(MAX_PATH + 1, temp), 0u);
  EXPECT_EQ(SpecialFolderPath(11), Narrow(temp));
}

TEST(SpecialFolderPath, WindowsAndSystemFoldersGainTheirBackslash) {
  wchar_t folder[MAX_PATH];
  ASSERT_NE(GetWindowsDirectoryW(folder, MAX_PATH), 0u);
  EXPECT_EQ(SpecialFolderPath(9), WithBackslash(folder));
  ASSERT_NE(GetSystemDirectoryW(folder, MAX_PATH), 0u);
  EXPECT_EQ(SpecialFolderPath(10), WithBackslash(folder));
}

TEST(SpecialFolderPath, ShellKindsNameTheirShellFolders) {
  const int shellFolderOfKind[] = {CSIDL_PERSONAL, CSIDL_FAVORITES, CSIDL_DESKTOPDIRECTORY, CSIDL_FONTS,
                                   CSIDL_STARTMENU, CSIDL_PROGRAMS,  CSIDL_STARTUP,          CSIDL_APPDATA};
  for (int kind = 1; kind <= 8; ++kind) {
    wchar_t folder[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, shellFolderOfKind[kind - 1], nullptr, SHGFP_TYPE_CURRENT, folder);
    EXPECT_EQ(SpecialFolderPath(kind), WithBackslash(folder)) << "kind " << kind;
  }
}

TEST(SpecialFolderPath, EveryAnswerEndsInABackslash) {
  for (int kind = 1; kind <= 11; ++kind) {
    std::string folder = SpecialFolderPath(kind);
    ASSERT_FALSE(folder.empty()) << "kind " << kind;
    EXPECT_EQ(folder.back(), '\\') << "kind " << kind;
  }
}

TEST(SpecialFolderPath, KindsOutsideTheTableGiveEmptyText) {
  for (int kind : {0, 12, -1, 26, INT_MAX, INT_MIN}) EXPECT_EQ(SpecialFolderPath(kind), "") << "kind " << kind;
}
