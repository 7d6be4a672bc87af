#include "components/zip/entry_data.h"

#include <zlib.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kDeflateLevel = 8;
// Negative window bits ask zlib for a raw stream, the form ZIP entries hold.
constexpr int kRawWindowBits = -MAX_WBITS;
constexpr int kMemoryLevel = 8;

// Ends the deflate stream on every return path.
class DeflateStream {
 public:
  DeflateStream() {
    ready_ = deflateInit2(&stream_, kDeflateLevel, Z_DEFLATED, kRawWindowBits, kMemoryLevel, Z_DEFAULT_STRATEGY) == Z_OK;
  }
  ~DeflateStream() {
    if (ready_) deflateEnd(&stream_);
  }
  DeflateStream(const DeflateStream&) = delete;
  DeflateStream& operator=(const DeflateStream&) = delete;

  bool ready() const { return ready_; }
  z_stream* get() { return &stream_; }

 private:
  z_stream stream_{};
  bool ready_ = false;
};

void CountSource(EntryData& data, const uint8_t* bytes, int64_t count) {
  data.crc = static_cast<uint32_t>(crc32(data.crc, bytes, static_cast<uInt>(count)));
  data.bytesRead += static_cast<uint64_t>(count);
}

// Feeds one piece (or the finish) to the stream and writes out everything it produces.
bool DeflatePiece(z_stream* stream, int flush, std::vector<uint8_t>& output, const WritePiece& write,
                  EntryData& data) {
  do {
    stream->next_out = output.data();
    stream->avail_out = static_cast<uInt>(output.size());
    if (deflate(stream, flush) == Z_STREAM_ERROR) return false;
    size_t produced = output.size() - stream->avail_out;
    if (produced > 0 && !write(output.data(), produced)) return false;
    data.bytesWritten += produced;
  } while (stream->avail_out == 0);
  return true;
}

}  // namespace

EntryData StoreData(const ReadPiece& read, const WritePiece& write) {
  EntryData data;
  std::vector<uint8_t> piece(kPieceSize);
  while (true) {
    int64_t count = read(piece.data(), piece.size());
    if (count < 0) return data;
    if (count == 0) break;
    CountSource(data, piece.data(), count);
    if (!write(piece.data(), static_cast<size_t>(count))) return data;
    data.bytesWritten += static_cast<uint64_t>(count);
  }
  data.ok = true;
  return data;
}

EntryData DeflateData(const ReadPiece& read, const WritePiece& write) {
  EntryData data;
  DeflateStream stream;
  if (!stream.ready()) return data;
  std::vector<uint8_t> piece(kPieceSize);
  std::vector<uint8_t> output(kPieceSize);
  while (true) {
    int64_t count = read(piece.data(), piece.size());
    if (count < 0) return data;
    CountSource(data, piece.data(), count);
    stream.get()->next_in = piece.data();
    stream.get()->avail_in = static_cast<uInt>(count);
    int flush = count == 0 ? Z_FINISH : Z_NO_FLUSH;
    if (!DeflatePiece(stream.get(), flush, output, write, data)) return data;
    if (flush == Z_FINISH) break;
  }
  data.ok = true;
  return data;
}

DeflatedSource DeflateToMemory(const ReadPiece& read, uint64_t sourceSize) {
  DeflatedSource deflated;
  deflated.bytes.reserve(static_cast<size_t>(sourceSize) + kPieceSize);
  deflated.data = DeflateData(read, [&deflated](const uint8_t* bytes, size_t count) {
    deflated.bytes.insert(deflated.bytes.end(), bytes, bytes + count);
    return true;
  });
  return deflated;
}

EntryData WriteDeflated(const DeflatedSource& deflated, const WritePiece& write) {
  EntryData data = deflated.data;
  data.ok = false;
  for (size_t at = 0; at < deflated.bytes.size(); at += kPieceSize) {
    if (!write(deflated.bytes.data() + at, std::min(kPieceSize, deflated.bytes.size() - at))) return data;
  }
  data.ok = true;
  return data;
}
