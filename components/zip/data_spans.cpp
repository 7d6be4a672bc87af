#include "components/zip/data_spans.h"

#include <iterator>

bool DataSpans::Claim(uint64_t offset, uint64_t size) {
  if (size == 0) return true;
  if (size > UINT64_MAX - offset) return false;
  const uint64_t end = offset + size;
  // The first stretch starting at or after `end` cannot overlap; only the one before it can.
  auto next = claimed_.lower_bound(end);
  if (next != claimed_.begin() && std::prev(next)->second > offset) return false;
  claimed_.emplace_hint(next, offset, end);
  return true;
}
