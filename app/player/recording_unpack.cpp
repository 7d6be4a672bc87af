#include "app/player/recording_unpack.h"

#include <algorithm>
#include <climits>

#include "app/player/playback.h"
#include "app/recording/recording_file.h"
#include "components/services/wide_text.h"
#include "components/zip/zip.h"

// Ranks frame n as n, so the frames come first and in their order; counts the frame files the
// directory names; tells the waits how far the frames have come; and passes stop requests on.
class RecordingUnpack::FramesFirst final : public UnpackOrder, public ProgressSink {
 public:
  explicit FramesFirst(RecordingUnpack& unpack) : unpack_(unpack) {}

  // A path with a "\" lies in a sub-folder, where frames are not counted.
  uint32_t Rank(const std::string& path) override {
    const std::wstring name = Widen(path);
    if (name.find(L'\\') != std::wstring::npos || !CountsAsFrameFile(name)) return 0;
    ++frameFiles_;
    const FrameFile frame = ParseFrameName(name);
    if (frame.number > 0 && (lowest_ == 0 || frame.number < lowest_)) lowest_ = frame.number;
    return static_cast<uint32_t>(frame.number);
  }
  void Listed() override {
    unpack_.listedFrames_ = frameFiles_;
    unpack_.lowestFrame_ = lowest_;
    unpack_.Publish(unpack_.listed_, true);
  }
  void Reached(uint32_t rank) override {
    unpack_.Publish(unpack_.reachedFrame_, static_cast<int>(std::min<uint32_t>(rank, INT_MAX)));
  }

  bool WindowExists() override { return true; }
  bool Raise(ZipEvent, int) override { return !unpack_.stopAsked_; }

 private:
  RecordingUnpack& unpack_;
  int frameFiles_ = 0;
  int lowest_ = 0;
};

RecordingUnpack::~RecordingUnpack() { Stop(); }

void RecordingUnpack::Start(const std::string& archive, const std::string& folder) {
  Stop();
  stopAsked_ = false;
  listed_ = false;
  ended_ = false;
  reachedFrame_ = 0;
  lowestFrame_ = 0;
  listedFrames_ = 0;
  endTaken_ = false;
  worker_ = std::thread(&RecordingUnpack::Run, this, archive, folder);
}

// A stopped unpack is given up: its end is not taken.
void RecordingUnpack::Stop() {
  stopAsked_ = true;
  if (worker_.joinable()) worker_.join();
  endTaken_ = true;
}

// The end's count is the folder's own, so frames a damaged entry kept out are not counted.
void RecordingUnpack::Run(std::string archive, std::string folder) {
  FramesFirst order(*this);
  UnpackInOrder(&order, order, archive, folder);
  endedCount_ = CountFrameFiles(folder);
  Publish(ended_, true);
}

void RecordingUnpack::WaitForFirstFrame() {
  std::unique_lock<std::mutex> hold(lock_);
  changed_.wait(hold, [this] {
    return ended_ || (listed_ && (lowestFrame_ != kFirstFrame || reachedFrame_ >= kFirstFrame));
  });
}

void RecordingUnpack::WaitForEnd() {
  std::unique_lock<std::mutex> hold(lock_);
  changed_.wait(hold, [this] { return ended_.load(); });
}

bool RecordingUnpack::TakeEnd(int* frameCount) {
  if (endTaken_ || !ended_) return false;
  endTaken_ = true;
  *frameCount = endedCount_;
  return true;
}
