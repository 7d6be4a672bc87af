// The ZIP reader (minizip under the component's own walk) over any bytes: count, walk every
// entry, read its local extra field and its data to the end, claim its data stretch.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "components/zip/data_spans.h"
#include "components/zip/extended_timestamp.h"
#include "components/zip/zip_reader.h"
#include "tests/fuzz/memory_archive.h"

namespace {

// Deflate expands at most about 1032 to 1: no entry can give more than that of the whole input.
constexpr uint64_t kDeflateMostRatio = 1032;

void ReadEntry(ZipReader& reader, DataSpans& spans, size_t inputSize) {
  ReaderEntry entry;
  if (!reader.CurrentEntry(&entry) || !reader.OpenData()) return;
  spans.Claim(reader.DataOffset(), entry.compressedSize);
  const ByteString extra = reader.LocalExtra();
  FindLocalTimestamp(extra.data(), extra.size());
  std::vector<uint8_t> piece(16384);
  uint64_t total = 0;
  for (int count; (count = reader.ReadData(piece.data(), static_cast<unsigned>(piece.size()))) > 0;) {
    total += static_cast<uint64_t>(count);
    if (total > kDeflateMostRatio * inputSize + piece.size()) __builtin_trap();
  }
  reader.CloseData();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  UseArchiveBytes(data, size);
  ZipReader reader;
  uint64_t count = 0;
  if (!reader.Open(L"fuzz.zip") || !reader.CountEntries(&count)) return 0;
  DataSpans spans;
  for (ZipReader::Step step = reader.First(); step == ZipReader::Step::Entry; step = reader.Next())
    ReadEntry(reader, spans, size);
  return 0;
}
