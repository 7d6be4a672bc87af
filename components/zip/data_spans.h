// The stretches of an archive that extracted entries took their data from. In a sound archive
// every entry has data of its own; entries whose data overlap (many central headers naming one
// local header, or an entry quoted inside another's data) are how a small archive is made to
// write without bound, each entry inflating the same bytes again.
#pragma once
#include <cstdint>
#include <map>

class DataSpans {
 public:
  // Claims the bytes [offset, offset + size) for one entry; false, claiming nothing, when they
  // overlap bytes claimed before. An empty stretch overlaps nothing; one that would run past
  // 2^64 is refused.
  bool Claim(uint64_t offset, uint64_t size);

 private:
  std::map<uint64_t, uint64_t> claimed_;  // start -> end (exclusive), never overlapping
};
