#include "components/imaging/lean_frame.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "components/imaging/bmp_file.h"
#include "components/services/little_endian.h"

namespace {

constexpr uint8_t kMagic[4] = {'V', 'L', 'F', '1'};
constexpr uint8_t kEndMarker[4] = {'V', 'L', 'F', 'E'};
constexpr uint8_t kVersion = 1;
constexpr uint8_t kStored = 0;
constexpr uint8_t kDeflated = 1;
constexpr int kTileSide = 64;
constexpr int kLargestSide = 32767;
constexpr uint64_t kLargestRows = uint64_t{1} << 30;

constexpr size_t kVersionAt = 4;
constexpr size_t kMethodAt = 5;
constexpr size_t kTileSideAt = 6;
constexpr size_t kWidthAt = 8;
constexpr size_t kHeightAt = 10;
constexpr size_t kBaseAt = 12;
constexpr size_t kFileSizeAt = 16;
constexpr size_t kCountAt = 20;
constexpr size_t kPayloadSizeAt = 24;

// Deflate cannot shrink data more than 1032 to 1, so a payload that claims to inflate to more
// is damaged, and the decoder need not reserve room for it.
constexpr uint64_t kDeflateLargestRatio = 1032;

// A tile is worth deflating when it shrinks to 15/16 of its bytes or less. Deflate spends 40
// times as long on noise as on a copy, so a tile that did not shrink is copied (the stream's
// level 0) until a sample of its first rows, deflated alone one frame in kRetryPeriod, shrinks;
// the tiles take turns, so that no frame pays for them all.
constexpr size_t kWorthDeflatingSixteenths = 15;
constexpr uint32_t kRetryPeriod = 16;
constexpr size_t kSampleRows = 16;

bool Shrank(uint64_t deflated, uint64_t bytes) { return deflated * 16 <= bytes * kWorthDeflatingSixteenths; }

// A tile in pixels; y counts stored rows, from the bitmap's bottom.
struct TileBox {
  size_t x;
  size_t y;
  size_t width;
  size_t height;
};

class TileGrid {
 public:
  explicit TileGrid(FrameShape shape)
      : shape_(shape),
        columns_(Tiles(shape.width)),
        count_(columns_ * Tiles(shape.height)),
        rowSize_(static_cast<size_t>(BmpRowSize(static_cast<uint64_t>(shape.width)))) {}

  size_t count() const { return count_; }
  size_t mapSize() const { return (count_ + 7) / 8; }
  size_t rowSize() const { return rowSize_; }
  TileBox box(size_t tile) const {
    const size_t x = tile % columns_ * kTileSide, y = tile / columns_ * kTileSide;
    return {x, y, std::min<size_t>(kTileSide, shape_.width - x), std::min<size_t>(kTileSide, shape_.height - y)};
  }
  size_t bytes(size_t tile) const {
    const TileBox b = box(tile);
    return 3 * b.width * b.height;
  }
  // Where row `r` of the tile starts in the frame's rows.
  size_t rowStart(const TileBox& b, size_t r) const { return (b.y + r) * rowSize_ + 3 * b.x; }

 private:
  static size_t Tiles(int side) { return (static_cast<size_t>(side) + kTileSide - 1) / kTileSide; }

