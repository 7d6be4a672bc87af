// The steps Unpack and UnpackInOrder share: opening the archive with Unpack's checks, one
// entry's extraction, the event after it, and the walk in archive order.
#pragma once
#include <cstdint>
#include <string>

#include "components/zip/data_spans.h"
#include "components/zip/entry_target.h"
#include "components/zip/zip.h"
#include "components/zip/zip_reader.h"

struct UnpackRun {
  ProgressSink* sink = nullptr;
  uint64_t total = 0;  // entries in the directory
  uint64_t taken = 0;  // entries extracted so far
  bool stopped = false;
};

// Checks the paths and the archive's first bytes, creates the target folder and opens the
// archive: kZipDone when the entries can be read, else Unpack's result for the failure.
int OpenForUnpack(const std::string& archive, const std::string& target, ZipReader& reader);

// Extracts the reader's current entry below the target folder; `inflated` as ExtractFileEntry
// takes it.
bool ExtractEntry(ZipReader& reader, const EntryTargets& targets, DataSpans& spans,
                  const ByteString* inflated = nullptr);

// UnpackProgress after an entry; true when the handler asked to stop (the run is then over).
bool AfterEntry(UnpackRun& run);

// The event at 100 percent that ends every run but a stopped one; gives back `result`.
int EndRun(UnpackRun& run, int result);

// Extracts every entry of `archive` (open in `reader`) in archive order into `target` with claims
// of its own, the coming entries inflated ahead on a spare core: kZipDone, kZipFailed at the
// first entry that fails, kZipDone at once on a stop request.
int ExtractInArchiveOrder(UnpackRun& run, ZipReader& reader, const std::wstring& archive, const std::wstring& target);
