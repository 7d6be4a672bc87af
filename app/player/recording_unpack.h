// Unpacks the recording an open picked on a thread of its own, its rate entry and its sound entry
// first, then its frames in their numeric order: playback begins with frame 1, at the
// recording's own rate and with its sound, within moments however long the recording (the sound
// takes a fifth of a megabyte a second), later frames arrive far faster than they play, and the
// window answers all the while. The folder ends as a plain Unpack leaves it, a damaged entry
// included.
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class RecordingUnpack {
 public:
  RecordingUnpack() = default;
  // Stops a running unpack first.
  ~RecordingUnpack();
  RecordingUnpack(const RecordingUnpack&) = delete;
  RecordingUnpack& operator=(const RecordingUnpack&) = delete;

  // Stops the unpack before, then starts unpacking `archive` into the (new, empty) `folder`.
  void Start(const std::string& archive, const std::string& folder);
  // Asks the unpack to stop after the entry it is writing and waits for it; the folder keeps
  // what was written, and TakeEnd has nothing more to give.
  void Stop();

  // Blocks until frame 1 is in the folder, the recording turned out to hold no frame 1, or the
  // unpack ended (what the window is laid out around), and the rate and sound entries, when the
  // directory lists them, are in the folder too: what the frames play at and with.
  void WaitForFirstFrame();
  // The frame files the archive's directory promises: its root-level file entries whose names
  // end in ".jpg" in any case, the rule the folder's own count follows. Valid after
  // WaitForFirstFrame.
  int ListedFrames() const { return listedFrames_; }
  // Whether frame `number` is in the folder, or never will be: it has landed, the directory
  // lists no such frame, or the unpack has ended. Valid after WaitForFirstFrame.
  bool FrameReady(int number) const;
  // Asks the unpack to take frame `number` next, and the frames after it in their order (those
  // passed over follow later): a seek far ahead shows within moments. Nothing when the frame is
  // ready. Valid after WaitForFirstFrame.
  void Want(int number);

  // Once, after the unpack has ended: true with the folder's own frame count. Answers false
  // before the end, after the first true, and after a Stop.
  bool TakeEnd(int* frameCount);
  // Whether the end has been taken (or nothing was ever started): nothing more is to come.
  bool Over() const { return endTaken_; }
  // Blocks until the unpack has ended.
  void WaitForEnd();

 private:
  class FramesFirst;
  void Run(std::string archive, std::string folder);
  // Sets a value under the lock and wakes the waits, so no wake-up is lost between a wait's test
  // and its sleep.
  template <typename T, typename V>
  void Publish(std::atomic<T>& value, V now) {
    {
      std::lock_guard<std::mutex> hold(lock_);
      value = now;
    }
    changed_.notify_all();
  }

  std::thread worker_;
  std::mutex lock_;
  std::condition_variable changed_;
  std::atomic<bool> stopAsked_ = false;
  std::atomic<bool> listed_ = false;
  std::atomic<bool> ended_ = true;  // nothing runs before the first Start
  // At 0 for the rate entry, 1 for the sound entry and MarkOfFrame(n) for frame n of
  // 1..listedFrames_, written by the unpacking thread before listed_ is set: 0 while the
  // directory's entry is still to come, 1 once it has landed or when the directory lists none.
  std::unique_ptr<std::atomic<uint8_t>[]> landed_;
  static constexpr int kRateMark = 0;
  static constexpr int kSoundMark = 1;
  // Frame numbers have at most nine digits, so the mark and the rank after it never wrap.
  static constexpr int MarkOfFrame(int number) { return number + kSoundMark; }
  std::atomic<int> wanted_ = 0;  // the frame a seek waits for, 0 for none
  std::atomic<int> listedFrames_ = 0;
  std::atomic<int> endedCount_ = 0;
  bool endTaken_ = true;  // touched by the user-interface thread alone
};
