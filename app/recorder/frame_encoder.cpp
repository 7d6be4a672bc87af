#include "app/recorder/frame_encoder.h"

#include "components/imaging/imaging.h"
#include "components/services/lasting_files.h"

FrameEncoder::FrameEncoder(int quality) : quality_(quality), worker_([this] { Work(); }) {}

FrameEncoder::~FrameEncoder() {
  {
    std::unique_lock<std::mutex> guard(lock_);
    changed_.wait(guard, [this] { return !pending_; });
    stopping_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

void FrameEncoder::Start(std::vector<uint8_t>& bitmap, const std::string& target) {
  {
    std::lock_guard<std::mutex> guard(lock_);
    bitmap_.swap(bitmap);
    target_ = target;
    pending_ = true;
  }
  changed_.notify_all();
}

int FrameEncoder::Finish() {
  std::unique_lock<std::mutex> guard(lock_);
  changed_.wait(guard, [this] { return !pending_; });
  return result_;
}

// The bitmap and target belong to the thread from Start until it clears pending_; nothing else
// touches them meanwhile.
void FrameEncoder::Work() {
  std::unique_lock<std::mutex> guard(lock_);
  for (;;) {
    changed_.wait(guard, [this] { return pending_ || stopping_; });
    if (stopping_) return;
    guard.unlock();
    const int result = CodeToDisk();
    guard.lock();
    result_ = result;
    pending_ = false;
    changed_.notify_all();
  }
}

// The flush runs here, beside the shrinking of the next frame, rather than on the user-interface
// thread: on a disk that takes milliseconds to flush, the save then hardly waits for it.
int FrameEncoder::CodeToDisk() {
  const int result = ConvertBitmapToJpeg(bitmap_, target_, quality_, true, 0);
  if (result != kJpegWritten) return result;
  return FlushFileToDisk(target_) ? kJpegWritten : kJpegWriteFailed;
}
