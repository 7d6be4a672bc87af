#include "app/recorder/take_writer.h"

#include <cstring>

#include "app/recorder/disk_space.h"
#include "app/recording/recording_file.h"
#include "components/imaging/bmp_file.h"
#include "components/services/file_bytes.h"
#include "components/services/lasting_files.h"
#include "components/services/little_endian.h"

namespace {

constexpr size_t kWidthOffset = 18;
constexpr size_t kHeightOffset = 22;

// The snapshot's size, from the info header it was written with (rows bottom-up, so a positive
// height).
FrameShape ShapeOf(const ByteString& file) {
  if (file.size() < kBmpHeadersSize) return {0, 0};
  return {static_cast<int>(GetLe32(file.data(), kWidthOffset)), static_cast<int>(GetLe32(file.data(), kHeightOffset))};
}

ByteSpan RowsOf(const ByteString& file) {
  return ByteSpan(file).subspan(file.size() < kBmpHeadersSize ? file.size() : kBmpHeadersSize);
}

}  // namespace

TakeWriter::~TakeWriter() { Finish(); }

void TakeWriter::Begin(const std::string& folder, int firstNumber, std::optional<PrecodeTarget> precode) {
  Finish();
  folder_ = folder;
  outcome_ = {firstNumber - 1, WriterFault::None};
  waits_ = 0;
  failed_ = false;
  fellBehind_ = false;
  stopping_ = false;
  previousNumber_ = 0;
  lastWhole_ = 0;
  leanBytes_ = 0;
  precoded_ = {};
  if (precode) precoder_.emplace(folder + "/coded", *precode);
  encoder_.emplace();
  worker_ = std::thread([this] { Work(); });
}

bool TakeWriter::Hand(int number, const SnapshotFile& frame) { return Queue(number, &frame); }

bool TakeWriter::Repeat(int number) { return Queue(number, nullptr); }

bool TakeWriter::Queue(int number, const SnapshotFile* frame) {
  ByteString buffer;
  {
    std::unique_lock<std::mutex> guard(lock_);
    if (!failed_ && queue_.size() >= kQueuedFrames) {
      fellBehind_ = ++waits_ >= kWaitsBeforeGivingUpCoding;
      changed_.wait(guard, [this] { return failed_ || queue_.size() < kQueuedFrames; });
    }
    if (failed_ || !worker_.joinable()) return false;
    if (frame && !spare_.empty()) {
      buffer.swap(spare_.back());
      spare_.pop_back();
    }
  }
  // A spare buffer already has a frame's size, so the copy touches no new memory.
  if (frame) {
    buffer.resize(frame->size());
    std::memcpy(buffer.data(), frame->headers.data(), frame->headers.size());
    std::memcpy(buffer.data() + frame->headers.size(), frame->rows.data(), frame->rows.size());
  }
  {
    std::lock_guard<std::mutex> guard(lock_);
    queue_.push_back({number, std::move(buffer)});
  }
  changed_.notify_all();
  return true;
}

WriterOutcome TakeWriter::Finish() {
  if (!worker_.joinable()) return outcome_;
  {
    std::lock_guard<std::mutex> guard(lock_);
    stopping_ = true;
  }
  changed_.notify_all();
  worker_.join();
  if (precoder_) precoded_ = precoder_->Coded();
  precoder_.reset();
  ByteString().swap(previous_);
  ByteString().swap(coded_);
  std::vector<ByteString>().swap(spare_);
  encoder_.reset();
  return outcome_;
}

// The frame at the queue's front belongs to this thread until it is taken off; after a failure
// the frames still queued are dropped unwritten, so the take ends with its last whole frame.
void TakeWriter::Work() {
  std::unique_lock<std::mutex> guard(lock_);
  for (;;) {
    changed_.wait(guard, [this] { return stopping_ || !queue_.empty(); });
    if (queue_.empty()) return;
    QueuedFrame& frame = queue_.front();
    const bool write = !failed_;
    const bool coding = !fellBehind_;
    guard.unlock();
    const bool kept = write && (frame.file.empty() ? KeepRepeat(frame, coding) : Keep(frame, coding));
    guard.lock();
    if (kept) outcome_.framesWritten = frame.number;
    if (write && !kept) failed_ = true;
    if (!frame.file.empty()) spare_.push_back(std::move(frame.file));
    queue_.pop_front();
    changed_.notify_all();
  }
}

// A frame is coded against the one written before it unless it is the first, follows a gap or
// a change of screen size, or a minute has passed since the last whole frame.
bool TakeWriter::Keep(QueuedFrame& frame, bool coding) {
  const FrameShape shape = ShapeOf(frame.file);
  const FrameShape previousShape = ShapeOf(previous_);
  const bool whole = previous_.empty() || shape.width != previousShape.width || shape.height != previousShape.height ||
                     frame.number != previousNumber_ + 1 || frame.number - lastWhole_ >= kWholeFrameEvery;
  const bool coded =
      encoder_->Encode(shape, RowsOf(frame.file), whole ? ByteSpan() : RowsOf(previous_), whole ? 0 : previousNumber_, coded_);
  if (!coded || !WriteLean(frame.number, frame.file.size())) return false;
  if (whole) lastWhole_ = frame.number;
  CodeAhead(frame, coding);
  frame.file.swap(previous_);
  previousNumber_ = frame.number;
  return true;
}

// The frame before, coded against itself: a lean frame that changes no tile.
bool TakeWriter::KeepRepeat(const QueuedFrame& frame, bool coding) {
  if (previous_.empty() || frame.number != previousNumber_ + 1) return false;
  if (!encoder_->Encode(ShapeOf(previous_), RowsOf(previous_), RowsOf(previous_), previousNumber_, coded_) ||
      !WriteLean(frame.number, previous_.size()))
    return false;
  if (precoder_) {
    if (coding) precoder_->Repeat(frame.number);
    CheckCodingRoom(frame.number, previous_.size(), coding);
  }
  previousNumber_ = frame.number;
  return true;
}

// Frame `number`'s lean file, coded into coded_, on the disk before the next is written, so a
// power cut loses at most the frame in hand.
bool TakeWriter::WriteLean(int number, uint64_t frameBytes) {
  const std::string path = LeanFramePath(folder_, number);
  if (!WriteWholeFile(path, coded_) || !FlushFileToDisk(path)) {
    DeleteOneFile(path);
    outcome_.fault = HasRoomFor(folder_, frameBytes, kFreeSpaceMargin) ? WriterFault::NotWritten : WriterFault::DiskFull;
    return false;
  }
  leanBytes_ += coded_.size();
  return true;
}

// The working folder never takes more than the take's frames would as raw bitmaps, and a hundredth.
void TakeWriter::CodeAhead(const QueuedFrame& frame, bool coding) {
  if (!precoder_) return;
  if (coding) precoder_->Code(frame.number, frame.file);
  CheckCodingRoom(frame.number, frame.file.size(), coding);
}

void TakeWriter::CheckCodingRoom(int number, uint64_t frameBytes, bool coding) {
  const uint64_t raw = static_cast<uint64_t>(number) * frameBytes;
  if (!coding || (leanBytes_ + precoder_->Coded().bytes) * 100 > raw * kMostHundredthsOfRaw) precoder_->GiveUp();
}