  FrameShape shape_;
  size_t columns_;
  size_t count_;
  size_t rowSize_;
};

bool TileChanged(const TileGrid& grid, size_t tile, const uint8_t* rows, const uint8_t* previous) {
  const TileBox b = grid.box(tile);
  for (size_t r = 0; r < b.height; ++r) {
    const size_t at = grid.rowStart(b, r);
    if (std::memcmp(rows + at, previous + at, 3 * b.width) != 0) return true;
  }
  return false;
}

// Copies the tile's rows out of the frame's rows to `out`; the bytes written.
size_t GatherTile(const TileGrid& grid, size_t tile, const uint8_t* rows, uint8_t* out) {
  const TileBox b = grid.box(tile);
  for (size_t r = 0; r < b.height; ++r) std::memcpy(out + 3 * b.width * r, rows + grid.rowStart(b, r), 3 * b.width);
  return 3 * b.width * b.height;
}

// Copies the tile's bytes from `in` into the frame's rows; the bytes read.
size_t PlaceTile(const TileGrid& grid, size_t tile, const uint8_t* in, uint8_t* rows) {
  const TileBox b = grid.box(tile);
  for (size_t r = 0; r < b.height; ++r) std::memcpy(rows + grid.rowStart(b, r), in + 3 * b.width * r, 3 * b.width);
  return 3 * b.width * b.height;
}

size_t TilesBytes(const TileGrid& grid, const std::vector<size_t>& tiles) {
  size_t bytes = 0;
  for (size_t tile : tiles) bytes += grid.bytes(tile);
  return bytes;
}

// The fields of the fixed head, as the layout in lean_frame.h places them.
struct HeadFields {
  uint8_t method = kStored;
  FrameShape shape;
  uint32_t baseNumber = 0;
  uint32_t fileSize = 0;
  uint32_t changedCount = 0;
  uint32_t payloadSize = 0;
};

void PutHead(const HeadFields& fields, uint8_t* head) {
  std::memcpy(head, kMagic, sizeof kMagic);
  head[kVersionAt] = kVersion;
  head[kMethodAt] = fields.method;
  SetLe16(head, kTileSideAt, kTileSide);
  SetLe16(head, kWidthAt, static_cast<uint16_t>(fields.shape.width));
  SetLe16(head, kHeightAt, static_cast<uint16_t>(fields.shape.height));
  SetLe32(head, kBaseAt, fields.baseNumber);
  SetLe32(head, kFileSizeAt, fields.fileSize);
  SetLe32(head, kCountAt, fields.changedCount);
  SetLe32(head, kPayloadSizeAt, fields.payloadSize);
}

// The fields of a head that ReadLeanFrameHead accepts.
HeadFields FieldsOf(const uint8_t* head) {
  return {head[kMethodAt], {GetLe16(head, kWidthAt), GetLe16(head, kHeightAt)}, GetLe32(head, kBaseAt),
          GetLe32(head, kFileSizeAt), GetLe32(head, kCountAt), GetLe32(head, kPayloadSizeAt)};
}

// The map is written only when it says something the count does not.
bool HasMap(const TileGrid& grid, size_t changedCount) { return changedCount > 0 && changedCount < grid.count(); }

void PutMap(const std::vector<size_t>& changed, uint8_t* map, size_t mapSize) {
  if (mapSize == 0) return;
  std::memset(map, 0, mapSize);
  for (size_t tile : changed) map[tile / 8] |= static_cast<uint8_t>(1 << (tile % 8));
}

// The changed tiles a file states, in `changed`. False when the map's bits for tiles are not
// the stated count.
bool ReadChangedTiles(const TileGrid& grid, size_t changedCount, ByteSpan map, std::vector<size_t>& changed) {
  changed.clear();
  const bool mapped = HasMap(grid, changedCount);
  for (size_t tile = 0; changedCount > 0 && tile < grid.count(); ++tile) {
    if (!mapped || ((map[tile / 8] >> (tile % 8)) & 1)) changed.push_back(tile);
  }
  return changed.size() == changedCount;
}

// A lean frame file taken apart, every part checked against the others.
struct FrameParts {
  HeadFields fields;
  ByteSpan map;
  ByteSpan payload;
};

bool SplitFrame(ByteSpan file, FrameParts& parts) {
  if (file.size() < kLeanFrameHeadSize + kLeanFrameTailSize) return false;
  const uint8_t* tail = file.data() + file.size() - kLeanFrameTailSize;
  if (!IsWholeLeanFrame(file.data(), file.size(), tail, kLeanFrameTailSize, file.size())) return false;
  parts.fields = FieldsOf(file.data());
  const TileGrid grid(parts.fields.shape);
  if (parts.fields.method > kDeflated || parts.fields.changedCount > grid.count()) return false;
  const size_t mapSize = HasMap(grid, parts.fields.changedCount) ? grid.mapSize() : 0;
  if (kLeanFrameHeadSize + mapSize + uint64_t{parts.fields.payloadSize} + kLeanFrameTailSize != file.size()) return false;
  parts.map = file.subspan(kLeanFrameHeadSize, mapSize);
  parts.payload = file.subspan(kLeanFrameHeadSize + mapSize, parts.fields.payloadSize);
  return true;
}

// The padding bytes after each row's pixels, zero as BMP rows have them.
void ZeroPadding(FrameShape shape, size_t rowSize, uint8_t* rows) {
  const size_t pixelBytes = 3 * static_cast<size_t>(shape.width);
  if (pixelBytes == rowSize) return;
  for (size_t y = 0; y < static_cast<size_t>(shape.height); ++y) std::memset(rows + y * rowSize + pixelBytes, 0, rowSize - pixelBytes);
}

}  // namespace

