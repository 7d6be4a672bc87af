// Unpack: checks the archive, counts its entries and extracts them in central-directory
// order, raising UnpackProgress after each and once at the end.
#include <windows.h>

#include "components/services/wide_text.h"
#include "components/zip/archive_check.h"
#include "components/zip/entry_attributes.h"
#include "components/zip/entry_extractor.h"
#include "components/zip/entry_name.h"
#include "components/zip/entry_name_safety.h"
#include "components/zip/entry_target.h"
#include "components/zip/progress.h"
#include "components/zip/win_paths.h"
#include "components/zip/zip.h"
#include "components/zip/zip_reader.h"

namespace {

struct UnpackRun {
  ProgressSink* sink = nullptr;
  uint64_t total = 0;
  bool stopped = false;
};

// A read-only, hidden or system file in the way is replaced, and every file ends with normal
// attributes (ExtractFileEntry).
bool ExtractEntry(ZipReader& reader, const EntryTargets& targets, DataSpans& spans) {
  ReaderEntry entry;
  std::wstring path;
  if (!reader.CurrentEntry(&entry)) return false;
  const std::string name = EntryNameText(entry.name, entry.flags);
  if (!targets.PathFor(name, &path)) return false;
  // An entry that names the extraction folder itself ("./", whatever its attributes say) asks
  // for nothing more than the folder.
  if (IsFolderEntry(entry.externalAttributes) || EntryPathInFolder(name).empty()) return CreateFolderTree(path);
  return ExtractFileEntry(reader, entry, path, spans);
}

int ExtractEntries(UnpackRun& run, ZipReader& reader, const std::wstring& target) {
  EntryTargets targets(target);
  DataSpans spans;
  ZipReader::Step step = reader.First();
  for (uint64_t index = 0; step == ZipReader::Step::Entry; ++index) {
    if (!ExtractEntry(reader, targets, spans)) return kZipFailed;
    if (RaiseAndAskStop(run.sink, ZipEvent::UnpackProgress, PercentDone(index, run.total))) {
      run.stopped = true;
      return kZipDone;
    }
    step = reader.Next();
  }
  return step == ZipReader::Step::End ? kZipDone : kZipFailed;
}

int UnpackArchive(UnpackRun& run, const std::string& archive, const std::string& target) {
  if (archive.empty() || target.empty()) return kZipBadArguments;
  std::wstring archivePath = Widen(archive);
  std::wstring targetPath = Widen(target);
  if (!PathExists(archivePath)) return kZipBadArguments;
  if (!CreateFolderTree(targetPath) || !FilePassesArchiveCheck(archivePath)) return kZipFailed;
  ZipReader reader;
  if (!reader.Open(archivePath) || !reader.CountEntries(&run.total)) return kZipFailed;
  return ExtractEntries(run, reader, targetPath);
}

}  // namespace

// Every outcome but a stop request ends with one more event at 100 percent.
int Unpack(ProgressSink* sink, const std::string& archive, const std::string& target) {
  UnpackRun run;
  run.sink = sink;
  int result = UnpackArchive(run, archive, target);
  if (!run.stopped) RaiseAndAskStop(sink, ZipEvent::UnpackProgress, PercentDone(run.total, run.total));
  return result;
}
