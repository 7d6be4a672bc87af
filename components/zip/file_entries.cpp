#include "components/zip/file_entries.h"

#include <optional>

#include "components/zip/deflate_ahead.h"
#include "components/zip/win_paths.h"

namespace {

std::vector<std::wstring> PathsToDeflate(const std::vector<FileEntrySource>& files) {
  std::vector<std::wstring> paths;
  for (const FileEntrySource& file : files) paths.push_back(ArchiveWriter::Deflates(file.name) ? file.path : L"");
  return paths;
}

}  // namespace

bool AddFileEntries(ArchiveWriter& archive, const std::vector<FileEntrySource>& files, VanishedFile vanished,
                    const std::function<bool()>& entryDone) {
  DeflateAhead ahead(PathsToDeflate(files));
  for (size_t i = 0; i < files.size(); ++i) {
    const std::optional<DeflatedSource> deflated = ahead.Take(i);
    if (vanished == VanishedFile::Skip && !PathExists(files[i].path)) continue;
    if (!archive.AddFile(files[i].path, files[i].name, deflated ? &*deflated : nullptr)) return false;
    if (!entryDone()) break;
  }
  return true;
}
