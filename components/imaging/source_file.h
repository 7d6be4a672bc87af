// The picture file a conversion reads, mapped read-only so every decoder sees plain bytes.
#pragma once
#include <string>

#include "components/imaging/byte_span.h"
#include "components/imaging/mapped_view.h"
#include "components/services/win_handle.h"

// True when a directory search for `path` (UTF-8) finds an entry.
bool SourceExists(const std::string& path);

// While open, other writers are refused, so nothing (not even a conversion whose target names
// the same file) can change the source under the decoder.
class MappedSource {
 public:
  // Opens and maps `path` (UTF-8). False when the file cannot be opened or mapped; an empty file
  // opens with no bytes.
  bool Open(const std::string& path);
  // The whole file, valid while this object lives.
  ByteSpan bytes() const { return bytes_; }

 private:
  FileHandle file_;
  MappingHandle mapping_;
  MappedView view_;
  ByteSpan bytes_;
};
