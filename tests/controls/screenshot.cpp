#include "tests/controls/screenshot.h"

#include "components/services/wide_text.h"

std::string PicturePath(const std::string& name) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::string folder = Narrow(self);
  folder = folder.substr(0, folder.find_last_of("\\/")) + "\\screenshots";
  CreateDirectoryW(Widen(folder).c_str(), nullptr);
  return folder + "\\" + name;
}
