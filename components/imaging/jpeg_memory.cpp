// libjpeg's system-dependent memory functions (the porting interface its jmemsys.h declares),
// in place of the plain malloc and free of its jmemnobs.c. The difference: the large blocks of a
// picture (the whole-image coefficient buffer that optimised Huffman coding needs, 4 MB for a
// saved 1536x864 frame) are kept when libjpeg frees them and handed out again for the next
// picture. The save converts frame after frame of one size, and on a machine where memory
// touched for the first time is dear, a fresh buffer per frame costs as much as the coding.
// At most kKeptBlocks blocks and kKeptBytes bytes are kept; nothing else changes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <mutex>

#include <jpeglib.h>
#include <jerror.h>

namespace {

constexpr int kKeptBlocks = 4;
constexpr size_t kKeptBytes = size_t{32} << 20;

// Each large block carries its capacity in front of what libjpeg sees; the header keeps the
// alignment malloc gives.
struct alignas(std::max_align_t) BlockHeader {
  size_t capacity;
};

struct KeptBlocks {
  std::mutex lock;
  BlockHeader* blocks[kKeptBlocks] = {};
  size_t bytes = 0;
};

KeptBlocks& Kept() {
  static KeptBlocks kept;
  return kept;
}

// The smallest kept block that holds `size` bytes and is not more than twice as large.
BlockHeader* TakeKept(size_t size) {
  KeptBlocks& kept = Kept();
  std::lock_guard<std::mutex> guard(kept.lock);
  int best = -1;
  for (int i = 0; i < kKeptBlocks; ++i) {
    const BlockHeader* block = kept.blocks[i];
    if (block && block->capacity >= size && block->capacity / 2 <= size &&
        (best < 0 || block->capacity < kept.blocks[best]->capacity)) {
      best = i;
    }
  }
  if (best < 0) return nullptr;
  BlockHeader* block = kept.blocks[best];
  kept.blocks[best] = nullptr;
  kept.bytes -= block->capacity;
  return block;
}

bool Keep(BlockHeader* block) {
  KeptBlocks& kept = Kept();
  std::lock_guard<std::mutex> guard(kept.lock);
  if (kept.bytes + block->capacity > kKeptBytes) return false;
  for (BlockHeader*& slot : kept.blocks) {
    if (!slot) {
      slot = block;
      kept.bytes += block->capacity;
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
  BlockHeader* block = TakeKept(size);
  if (!block) {
    if (size > SIZE_MAX - sizeof(BlockHeader)) return nullptr;
    block = static_cast<BlockHeader*>(std::malloc(sizeof(BlockHeader) + size));
    if (!block) return nullptr;
    block->capacity = size;
  }
  return block + 1;
}

void jpeg_free_large(j_common_ptr, void* object, size_t) {
  if (!object) return;
  BlockHeader* block = static_cast<BlockHeader*>(object) - 1;
  if (!Keep(block)) std::free(block);
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
