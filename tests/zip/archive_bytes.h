// ZIP bytes for tests: builds archives with any names and attributes (hostile ones included)
// from the component's own record encoders, and reads back the records an archive holds.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "components/zip/zip_records.h"
#include "tests/support/files.h"

// One entry to build, stored (method 0) unless `method` says otherwise.
struct TestEntry {
  std::string name;  // stored bytes, exactly as given
  std::string data;
  uint32_t externalAttributes = 0x81800020;
  uint16_t flags = 0;
  uint16_t method = kMethodStored;
  // Give the entry the extended-timestamp field (with `times`); without it only the DOS time
  // (2020-01-02 03:04:06) tells when the entry was written.
  bool timestamp = true;
  UnixTimes times{};
  // For a deflated entry: the data it inflates to, which gives its CRC and uncompressed size
  // (empty: `data` gives them).
  std::string plain{};
};
TestEntry FolderEntry(const std::string& name);
// A deflated entry (method 8) whose data inflates to `plain`.
TestEntry DeflatedEntry(const std::string& name, const std::string& plain);
// Raw deflate data, as an entry of method 8 holds it; unfinished, the stream is flushed to a
// byte boundary without its final block, so more blocks may follow.
std::string Deflated(const std::string& plain, bool finished = true);

// Local headers with their data, central directory, end record; all times 2020-01-02 03:04:06.
Bytes BuildArchive(const std::vector<TestEntry>& entries);

// A record as it stands in an archive, local or central.
struct ReadRecord {
  size_t offset = 0;
  EntryRecord fields;     // localHeaderOffset and externalAttributes only from central headers
  uint16_t versionMadeBy = 0;
  Bytes extra;
  size_t dataOffset = 0;  // local records: where the data begins
};

// The local headers, walked one after the other from the start by their sizes; stops at the
// first bytes that are not a local header.
std::vector<ReadRecord> LocalRecords(const Bytes& archive);
// The central directory headers, found through the end record (which must end the archive).
std::vector<ReadRecord> CentralRecords(const Bytes& archive);
