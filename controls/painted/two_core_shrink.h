// The area-averaging shrink split into two bands of rows, the second shrunk on a thread of the
// system's pool while the calling thread shrinks the first: a frame drawn shrunk costs about half
// its time on two cores. The bytes are exactly those of one shrink over the whole picture.
#pragma once
#include <cstddef>
#include <cstdint>

// ShrinkPixelRows over the whole picture; on one core, or when the pool cannot take the work,
// on the calling thread alone.
bool ShrinkOnTwoCores(const uint8_t* source, size_t sourceStride, int sourceWidth, int sourceHeight, uint8_t* target,
                      size_t targetStride, int targetWidth, int targetHeight);

// While one lives, ShrinkOnTwoCores on the thread that made it shrinks on that thread alone: a
// thread that already runs beside the user-interface thread (the take's writer) would otherwise
// take the core the interface captures the screen on.
class ShrinksOnThisThread {
 public:
  ShrinksOnThisThread();
  ~ShrinksOnThisThread();
  ShrinksOnThisThread(const ShrinksOnThisThread&) = delete;
  ShrinksOnThisThread& operator=(const ShrinksOnThisThread&) = delete;

 private:
  bool before_;
};
