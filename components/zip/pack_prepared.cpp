// PackPrepared: an archive of entries whose data was made before, headers written and data
// copied.
#include <windows.h>

#include "components/services/wide_text.h"
#include "components/zip/archive_writer.h"
#include "components/zip/progress.h"
#include "components/zip/zip.h"

namespace {

// Progress and stop requests as folder mode has them, an event for each percent the entries move
// on; a stop request leaves out the entries not yet added.
bool AddPreparedEntries(ProgressSink* sink, ArchiveWriter& archive, const std::vector<PackedFile>& entries) {
  int shown = -1;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (!archive.AddPrepared(Widen(entries[i].path), entries[i].name)) return false;
    const int percent = PercentDone(i + 1, entries.size());
    if (percent == shown) continue;
    shown = percent;
    if (RaiseAndAskStop(sink, ZipEvent::PackProgress, percent)) break;
  }
  return true;
}

}  // namespace

int PackPrepared(ProgressSink* sink, const std::vector<PackedFile>& entries, const std::string& archive) {
  if (archive.empty()) return kZipBadArguments;
  std::wstring archivePath = Widen(archive);
  ArchiveWriter writer;
  if (!writer.Create(archivePath)) return kZipFailed;
  bool added = AddPreparedEntries(sink, writer, entries);
  bool closed = writer.Close();
  if (added && closed) return kZipDone;
  DeleteFileW(archivePath.c_str());
  return kZipFailed;
}
