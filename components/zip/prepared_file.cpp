#include "components/zip/prepared_file.h"

#include <algorithm>
#include <memory>

namespace {

// Large pieces keep the copy bound by the disk: under Wine every ReadFile and WriteFile is a
// trip through the system, and a frame's data then moves in one of each.
constexpr uint64_t kCopyPieceSize = 1u << 20;

}  // namespace

bool OpenPreparedFile(const std::wstring& path, PreparedFile* prepared) {
  if (!OpenSourceFileUnread(path, &prepared->source)) return false;
  uint8_t header[kPreparedHeaderSize];
  int64_t count = ReadSourcePiece(prepared->source.handle.get(), header, sizeof header);
  return count > 0 && ReadPreparedHeader(header, static_cast<size_t>(count), prepared->source.size, &prepared->header);
}

EntryData CopyPreparedData(const PreparedFile& prepared, const WritePiece& write) {
  EntryData data{false, prepared.header.crc, prepared.header.uncompressedSize, 0};
  const uint64_t total = prepared.header.dataSize;
  const size_t capacity = static_cast<size_t>(std::min(total, kCopyPieceSize));
  // Every byte is read before it is written, so the buffer needs no zeroing.
  std::unique_ptr<uint8_t[]> piece = std::make_unique_for_overwrite<uint8_t[]>(capacity);
  while (data.bytesWritten < total) {
    size_t wanted = static_cast<size_t>(std::min<uint64_t>(total - data.bytesWritten, capacity));
    int64_t count = ReadSourcePiece(prepared.source.handle.get(), piece.get(), wanted);
    if (count <= 0 || !write(piece.get(), static_cast<size_t>(count))) return data;
    data.bytesWritten += static_cast<uint64_t>(count);
  }
  data.ok = true;
  return data;
}
