#include "components/services/lasting_files.h"

#include <windows.h>

#include <atomic>

#include "components/services/wide_text.h"
#include "components/services/win_handle.h"

namespace {
std::atomic<FileStepWatch> watching{nullptr};
}

bool FlushFileToDisk(const std::string& path) {
  // FlushFileBuffers needs write access; sharing everything lets it run beside a reader.
  FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file || !FlushFileBuffers(file.get())) return false;
  ReportFileStep(FileStep::Flushed, path);
  return true;
}

bool MoveFileIntoPlace(const std::string& from, const std::string& to) {
  if (!MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return false;
  ReportFileStep(FileStep::Renamed, to);
  return true;
}

bool DeleteOneFile(const std::string& path) {
  if (!DeleteFileW(Widen(path).c_str())) return false;
  ReportFileStep(FileStep::Deleted, path);
  return true;
}

FileStepWatch SetFileStepWatch(FileStepWatch watch) { return watching.exchange(watch); }

void ReportFileStep(FileStep step, const std::string& path) {
  if (const FileStepWatch watch = watching.load()) watch(step, path);
}
