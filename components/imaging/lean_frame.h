// Lean frames: a screen frame's 24-bit bitmap rows kept losslessly as the tiles that changed
// since the frame before, deflated. The file layout, every number little-endian:
//   0  4  magic "VLF1"
//   4  1  version, 1
//   5  1  payload method: 0 stored (the tiles' bytes as they are), 1 deflated (one zlib stream)
//   6  2  tile side in pixels, 64
//   8  2  width in pixels, 1 .. 32767
//  10  2  height in pixels, 1 .. 32767
//  12  4  base frame number: the frame whose picture this one changes; 0 for a whole frame
//  16  4  size of the whole file, end marker included
//  20  4  number of changed tiles
//  24  4  payload size in bytes
//  28     tile map: present only when some but not all tiles changed; one bit a tile (bit i % 8
//         of byte i / 8), set for a changed tile, spare bits zero
//  ..     payload: the changed tiles' bytes in tile order, as the method says
//  ..  4  end marker "VLFE"
// Tiles are numbered row by row from the first stored row (the bitmap's bottom) and the left
// edge; those on the right and top edges are smaller when a side is not a multiple of 64. A
// tile's bytes are its rows in stored order, each 3 × its width bytes (the row padding is not
// stored). A whole frame changes every tile; an unchanged frame has no map and no payload.
// Which tiles the encoder deflates and which it copies into the stream (deflate's level 0) is
// its own choice; a reader only inflates. A deflated payload is checked by zlib's check sum; a
// stored one, which noise gets, carries none.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "components/imaging/byte_span.h"
#include "components/services/byte_string.h"

// The shape of a frame's pixel rows: height rows, bottom-up, each BmpRowSize(width) bytes.
struct FrameShape {
  int width = 0;
  int height = 0;
  bool operator==(const FrameShape&) const = default;
};

// Bytes of a shape's rows; 0 for a shape a lean frame cannot hold (a side outside 1 .. 32767,
// or rows above 1 GiB).
uint64_t LeanFrameRowsSize(FrameShape shape);

// What a file's first bytes say.
struct LeanFrameHead {
  FrameShape shape;
  int baseNumber = 0;  // 0 for a whole frame
};

// Bytes IsWholeLeanFrame needs from the start and from the end of a file.
constexpr size_t kLeanFrameHeadSize = 28;
constexpr size_t kLeanFrameTailSize = 4;

// The head of a lean frame file from its first `headSize` bytes (at least kLeanFrameHeadSize),
// without decoding. False when they are too few or no lean frame head of a shape it can hold.
bool ReadLeanFrameHead(const uint8_t* head, size_t headSize, LeanFrameHead& result);

// Whether a file of `fileSize` bytes whose first bytes are `head` and whose last bytes are
// `tail` is whole: a lean frame head stating exactly that size, and the end marker last. A file
// cut short by a crash is not. Each part needs at least its constant above.
bool IsWholeLeanFrame(const uint8_t* head, size_t headSize, const uint8_t* tail, size_t tailSize,
                      uint64_t fileSize);

// Codes frame after frame. It keeps its zlib stream, its scratch bytes and what it learned of
// each tile (whether deflating it paid off), so one encoder serves a whole take, on one thread.
class LeanFrameEncoder {
 public:
  LeanFrameEncoder();
  ~LeanFrameEncoder();
  LeanFrameEncoder(const LeanFrameEncoder&) = delete;
  LeanFrameEncoder& operator=(const LeanFrameEncoder&) = delete;

  // Codes `rows` (LeanFrameRowsSize(shape) bytes) as a lean frame file into `file`, whose memory
  // is reused. `previous` is the rows of frame `baseNumber` (1 or more), coded just before in the
  // same shape, or empty with `baseNumber` 0 for a whole frame. The decoded rows equal `rows`
  // except for row padding, which decodes as zeros. False, leaving `file` empty, for a shape
  // LeanFrameRowsSize refuses, sizes that do not match it or a base number that does not fit.
  bool Encode(FrameShape shape, ByteSpan rows, ByteSpan previous, int baseNumber, ByteString& file);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Reads frame after frame, keeping its zlib stream and scratch bytes.
class LeanFrameDecoder {
 public:
  LeanFrameDecoder();
  ~LeanFrameDecoder();
  LeanFrameDecoder(const LeanFrameDecoder&) = delete;
  LeanFrameDecoder& operator=(const LeanFrameDecoder&) = delete;

  // Decodes the lean frame `file` into `rows`, which holds the picture of frame `heldNumber`
  // (or nothing, with 0) and becomes this frame's picture, its memory reused; `shape` becomes
  // the frame's shape. A whole frame needs nothing held. False when the file is damaged, cut short or no lean frame, or it changes
  // a frame other than `heldNumber` or of another shape; `rows` and `shape` are then left as
  // they were, and the caller treats the frame as missing. Whatever the bytes, it reads none
  // outside `file` and reserves memory only for rows of a shape LeanFrameRowsSize accepts and
  // a payload that could inflate to them.
  bool Decode(ByteSpan file, int heldNumber, FrameShape& shape, ByteString& rows);

 private:
  struct State;
  std::unique_ptr<State> state_;
};
