#include "app/player/temporary_name.h"

#include <windows.h>

#include <cstdio>

#include "components/services/path_kind.h"

std::string TemporaryNameFrom(const std::string& folder, uint32_t tickCount, uint32_t request,
                              const std::function<bool(const std::string&)>& taken) {
  const std::string prefix = folder.empty() || folder.back() == '\\' ? folder : folder + "\\";
  for (uint32_t number = tickCount + request;; ++number) {
    char name[16];
    std::snprintf(name, sizeof name, "%x.tmp", static_cast<unsigned>(number));
    if (!taken(prefix + name)) return prefix + name;
  }
}

std::string TemporaryNameNotYetInUse(const std::string& folder) {
  static uint32_t requests = 0;
  return TemporaryNameFrom(folder, GetTickCount(), requests++, [](const std::string& path) { return PathExists(path); });
}
