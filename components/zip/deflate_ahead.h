// Deflates the coming files of a folder on the spare cores while the archive writes the entry
// before them. Each file still gets its own zlib stream with the same settings and pieces, so
// the archive's bytes are exactly those of deflating one file after the other; a folder of
// frames packs in little more than half the time on two cores.
#pragma once
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "components/zip/entry_data.h"

class DeflateAhead {
 public:
  // `paths` in entry order; an empty path is a file the archive does not deflate. With fewer
  // than two such files, or a single core, nothing is deflated ahead.
  explicit DeflateAhead(std::vector<std::wstring> paths);
  ~DeflateAhead();
  DeflateAhead(const DeflateAhead&) = delete;
  DeflateAhead& operator=(const DeflateAhead&) = delete;

  // Waits for file `index` (asked in increasing order) and hands over its deflated data; none
  // when it was not deflated ahead (stored, larger than the ahead limit, unreadable, no spare
  // core), and the archive deflates it itself as it adds it.
  std::optional<DeflatedSource> Take(size_t index);

 private:
  void Work();

  std::vector<std::wstring> paths_;
  std::vector<std::optional<DeflatedSource>> results_;
  std::vector<bool> finished_;
  size_t nextJob_ = 0;
  size_t windowStart_ = 0;  // the first file not yet taken
  bool stopping_ = false;
  std::mutex lock_;
  std::condition_variable changed_;
  std::vector<std::thread> workers_;
};
