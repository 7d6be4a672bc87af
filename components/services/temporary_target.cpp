#include "components/services/temporary_target.h"

#include <windows.h>

#include "components/services/lasting_files.h"
#include "components/services/wide_text.h"

namespace {
// "." + the process id + ".part", built in steps: GCC 12 warns falsely about the one expression.
std::string ProcessPartSuffix() {
  std::string suffix = ".";
  suffix += std::to_string(GetCurrentProcessId());
  suffix += ".part";
  return suffix;
}
}  // namespace

TemporaryTarget::TemporaryTarget(const std::string& target) : TemporaryTarget(target, ProcessPartSuffix()) {}

TemporaryTarget::TemporaryTarget(const std::string& target, const std::string& suffix)
    : target_(target), path_(target + suffix) {}

TemporaryTarget::~TemporaryTarget() {
  if (!committed_) DeleteFileW(Widen(path_).c_str());
}

bool TemporaryTarget::Commit() {
  committed_ = FlushFileToDisk(path_) && MoveFileIntoPlace(path_, target_);
  return committed_;
}
