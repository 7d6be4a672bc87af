#include "components/zip/inflate_ahead.h"

#include <system_error>

#include "components/zip/entry_data.h"
#include "components/zip/zip_reader.h"
#include "components/zip/zip_records.h"

namespace {

// Memory held ahead stays bounded: at most kWindow entries of at most kLargestAhead bytes each.
// Larger entries stream through Unpack in pieces as before.
constexpr size_t kWindow = 4;
constexpr uint64_t kLargestAhead = 4u << 20;

// The current entry's data read whole, in Unpack's pieces; false on any trouble.
bool InflateCurrent(ZipReader& reader, ByteString& data) {
  ReaderEntry entry;
  if (!reader.CurrentEntry(&entry) || (entry.flags & kFlagEncrypted) ||
      (entry.method != kMethodStored && entry.method != kMethodDeflate) || entry.uncompressedSize > kLargestAhead ||
      !reader.OpenData())
    return false;
  data.resize(static_cast<size_t>(entry.uncompressedSize) + kPieceSize);
  size_t held = 0;
  int count = 0;
  while (data.size() - held >= kPieceSize &&
         (count = reader.ReadData(data.data() + held, static_cast<unsigned>(kPieceSize))) > 0)
    held += static_cast<size_t>(count);
  reader.CloseData();
  // The data ended where it should: not damaged, and not longer than the entry said.
  data.resize(held);
  return count == 0;
}

}  // namespace

InflateAhead::InflateAhead(const std::wstring& archive) {
  if (std::thread::hardware_concurrency() < 2) return;
  try {
    ended_ = false;
    worker_ = std::thread([this, archive] { Work(archive); });
  } catch (const std::system_error&) {
    ended_ = true;  // no worker: every entry is read by Unpack itself
  }
}

InflateAhead::~InflateAhead() {
  {
    std::lock_guard<std::mutex> hold(lock_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

bool InflateAhead::Take(uint64_t index, ByteString* data) {
  std::unique_lock<std::mutex> hold(lock_);
  for (;;) {
    // Entries dropped make room: the worker, perhaps waiting for it, is woken.
    const bool dropped = !ready_.empty() && windowStart_ < index;
    while (!ready_.empty() && windowStart_ < index) {
      ready_.pop_front();
      ++windowStart_;
    }
    if (dropped) changed_.notify_all();
    if (!ready_.empty() && windowStart_ == index) break;
    if (ended_ || windowStart_ > index) return false;
    changed_.wait(hold);
  }
  const bool whole = ready_.front().whole;
  if (whole) data->swap(ready_.front().data);
  ready_.pop_front();
  ++windowStart_;
  hold.unlock();
  changed_.notify_all();
  return whole;
}

void InflateAhead::Work(std::wstring archive) {
  ZipReader reader;
  ZipReader::Step step = reader.Open(archive) ? reader.First() : ZipReader::Step::Broken;
  for (; step == ZipReader::Step::Entry; step = reader.Next()) {
    {
      std::unique_lock<std::mutex> hold(lock_);
      changed_.wait(hold, [this] { return stopping_ || ready_.size() < kWindow; });
      if (stopping_) break;
    }
    Inflated inflated;
    inflated.whole = InflateCurrent(reader, inflated.data);
    {
      std::lock_guard<std::mutex> hold(lock_);
      ready_.push_back(std::move(inflated));
    }
    changed_.notify_all();
  }
  {
    std::lock_guard<std::mutex> hold(lock_);
    ended_ = true;
  }
  changed_.notify_all();
}
