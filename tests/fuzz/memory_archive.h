// Stands in for the ZIP reader's file functions: the "file" it opens, whatever its name, is the
// fuzzer's input in memory. memory_archive.cpp defines FillReadAheadFunctions in place of
// components/zip/read_ahead_file.cpp.
#pragma once
#include <cstddef>
#include <cstdint>

// The bytes the next opened archive reads; they must outlive the reader.
void UseArchiveBytes(const uint8_t* bytes, size_t size);
