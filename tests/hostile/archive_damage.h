// Damaged, lying and expanding archives for the campaign, built from the ZIP component's own
// record encoders and from Pack.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tests/zip/archive_bytes.h"

// A folder packed by Pack: a deflated picture-like entry, a deflated compressible one, a stored
// x.zip and a subfolder with one file.
Bytes PackedSample();

struct FieldLie {
  std::string what;
  Bytes archive;
};

// `good` (an archive with a plain end record) with one field of the first and last local
// header, the first and last central header or the end record set to a lying value: 0, 1, the
// largest signed value, all ones, the file's size, one beyond it, and one off its own value.
std::vector<FieldLie> LyingFields(const Bytes& good);

// Archives with ZIP64 end records and extra fields whose counts, sizes and offsets lie (up to
// 2^63), and whose locators point outside the file or at themselves.
std::vector<FieldLie> LyingZip64Records();

// One entry `name` deflating `plainSize` zero bytes, declaring `declaredSize` as its size.
Bytes ZeroBomb(const std::string& name, uint32_t plainSize, uint32_t declaredSize);
// `count` central headers ("0000.bin", "0001.bin", ...) all pointing at one local header whose
// data inflates to `plainSize` zeros.
Bytes SharedDataBomb(unsigned count, uint32_t plainSize);
// A stored entry "outer.bin" whose data quotes a whole second entry (inner.bin, 1 MiB of zeros
// deflated) that the central directory lists as well.
Bytes QuotedEntryBomb();

// The size of the file at `path`; 0 when it cannot be read.
uint64_t FileSize(const std::string& path);
