// libjpeg's system-dependent memory functions (the porting interface its jmemsys.h declares),
// in place of the plain malloc and free of its jmemnobs.c. The difference: the large blocks of a
// picture (the whole-image coefficient buffer that optimised Huffman coding needs, 4 MB for a
// saved 1536x864 frame) are kept when libjpeg frees them and handed out again for the next
// picture. The save converts frame after frame of one size, and on a machine where memory
// touched for the first time is dear, a fresh buffer per frame costs as much as the coding.
// At most kKeptBlocks blocks and kKeptBytes bytes are kept; nothing else changes.
#include <cstddef>
#include <cstdint>
#include <cstdio>  // before jpeglib.h, which uses FILE
#include <cstdlib>
#include <cstring>
#include <mutex>

#include <jpeglib.h>
#include <jerror.h>

namespace {

constexpr int kKeptBlocks = 4;
constexpr size_t kKeptBytes = size_t{32} << 20;

// Each large block carries its capacity in front of what libjpeg sees. The header's 16 bytes
// keep the alignment malloc gives; libjpeg aligns its objects inside the block itself.
constexpr size_t kHeaderBytes = 16;

struct Block {
  unsigned char* start = nullptr;  // what malloc gave
  size_t capacity = 0;             // bytes after the header
};

Block BlockOf(void* object) {
  Block block{static_cast<unsigned char*>(object) - kHeaderBytes, 0};
  std::memcpy(&block.capacity, block.start, sizeof(block.capacity));
  return block;
}

struct KeptBlocks {
  std::mutex lock;
  Block blocks[kKeptBlocks];
  size_t bytes = 0;
};

KeptBlocks& Kept() {
  static KeptBlocks kept;
  return kept;
}

// The smallest kept block that holds `size` bytes and is not more than twice as large; an
// empty block when there is none.
Block TakeKept(size_t size) {
  KeptBlocks& kept = Kept();
  std::lock_guard<std::mutex> guard(kept.lock);
  Block* best = nullptr;
  for (Block& block : kept.blocks) {
    if (block.start && block.capacity >= size && block.capacity / 2 <= size &&
        (!best || block.capacity < best->capacity)) {
      best = &block;
    }
  }
  if (!best) return {};
  const Block taken = *best;
  *best = {};
  kept.bytes -= taken.capacity;
  return taken;
}

bool Keep(const Block& block) {
  KeptBlocks& kept = Kept();
  std::lock_guard<std::mutex> guard(kept.lock);
  if (kept.bytes + block.capacity > kKeptBytes) return false;
  for (Block& slot : kept.blocks) {
    if (!slot.start) {
      slot = block;
      kept.bytes += block.capacity;
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" {

struct backing_store_struct;

void* jpeg_get_small(j_common_ptr, size_t size) { return std::malloc(size); }

void jpeg_free_small(j_common_ptr, void* object, size_t) { std::free(object); }

void* jpeg_get_large(j_common_ptr, size_t size) {
  Block block = TakeKept(size);
  if (!block.start) {
    if (size > SIZE_MAX - kHeaderBytes) return nullptr;
    block.start = static_cast<unsigned char*>(std::malloc(kHeaderBytes + size));
    if (!block.start) return nullptr;
    block.capacity = size;
    std::memcpy(block.start, &block.capacity, sizeof(block.capacity));
  }
  return block.start + kHeaderBytes;
}

void jpeg_free_large(j_common_ptr, void* object, size_t) {
  if (!object) return;
  const Block block = BlockOf(object);
  if (!Keep(block)) std::free(block.start);
}

// As libjpeg's own: all that is asked for, within the codec's limit when it sets one.
size_t jpeg_mem_available(j_common_ptr codec, size_t, size_t maxBytesNeeded, size_t alreadyAllocated) {
  const long limit = codec->mem->max_memory_to_use;
  if (limit == 0) return maxBytesNeeded;
  return static_cast<size_t>(limit) > alreadyAllocated ? static_cast<size_t>(limit) - alreadyAllocated : 0;
}

// No temporary files: a picture that does not fit in memory fails, as with libjpeg's own.
void jpeg_open_backing_store(j_common_ptr codec, backing_store_struct*, long) {
  ERREXIT(codec, JERR_NO_BACKING_STORE);
}

long jpeg_mem_init(j_common_ptr) { return 0; }

void jpeg_mem_term(j_common_ptr) {}

}  // extern "C"
