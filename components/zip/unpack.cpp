// Unpack: checks the archive, counts its entries and extracts them in central-directory
// order, raising UnpackProgress after each and once at the end.
#include <windows.h>

#include "components/services/wide_text.h"
#include "components/zip/archive_check.h"
#include "components/zip/entry_attributes.h"
#include "components/zip/entry_extractor.h"
#include "components/zip/entry_name.h"
#include "components/zip/entry_name_safety.h"
#include "components/zip/inflate_ahead.h"
#include "components/zip/progress.h"
#include "components/zip/unpack_steps.h"
#include "components/zip/win_paths.h"

int OpenForUnpack(const std::string& archive, const std::string& target, ZipReader& reader) {
  if (archive.empty() || target.empty()) return kZipBadArguments;
  const std::wstring archivePath = Widen(archive);
  if (!PathExists(archivePath)) return kZipBadArguments;
  if (!CreateFolderTree(Widen(target)) || !FilePassesArchiveCheck(archivePath)) return kZipFailed;
  return reader.Open(archivePath) ? kZipDone : kZipFailed;
}

// A read-only, hidden or system file in the way is replaced, and every file ends with normal
// attributes (ExtractFileEntry).
bool ExtractEntry(ZipReader& reader, const EntryTargets& targets, DataSpans& spans, const ByteString* inflated) {
  ReaderEntry entry;
  std::wstring path;
  if (!reader.CurrentEntry(&entry)) return false;
  const std::string name = EntryNameText(entry.name, entry.flags);
  if (!targets.PathFor(name, &path)) return false;
  // An entry that names the extraction folder itself ("./", whatever its attributes say) asks
  // for nothing more than the folder.
  if (IsFolderEntry(entry.externalAttributes) || EntryPathInFolder(name).empty()) return CreateFolderTree(path);
  return ExtractFileEntry(reader, entry, path, spans, inflated);
}

// The event carries the zero-based index of the entry just taken.
bool AfterEntry(UnpackRun& run) {
  run.stopped = RaiseAndAskStop(run.sink, ZipEvent::UnpackProgress, PercentDone(run.taken++, run.total));
  return run.stopped;
}

int EndRun(UnpackRun& run, int result) {
  if (!run.stopped) RaiseAndAskStop(run.sink, ZipEvent::UnpackProgress, PercentDone(run.total, run.total));
  return result;
}

int ExtractInArchiveOrder(UnpackRun& run, ZipReader& reader, const std::wstring& archive, const std::wstring& target) {
  EntryTargets targets(target);
  DataSpans spans;
  InflateAhead ahead(archive);
  ByteString inflated;
  ZipReader::Step step = reader.First();
  for (uint64_t index = 0; step == ZipReader::Step::Entry; step = reader.Next(), ++index) {
    const bool whole = ahead.Take(index, &inflated);
    if (!ExtractEntry(reader, targets, spans, whole ? &inflated : nullptr)) return kZipFailed;
    if (AfterEntry(run)) return kZipDone;
  }
  return step == ZipReader::Step::End ? kZipDone : kZipFailed;
}

namespace {

int UnpackArchive(UnpackRun& run, const std::string& archive, const std::string& target) {
  ZipReader reader;
  const int opened = OpenForUnpack(archive, target, reader);
  if (opened != kZipDone) return opened;
  if (!reader.CountEntries(&run.total)) return kZipFailed;
  return ExtractInArchiveOrder(run, reader, Widen(archive), Widen(target));
}

}  // namespace

int Unpack(ProgressSink* sink, const std::string& archive, const std::string& target) {
  UnpackRun run;
  run.sink = sink;
  return EndRun(run, UnpackArchive(run, archive, target));
}
