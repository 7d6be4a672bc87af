#include "app/player/recording_unpack.h"

#include <vector>

#include "app/player/playback.h"
#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"
#include "app/recording/sound_entry.h"
#include "components/services/wide_text.h"
#include "components/zip/zip.h"

// Ranks the rate entry first, the sound entry second and frame n after them as n + 2, so the rate
// and the sound are there before frame 1 shows and the frames follow in their order; counts the
// frame files the directory names; marks each entry as it lands (by its rank less one); hands the
// unpack the frame a seek waits for; and passes stop requests on.
class RecordingUnpack::FramesFirst final : public UnpackOrder, public ProgressSink {
 public:
  explicit FramesFirst(RecordingUnpack& unpack) : unpack_(unpack) {}

  // A path with a "\" lies in a sub-folder, where neither frames nor the rate nor the sound are
  // looked for.
  uint32_t Rank(const std::string& path) override {
    if (IsFrameRateEntry(path)) {
      rateListed_ = true;
      return kRateMark + 1;
    }
    if (IsSoundEntry(path)) {
      soundListed_ = true;
      return kSoundMark + 1;
    }
    const std::wstring name = Widen(path);
    if (name.find(L'\\') != std::wstring::npos || !CountsAsFrameFile(name)) return 0;
    ++frameFiles_;
    const FrameFile frame = ParseFrameName(name);
    if (frame.number == 0) return 0;
    numbers_.push_back(frame.number);
    return MarkOfFrame(frame.number) + 1;
  }
  // Only numbers up to the count are ever played, so the marks take one byte per frame file.
  void Listed() override {
    const int marks = MarkOfFrame(frameFiles_) + 1;
    auto landed = std::make_unique<std::atomic<uint8_t>[]>(static_cast<size_t>(marks));
    for (int mark = 0; mark < marks; ++mark) landed[mark] = 1;
    landed[kRateMark] = rateListed_ ? 0 : 1;
    landed[kSoundMark] = soundListed_ ? 0 : 1;
    for (int number : numbers_) {
      if (number <= frameFiles_) landed[MarkOfFrame(number)] = 0;
    }
    std::vector<int>().swap(numbers_);
    unpack_.landed_ = std::move(landed);
    unpack_.listedFrames_ = frameFiles_;
    unpack_.Publish(unpack_.listed_, true);
  }
  void Reached(uint32_t rank) override {
    const uint32_t mark = rank - 1;
    if (mark > static_cast<uint32_t>(MarkOfFrame(frameFiles_))) return;
    unpack_.Publish(unpack_.landed_[mark], uint8_t{1});
  }
  uint32_t Wanted() override {
    const int frame = unpack_.wanted_.exchange(0);
    return frame == 0 ? 0 : MarkOfFrame(frame) + 1;
  }

  bool WindowExists() override { return true; }
  bool Raise(ZipEvent, int) override { return !unpack_.stopAsked_; }

 private:
  RecordingUnpack& unpack_;
  int frameFiles_ = 0;
  bool rateListed_ = false;
  bool soundListed_ = false;
  std::vector<int> numbers_;
};

RecordingUnpack::~RecordingUnpack() { Stop(); }

void RecordingUnpack::Start(const std::string& archive, const std::string& folder) {
  Stop();
  stopAsked_ = false;
  listed_ = false;
  ended_ = false;
  landed_.reset();
  wanted_ = 0;
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
    return FrameReady(kFirstFrame) && (ended_ || (landed_[kRateMark] != 0 && landed_[kSoundMark] != 0));
  });
}

bool RecordingUnpack::FrameReady(int number) const {
  if (ended_) return true;
  if (!listed_) return false;
  return number < 1 || number > listedFrames_ || landed_[MarkOfFrame(number)] != 0;
}

void RecordingUnpack::Want(int number) {
  if (!FrameReady(number)) wanted_ = number;
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
