// The quick look Unpack takes at a file before handing it to the ZIP reader.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

constexpr size_t kArchiveCheckSize = 32;

// Accepts `head` (the file's first bytes) only when it holds 32 bytes, begins with a local
// header signature (50 4B 03 04) and the signed 32-bit value at offset 24 is at least 1. That
// word holds the upper half of the first entry's uncompressed size and its name length, so an
// archive whose first entry has a name always passes, and an archive holding only an end
// record never does.
bool PassesArchiveCheck(const uint8_t* head, size_t size);

// Reads the first 32 bytes of the file at `path` and applies the check; false when it cannot
// be read.
bool FilePassesArchiveCheck(const std::wstring& path);
