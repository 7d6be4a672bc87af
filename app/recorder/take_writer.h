// Writes a take's frames beside the user-interface thread. The capture tick hands each snapshot
// over and goes back to the message loop; a thread of its own keeps it in the working folder as
// a lean frame (the tiles that changed since the frame before; components/imaging/lean_frame.h),
// flushed to the disk before the next is written, and codes it ahead for the save
// (frame_precoder.h). Frames wait in a queue of a few places that never grows with the take:
// when the writer falls behind, the tick waits for a place, and the waits are counted. A take
// whose writer keeps falling that far behind gives up the coding ahead, so its frames keep their
// rate: its save then converts, as a save at another quality does. So does a take whose frames
// change all over in every frame (a video played full screen): its lean frames take what raw
// bitmaps would, and a JPEG of each besides would make the take cost more than they did.
#pragma once
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/recorder/frame_precoder.h"
#include "app/recorder/screen_snapshot.h"
#include "components/imaging/lean_frame.h"

// How a take's writing ended: the frames written whole, in order, and why it stopped early.
enum class WriterFault { None, NotWritten, DiskFull };
struct WriterOutcome {
  int framesWritten = 0;
  WriterFault fault = WriterFault::None;
};

class TakeWriter {
 public:
  // Places in the queue: a frame being written, and room for two more while a tick runs late.
  static constexpr size_t kQueuedFrames = 3;
  // A whole frame every minute at ten frames a second: a damaged frame spoils no more than that.
  static constexpr int kWholeFrameEvery = 600;
  // Waits after which the coding ahead is given up: a second of ticks, more than a hiccup of
  // the disk.
  static constexpr uint64_t kWaitsBeforeGivingUpCoding = 10;
  // The most a take's working folder may take, in hundredths of the frames as raw bitmaps.
  static constexpr uint64_t kMostHundredthsOfRaw = 101;

  ~TakeWriter();

  // Starts writing a take into `folder`, its frames numbered from `firstNumber`; with a target,
  // coding each frame ahead into `folder` + "/coded".
  void Begin(const std::string& folder, int firstNumber, std::optional<PrecodeTarget> precode);
  // Hands frame `number` (the one after the last handed) over, copied into a free place, waiting
  // while there is none. False once a frame could not be written: the take must stop.
  bool Hand(int number, const SnapshotFile& frame);
  // Frame `number` (the one after the last handed) shows what the frame before it shows: a slot
  // of the take's clock that no tick came in. Its lean frame changes nothing and its coded entry
  // shares the one before's, so it costs next to nothing. False as Hand gives false.
  bool Repeat(int number);
  // Waits until every frame handed over is written and coded, ends the thread and lets the
  // queue's memory go. Nothing when no take is being written.
  WriterOutcome Finish();
  // What Finish gave for the last take, kept until the next Begin.
  const WriterOutcome& LastOutcome() const { return outcome_; }
  // The frames the last take coded ahead, once it has finished.
  const PrecodedFrames& Precoded() const { return precoded_; }
  // The times a tick found the queue full, since Begin.
  uint64_t Waits() const { return waits_; }

 private:
  struct QueuedFrame {
    int number = 0;
    ByteString file;  // the whole 24-bit BMP file of the snapshot; empty for a repeat
  };
  bool Queue(int number, const SnapshotFile* frame);
  void Work();
  bool Keep(QueuedFrame& frame, bool coding);
  bool KeepRepeat(const QueuedFrame& frame, bool coding);
  bool WriteLean(int number, uint64_t frameBytes);
  void CodeAhead(const QueuedFrame& frame, bool coding);
  void CheckCodingRoom(int number, uint64_t frameBytes, bool coding);

  std::string folder_;
  std::optional<FramePrecoder> precoder_;
  PrecodedFrames precoded_;
  std::optional<LeanFrameEncoder> encoder_;
  ByteString previous_;  // the frame written last, which the next one is coded against
  int previousNumber_ = 0;
  int lastWhole_ = 0;
  uint64_t leanBytes_ = 0;  // the lean frames written, together
  ByteString coded_;
  WriterOutcome outcome_;
  uint64_t waits_ = 0;

  std::mutex lock_;
  std::condition_variable changed_;
  std::deque<QueuedFrame> queue_;
  std::vector<ByteString> spare_;  // buffers of frames written, to take the next ones
  bool stopping_ = false;
  bool failed_ = false;
  bool fellBehind_ = false;
  std::thread worker_;
};
