#include "components/zip/read_ahead_file.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "components/services/win_handle.h"

namespace {

// A piece of the file as one read brings it; reads of at least this much bypass the buffer.
constexpr size_t kPieceSize = 64 * 1024;

struct ReadAheadFile {
  FileHandle file;
  uint64_t size = 0;
  uint64_t position = 0;       // where the next read begins
  uint64_t bufferStart = 0;    // the file offset of buffer[0]
  std::vector<uint8_t> buffer; // bytes held, from bufferStart
  bool failed = false;
};

// Reads up to `size` bytes at `offset` straight from the file; the count read.
size_t ReadAt(ReadAheadFile& f, uint64_t offset, void* target, size_t size) {
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD read = 0;
  if (!ReadFile(f.file.get(), target, static_cast<DWORD>(size), &read, &at) && GetLastError() != ERROR_HANDLE_EOF)
    f.failed = true;
  return read;
}

// The buffer now holds the piece that begins at `offset`.
void Refill(ReadAheadFile& f, uint64_t offset) {
  f.buffer.resize(kPieceSize);
  f.bufferStart = offset;
  f.buffer.resize(ReadAt(f, offset, f.buffer.data(), kPieceSize));
}

voidpf ZCALLBACK Open(voidpf, const void* name, int mode) {
  if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ || !name) return nullptr;
  FileHandle file(CreateFileW(static_cast<const wchar_t*>(name), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size)) return nullptr;
  auto* f = new (std::nothrow) ReadAheadFile;
  if (!f) return nullptr;
  f->file = std::move(file);
  f->size = static_cast<uint64_t>(size.QuadPart);
  return f;
}

uLong ZCALLBACK Read(voidpf, voidpf stream, void* target, uLong size) {
  auto& f = *static_cast<ReadAheadFile*>(stream);
  auto* out = static_cast<uint8_t*>(target);
  size_t done = 0;
  while (done < size && f.position < f.size) {
    const bool inBuffer = f.position >= f.bufferStart && f.position < f.bufferStart + f.buffer.size();
    if (!inBuffer && size - done >= kPieceSize) {
      const size_t read = ReadAt(f, f.position, out + done, size - done);
      if (read == 0) break;
      done += read;
      f.position += read;
      continue;
    }
    if (!inBuffer) {
      Refill(f, f.position);
      if (f.buffer.empty()) break;
    }
    const size_t from = static_cast<size_t>(f.position - f.bufferStart);
    const size_t count = std::min<size_t>(size - done, f.buffer.size() - from);
    std::memcpy(out + done, f.buffer.data() + from, count);
    done += count;
    f.position += count;
  }
  return static_cast<uLong>(done);
}

uLong ZCALLBACK Write(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZCALLBACK Tell(voidpf, voidpf stream) { return static_cast<ReadAheadFile*>(stream)->position; }

long ZCALLBACK Seek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto& f = *static_cast<ReadAheadFile*>(stream);
  uint64_t base = 0;
  switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: base = 0; break;
    case ZLIB_FILEFUNC_SEEK_CUR: base = f.position; break;
    case ZLIB_FILEFUNC_SEEK_END: base = f.size; break;
    default: return -1;
  }
  // The move is signed, as SetFilePointerEx takes it: a place before the start is refused, one
  // beyond the end reads nothing.
  const int64_t moved = static_cast<int64_t>(base + offset);
  if (moved < 0) return -1;
  f.position = static_cast<uint64_t>(moved);
  return 0;
}

int ZCALLBACK Close(voidpf, voidpf stream) {
  delete static_cast<ReadAheadFile*>(stream);
  return 0;
}

int ZCALLBACK Error(voidpf, voidpf stream) { return static_cast<ReadAheadFile*>(stream)->failed ? 1 : 0; }

}  // namespace

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
