// Stands in for minizip's Win32 file functions: the "file" the ZIP reader opens, whatever its
// name, is the fuzzer's input in memory.
#pragma once
#include <cstddef>
#include <cstdint>

#include <ioapi.h>

// The bytes the next opened archive reads; they must outlive the reader.
void UseArchiveBytes(const uint8_t* bytes, size_t size);

void fill_win32_filefunc64W(zlib_filefunc64_def* functions);
