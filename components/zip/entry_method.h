// Which compression method an entry gets.
#pragma once
#include <cstdint>
#include <string_view>

// kMethodStored for a file whose name ends in a suffix of an already-compressed format
// (".Z", ".zip", ".zoo", ".arc", ".lzh", ".arj", ".gz", ".tgz", any case; the suffix runs from
// the last "." to the end), kMethodDeflate for every other file. Folder entries are always
// stored and do not ask.
uint16_t MethodForFile(std::string_view entryName);
