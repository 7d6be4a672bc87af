#include "components/services/temporary_target.h"

#include <windows.h>

#include "components/services/lasting_files.h"
#include "components/services/wide_text.h"

TemporaryTarget::TemporaryTarget(const std::string& target)
    : target_(target), path_(target + "." + std::to_string(GetCurrentProcessId()) + ".part") {}

TemporaryTarget::~TemporaryTarget() {
  if (!committed_) DeleteFileW(Widen(path_).c_str());
}

bool TemporaryTarget::Commit() {
  committed_ = FlushFileToDisk(path_) && MoveFileIntoPlace(path_, target_);
  return committed_;
}
