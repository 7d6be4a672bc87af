// minizip's file functions over the bytes given to UseArchiveBytes.
#include <cstring>

#include "components/zip/read_ahead_file.h"
#include "tests/fuzz/memory_archive.h"

namespace {

struct MemoryFile {
  const uint8_t* bytes;
  uint64_t size;
  uint64_t position;
};

MemoryFile archive;

voidpf Open(voidpf, const void*, int) { return new MemoryFile(archive); }

uLong Read(voidpf, voidpf stream, void* to, uLong size) {
  auto* file = static_cast<MemoryFile*>(stream);
  const uint64_t left = file->position < file->size ? file->size - file->position : 0;
  const uLong count = static_cast<uLong>(size < left ? size : left);
  if (count) std::memcpy(to, file->bytes + file->position, count);
  file->position += count;
  return count;
}

uLong Write(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T Tell(voidpf, voidpf stream) { return static_cast<MemoryFile*>(stream)->position; }

long Seek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto* file = static_cast<MemoryFile*>(stream);
  const uint64_t base = origin == ZLIB_FILEFUNC_SEEK_CUR   ? file->position
                        : origin == ZLIB_FILEFUNC_SEEK_END ? file->size
                                                           : 0;
  file->position = base + offset;
  return 0;
}

int Close(voidpf, voidpf stream) {
  delete static_cast<MemoryFile*>(stream);
  return 0;
}

int Error(voidpf, voidpf) { return 0; }

}  // namespace

void UseArchiveBytes(const uint8_t* bytes, size_t size) { archive = {bytes, size, 0}; }

void FillReadAheadFunctions(zlib_filefunc64_def* functions) {
  functions->zopen64_file = Open;
  functions->zread_file = Read;
  functions->zwrite_file = Write;
  functions->ztell64_file = Tell;
  functions->zseek64_file = Seek;
  functions->zclose_file = Close;
  functions->zerror_file = Error;
  functions->opaque = nullptr;
}
