#include "components/zip/deflate_ahead.h"

#include <windows.h>

#include <algorithm>
#include <system_error>

#include "components/services/win_handle.h"
#include "components/zip/source_file.h"

namespace {

// Memory held ahead stays bounded: at most kWindow files of at most kLargestAhead bytes each
// (deflate never grows a file by more than a few bytes per 16 KiB). Larger files stream
// through the archive in pieces as before.
constexpr size_t kWindow = 8;
constexpr uint64_t kLargestAhead = 4u << 20;
constexpr unsigned kMostWorkers = 4;

std::optional<DeflatedSource> DeflateFile(const std::wstring& path) {
  if (path.empty()) return std::nullopt;
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size) || static_cast<uint64_t>(size.QuadPart) > kLargestAhead) {
    return std::nullopt;
  }
  HANDLE handle = file.get();
  DeflatedSource deflated = DeflateToMemory(
      [handle](uint8_t* buffer, size_t capacity) { return ReadSourcePiece(handle, buffer, capacity); },
      static_cast<uint64_t>(size.QuadPart));
  if (!deflated.data.ok) return std::nullopt;
  return deflated;
}

// The packing thread itself waits on the workers, so every core can take a worker.
unsigned WorkersFor(const std::vector<std::wstring>& paths) {
  const size_t deflated = static_cast<size_t>(std::count_if(paths.begin(), paths.end(), [](const auto& p) { return !p.empty(); }));
  const unsigned cores = std::thread::hardware_concurrency();
  if (deflated < 2 || cores < 2) return 0;
  return std::min({cores, kMostWorkers, static_cast<unsigned>(deflated)});
}

}  // namespace

DeflateAhead::DeflateAhead(std::vector<std::wstring> paths)
    : paths_(std::move(paths)), results_(paths_.size()), finished_(paths_.size(), false) {
  const unsigned workers = WorkersFor(paths_);
  for (unsigned i = 0; i < workers; ++i) {
    try {
      workers_.emplace_back([this] { Work(); });
    } catch (const std::system_error&) {
      break;  // fewer workers; with none, every file is deflated as it is added
    }
  }
}

DeflateAhead::~DeflateAhead() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    stopping_ = true;
  }
  changed_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

std::optional<DeflatedSource> DeflateAhead::Take(size_t index) {
  if (workers_.empty() || index >= paths_.size()) return std::nullopt;
  std::unique_lock<std::mutex> guard(lock_);
  windowStart_ = index + 1;
  changed_.notify_all();
  changed_.wait(guard, [&] { return finished_[index]; });
  return std::move(results_[index]);
}

void DeflateAhead::Work() {
  std::unique_lock<std::mutex> guard(lock_);
  while (true) {
    changed_.wait(guard, [&] { return stopping_ || nextJob_ >= paths_.size() || nextJob_ < windowStart_ + kWindow; });
    if (stopping_ || nextJob_ >= paths_.size()) return;
    const size_t index = nextJob_++;
    guard.unlock();
    std::optional<DeflatedSource> deflated = DeflateFile(paths_[index]);
    guard.lock();
    results_[index] = std::move(deflated);
    finished_[index] = true;
    changed_.notify_all();
  }
}