uint64_t LeanFrameRowsSize(FrameShape shape) {
  if (shape.width < 1 || shape.width > kLargestSide || shape.height < 1 || shape.height > kLargestSide) return 0;
  const uint64_t size = BmpRowSize(static_cast<uint64_t>(shape.width)) * static_cast<uint64_t>(shape.height);
  return size <= kLargestRows ? size : 0;
}

bool ReadLeanFrameHead(const uint8_t* head, size_t headSize, LeanFrameHead& result) {
  if (headSize < kLeanFrameHeadSize || std::memcmp(head, kMagic, sizeof kMagic) != 0) return false;
  if (head[kVersionAt] != kVersion || GetLe16(head, kTileSideAt) != kTileSide) return false;
  const HeadFields fields = FieldsOf(head);
  if (LeanFrameRowsSize(fields.shape) == 0 || fields.baseNumber > INT_MAX) return false;
  result = {fields.shape, static_cast<int>(fields.baseNumber)};
  return true;
}

bool IsWholeLeanFrame(const uint8_t* head, size_t headSize, const uint8_t* tail, size_t tailSize,
                      uint64_t fileSize) {
  LeanFrameHead parsed;
  if (!ReadLeanFrameHead(head, headSize, parsed) || tailSize < kLeanFrameTailSize) return false;
  if (fileSize < kLeanFrameHeadSize + kLeanFrameTailSize || GetLe32(head, kFileSizeAt) != fileSize) return false;
  return std::memcmp(tail + tailSize - kLeanFrameTailSize, kEndMarker, sizeof kEndMarker) == 0;
}

struct LeanFrameEncoder::State {
  State() { ready = deflateInit(&stream, Z_BEST_SPEED) == Z_OK; }
  ~State() {
    if (ready) deflateEnd(&stream);
  }

  // The tiles of `rows` that differ from `previous`, or all of them for a whole frame.
  void ListChangedTiles(const TileGrid& grid, ByteSpan rows, ByteSpan previous) {
    changed.clear();
    for (size_t tile = 0; tile < grid.count(); ++tile) {
      if (previous.empty() || TileChanged(grid, tile, rows.data(), previous.data())) changed.push_back(tile);
    }
  }

  // What was learned of each tile holds for frames of the shape it was learned on.
  void KeepLearningFor(FrameShape shape, const TileGrid& grid) {
    if (learnedShape == shape) return;
    learnedShape = shape;
    unrewarding.assign(grid.count(), 0);
  }

  bool AnyRewarding() const {
    for (size_t tile : changed) {
      if (!unrewarding[tile]) return true;
    }
    return false;
  }

  bool SetLevel(int wanted) {
    if (level == wanted) return true;
    if (deflateParams(&stream, wanted, Z_DEFAULT_STRATEGY) != Z_OK) return false;
    level = wanted;
    return true;
  }

  // Deflates a sample of each unrewarding tile whose turn it is alone, outside the frame's
  // stream, and takes the tile back in when the sample shrank. A sample that shrank hints that
  // the screen shows something new, so the next frame tries every tile. `bytes` are the
  // gathered tiles.
  void RetryUnrewarding(const TileGrid& grid, const uint8_t* bytes) {
    const bool everyTile = sampleShrank;
    sampleShrank = false;
    for (size_t tile : changed) {
      if (unrewarding[tile] && (everyTile || (framesCoded + tile) % kRetryPeriod == 0)) {
        unrewarding[tile] = !SampleShrinks(grid, tile, bytes);
        sampleShrank = sampleShrank || !unrewarding[tile];
      }
      bytes += grid.bytes(tile);
    }
  }

