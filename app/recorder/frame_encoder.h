// Codes the save's shrunk frames into JPEG files on a thread of its own, one frame at a time,
// while the save reads and shrinks the next frame on the user-interface thread: on two cores the
// coding then costs the save hardly any time of its own. The files are byte for byte those
// ConvertBitmapToJpeg writes on the calling thread, and each is flushed to the disk before it
// counts as written, so the bitmap it was made from may go.
#pragma once
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class FrameEncoder {
 public:
  // Every frame at `quality`, with optimised coding and no smoothing, as the save converts.
  explicit FrameEncoder(int quality);
  // Waits for a frame still being coded, then ends the thread.
  ~FrameEncoder();
  FrameEncoder(const FrameEncoder&) = delete;
  FrameEncoder& operator=(const FrameEncoder&) = delete;

  // Starts coding the 24-bit BMP file in `bitmap` into `target`. The bytes move to the encoder:
  // `bitmap` gets the buffer of the frame coded before, to fill again without new memory. Only
  // one frame at a time: Finish the one before first.
  void Start(std::vector<uint8_t>& bitmap, const std::string& target);
  // Waits for the frame started last and gives its ConvertBitmapToJpeg result; kJpegWriteFailed
  // as well when the file was written but could not be flushed to the disk.
  int Finish();

 private:
  void Work();
  int CodeToDisk();

  const int quality_;
  std::vector<uint8_t> bitmap_;
  std::string target_;
  int result_ = 0;
  bool pending_ = false;   // a frame waits to be coded or is being coded
  bool stopping_ = false;
  std::mutex lock_;
  std::condition_variable changed_;
  std::thread worker_;
};
