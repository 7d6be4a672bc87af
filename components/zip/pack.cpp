// Pack: folder mode walks a tree into the archive; single-file mode packs one file; PackFiles
// packs a list of files under names of the caller's.
#include <windows.h>

#include "components/services/wide_text.h"
#include "components/zip/archive_writer.h"
#include "components/zip/file_entries.h"
#include "components/zip/folder_walk.h"
#include "components/zip/win_paths.h"
#include "components/zip/zip.h"

namespace {

// A failed walk still closes the archive, leaving the entries completed so far readable.
// A failure to write the central directory is a failure too: without it nothing can read
// the archive.
int PackFolder(ProgressSink* sink, const std::wstring& root, const std::wstring& archivePath) {
  ArchiveWriter archive;
  if (!archive.Create(archivePath)) return kZipFailed;
  uint64_t total = CountTree(root);
  bool walked = WalkTree(archive, root, total, sink);
  bool closed = archive.Close();
  return walked && closed ? kZipDone : kZipFailed;
}

std::string LastElement(const std::string& path) {
  size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
  std::wstring fullA = FullPath(a);
  std::wstring fullB = FullPath(b);
  return !fullA.empty() && CompareStringOrdinal(fullA.c_str(), static_cast<int>(fullA.size()), fullB.c_str(),
                                                static_cast<int>(fullB.size()), TRUE) == CSTR_EQUAL;
}

// Creating the archive would truncate a source that is the archive itself, so that is refused
// before anything is touched. A failed entry leaves no archive behind.
int PackSingleFile(const std::string& source, const std::wstring& sourcePath, const std::wstring& archivePath) {
  if (SamePath(sourcePath, archivePath)) return kZipFailed;
  ArchiveWriter archive;
  if (!archive.Create(archivePath)) return kZipFailed;
  bool added = archive.AddFile(sourcePath, LastElement(source));
  bool closed = archive.Close();
  if (added && closed) return kZipDone;
  DeleteFileW(archivePath.c_str());
  return kZipFailed;
}

}  // namespace

int Pack(ProgressSink* sink, const std::string& source, const std::string& archive) {
  if (source.empty() || archive.empty()) return kZipBadArguments;
  std::wstring sourcePath = Widen(source);
  std::wstring archivePath = Widen(archive);
  if (!PathExists(sourcePath)) return kZipBadArguments;
  if (IsFolder(sourcePath)) return PackFolder(sink, sourcePath, archivePath);
  return PackSingleFile(source, sourcePath, archivePath);
}

int PackFiles(const std::vector<PackedFile>& files, const std::string& archive) {
  if (archive.empty()) return kZipBadArguments;
  std::vector<FileEntrySource> sources;
  for (const PackedFile& file : files) sources.push_back({Widen(file.path), file.name});
  ArchiveWriter writer;
  if (!writer.Create(Widen(archive))) return kZipFailed;
  bool added = AddFileEntries(writer, sources, VanishedFile::Refuse, [] { return true; });
  bool closed = writer.Close();
  return added && closed ? kZipDone : kZipFailed;
}