  bool SampleShrinks(const TileGrid& grid, size_t tile, const uint8_t* bytes) {
    const TileBox b = grid.box(tile);
    const size_t size = 3 * b.width * std::min(b.height, kSampleRows);
    sample.resize(size);
    if (deflateReset(&stream) != Z_OK || !SetLevel(Z_BEST_SPEED)) return false;
    stream.next_in = const_cast<uint8_t*>(bytes);
    stream.avail_in = static_cast<uInt>(size);
    stream.next_out = sample.data();
    stream.avail_out = static_cast<uInt>(size);
    return deflate(&stream, Z_FINISH) == Z_STREAM_END && Shrank(stream.total_out, size);
  }

  // Feeds one gathered tile, deflated or copied, and learns whether deflating it paid. False
  // once the room is (nearly) full, so that the tile could not be taken whole: the stream would
  // not be smaller than the tiles stored.
  bool FeedTile(const TileGrid& grid, size_t tile, const uint8_t* bytes) {
    const bool trying = !unrewarding[tile];
    if (!SetLevel(trying ? Z_BEST_SPEED : Z_NO_COMPRESSION)) return false;
    const uLong before = stream.total_out;
    stream.next_in = const_cast<uint8_t*>(bytes);
    stream.avail_in = static_cast<uInt>(grid.bytes(tile));
    // A tile tried ends its block, so that the bytes it took can be counted.
    if (deflate(&stream, trying ? Z_BLOCK : Z_NO_FLUSH) != Z_OK) return false;
    if (stream.avail_in != 0 || stream.avail_out == 0) return false;
    if (trying) unrewarding[tile] = !Shrank(stream.total_out - before, grid.bytes(tile));
    return true;
  }

  // Deflates the gathered tiles into `out`, which has room for as many bytes as they are; the
  // bytes written, or 0 when that room is not enough for the whole stream.
  size_t DeflateTiles(const TileGrid& grid, uint8_t* out, size_t room) {
    if (deflateReset(&stream) != Z_OK) return 0;
    stream.next_out = out;
    stream.avail_out = static_cast<uInt>(room);
    const uint8_t* bytes = tiles.data();
    for (size_t tile : changed) {
      if (!FeedTile(grid, tile, bytes)) return 0;
      bytes += grid.bytes(tile);
    }
    if (deflate(&stream, Z_FINISH) != Z_STREAM_END || stream.avail_out == 0) return 0;
    return room - stream.avail_out;
  }

  // Writes the changed tiles to `payload`, which has room for them stored; the method used and,
  // in `payloadSize`, the bytes written.
  uint8_t WritePayload(const TileGrid& grid, ByteSpan rows, uint8_t* payload, size_t& payloadSize) {
    payloadSize = TilesBytes(grid, changed);
    // With no tile worth deflating, the tiles are gathered straight into the payload, stored.
    const bool deflating = AnyRewarding();
    if (deflating) tiles.resize(payloadSize);
    uint8_t* const gathered = deflating ? tiles.data() : payload;
    uint8_t* at = gathered;
    for (size_t tile : changed) at += GatherTile(grid, tile, rows.data(), at);
    RetryUnrewarding(grid, gathered);
    if (!deflating) return kStored;
    const size_t deflated = DeflateTiles(grid, payload, payloadSize);
    if (deflated > 0) {
      payloadSize = deflated;
      return kDeflated;
    }
    std::memcpy(payload, tiles.data(), payloadSize);
    return kStored;
  }

  z_stream stream{};
  bool ready = false;
  int level = Z_BEST_SPEED;
  ByteString tiles;            // the changed tiles' bytes gathered, the stream's input
  std::vector<size_t> changed;
  FrameShape learnedShape;
  ByteString sample;           // where a retried tile's sample is deflated, to be measured
  std::vector<uint8_t> unrewarding;  // a tile's last try did not shrink it enough
  bool sampleShrank = false;
  uint32_t framesCoded = 0;
};

LeanFrameEncoder::LeanFrameEncoder() : state_(std::make_unique<State>()) {}
LeanFrameEncoder::~LeanFrameEncoder() = default;

