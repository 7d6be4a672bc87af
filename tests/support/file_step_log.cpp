#include "tests/support/file_step_log.h"

#include <algorithm>
#include <mutex>

#include "components/services/lasting_files.h"

namespace {

std::mutex guard;
std::vector<std::string> noted;

std::string LastElement(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

void Note(FileStep step, const std::string& path) {
  static const char* const kWords[] = {"flushed ", "renamed ", "deleted ", "removed folder "};
  std::lock_guard<std::mutex> lock(guard);
  noted.push_back(kWords[static_cast<int>(step)] + LastElement(path));
}

}  // namespace

FileStepLog::FileStepLog() {
  std::lock_guard<std::mutex> lock(guard);
  noted.clear();
  SetFileStepWatch(Note);
}

FileStepLog::~FileStepLog() { SetFileStepWatch(nullptr); }

std::vector<std::string> FileStepLog::steps() const {
  std::lock_guard<std::mutex> lock(guard);
  return noted;
}

int FileStepLog::IndexOf(const std::string& step) const {
  const std::vector<std::string> all = steps();
  const auto found = std::find(all.begin(), all.end(), step);
  return found == all.end() ? -1 : static_cast<int>(found - all.begin());
}
