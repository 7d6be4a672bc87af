#include "tests/support/temp_folder.h"

#include <windows.h>

#include "components/services/wide_text.h"
#include "tests/support/files.h"

TempFolder::TempFolder() {
  wchar_t temp[MAX_PATH + 1];
  GetTempPathW(MAX_PATH + 1, temp);
  for (unsigned n = GetTickCount();; ++n) {
    std::wstring candidate = std::wstring(temp) + L"velmo-test-" + std::to_wstring(n);
    if (CreateDirectoryW(candidate.c_str(), nullptr)) {
      path_ = Narrow(candidate);
      return;
    }
  }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::operator/(const std::string& relative) const { return path_ + "\\" + relative; }