bool LeanFrameEncoder::Encode(FrameShape shape, ByteSpan rows, ByteSpan previous, int baseNumber, ByteString& file) {
  const uint64_t rowsSize = LeanFrameRowsSize(shape);
  const bool whole = previous.empty();
  const bool baseFits = whole ? baseNumber == 0 : previous.size() == rowsSize && baseNumber >= 1;
  if (!state_->ready || rowsSize == 0 || rows.size() != rowsSize || !baseFits) {
    file.clear();
    return false;
  }
  State& state = *state_;
  const TileGrid grid(shape);
  state.KeepLearningFor(shape, grid);
  state.ListChangedTiles(grid, rows, previous);
  const size_t mapSize = HasMap(grid, state.changed.size()) ? grid.mapSize() : 0;
  const size_t payloadAt = kLeanFrameHeadSize + mapSize;
  file.resize(payloadAt + TilesBytes(grid, state.changed) + kLeanFrameTailSize);
  size_t payloadSize = 0;
  const uint8_t method = state.WritePayload(grid, rows, file.data() + payloadAt, payloadSize);
  file.resize(payloadAt + payloadSize + kLeanFrameTailSize);
  PutHead({.method = method,
           .shape = shape,
           .baseNumber = static_cast<uint32_t>(baseNumber),
           .fileSize = static_cast<uint32_t>(file.size()),
           .changedCount = static_cast<uint32_t>(state.changed.size()),
           .payloadSize = static_cast<uint32_t>(payloadSize)},
          file.data());
  PutMap(state.changed, file.data() + kLeanFrameHeadSize, mapSize);
  std::memcpy(file.data() + file.size() - kLeanFrameTailSize, kEndMarker, sizeof kEndMarker);
  ++state.framesCoded;
  return true;
}

struct LeanFrameDecoder::State {
  State() { ready = inflateInit(&stream) == Z_OK; }
  ~State() {
    if (ready) inflateEnd(&stream);
  }

  // Inflates the payload into `tiles`, which it must fill exactly, to its last byte.
  bool InflateTiles(ByteSpan payload, size_t tilesBytes) {
    if (tilesBytes / kDeflateLargestRatio > payload.size() || inflateReset(&stream) != Z_OK) return false;
    tiles.resize(tilesBytes);
    stream.next_in = const_cast<uint8_t*>(payload.data());
    stream.avail_in = static_cast<uInt>(payload.size());
    stream.next_out = tiles.data();
    stream.avail_out = static_cast<uInt>(tilesBytes);
    return inflate(&stream, Z_FINISH) == Z_STREAM_END && stream.avail_out == 0 && stream.avail_in == 0;
  }

  // The changed tiles' bytes, from the file itself or inflated; null when the payload does not
  // hold exactly them.
  const uint8_t* TileBytes(const FrameParts& parts, size_t tilesBytes) {
    if (parts.fields.method == kStored) return parts.payload.size() == tilesBytes ? parts.payload.data() : nullptr;
    return InflateTiles(parts.payload, tilesBytes) ? tiles.data() : nullptr;
  }

  z_stream stream{};
  bool ready = false;
  ByteString tiles;  // the inflated payload
  std::vector<size_t> changed;
};

LeanFrameDecoder::LeanFrameDecoder() : state_(std::make_unique<State>()) {}
LeanFrameDecoder::~LeanFrameDecoder() = default;

bool LeanFrameDecoder::Decode(ByteSpan file, int heldNumber, FrameShape& shape, ByteString& rows) {
  State& state = *state_;
  FrameParts parts;
  if (!state.ready || !SplitFrame(file, parts)) return false;
  const FrameShape frameShape = parts.fields.shape;
  const size_t rowsSize = static_cast<size_t>(LeanFrameRowsSize(frameShape));
  const bool whole = parts.fields.baseNumber == 0;
  if (!whole && (parts.fields.baseNumber != static_cast<uint32_t>(heldNumber) || rows.size() != rowsSize)) return false;
  const TileGrid grid(frameShape);
  if (!ReadChangedTiles(grid, parts.fields.changedCount, parts.map, state.changed)) return false;
  if (whole && state.changed.size() != grid.count()) return false;
  const uint8_t* bytes = state.TileBytes(parts, TilesBytes(grid, state.changed));
  if (bytes == nullptr) return false;
  if (whole) {
    rows.resize(rowsSize);
    ZeroPadding(frameShape, grid.rowSize(), rows.data());
  }
  for (size_t tile : state.changed) bytes += PlaceTile(grid, tile, bytes, rows.data());
  shape = frameShape;
  return true;
}
