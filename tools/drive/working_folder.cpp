#include "tools/drive/working_folder.h"

#include <windows.h>

#include "components/services/folder_entries.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"

std::wstring WorkingFolder() {
  wchar_t temporary[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temporary);
  return std::wstring(temporary) + L"greentemp";
}

void ClearWorkingFolder() {
  const std::wstring folder = WorkingFolder();
  ForEachFolderEntry(Narrow(folder), [&](const WIN32_FIND_DATAW& entry) {
    DeleteFileW((folder + L"\\" + entry.cFileName).c_str());
    return true;
  });
  RemoveDirectoryW(folder.c_str());
}

void ForgetSettings() {
  constexpr int kApplicationDataFolder = 8;  // SpecialFolderPath's kind
  DeleteFileW(Widen(SpecialFolderPath(kApplicationDataFolder) + "Velmo屏幕录像器\\settings.ini").c_str());
}
