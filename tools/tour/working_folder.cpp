#include "tools/tour/working_folder.h"

#include <windows.h>

#include "components/services/win_handle.h"

std::wstring WorkingFolder() {
  wchar_t temporary[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temporary);
  return std::wstring(temporary) + L"greentemp";
}

void ClearWorkingFolder() {
  const std::wstring folder = WorkingFolder();
  WIN32_FIND_DATAW found;
  FindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (search) {
    do {
      DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    } while (FindNextFileW(search.get(), &found));
  }
  search.reset();
  RemoveDirectoryW(folder.c_str());
}
