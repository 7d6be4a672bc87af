#include "tests/video/synthetic_frames.h"

#include <cstdint>

int SyntheticFrames::SquareLeft(int number) const { return 4 + 3 * (standing.count(number) ? 1 : number); }

bool SyntheticFrames::ReadFrame(int number, BgrRows& rows) {
  if (missing.count(number)) return false;
  const int grow = larger.count(number) ? 2 : 0;
  const int width = width_ + grow;
  const int height = height_ + grow;
  size_t stride = 0;
  uint8_t* top = rows.Rows(width, height, stride);
  if (!top) return false;
  const int left = SquareLeft(number);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = top + stride * static_cast<size_t>(y);
    for (int x = 0; x < width; ++x) {
      const bool inSquare = x >= left && x < left + kSquareSide && y >= kSquareTop && y < kSquareTop + kSquareSide;
      const uint8_t grey = static_cast<uint8_t>(40 + 160 * x / width);
      row[3 * x] = inSquare ? 30 : grey;        // blue
      row[3 * x + 1] = inSquare ? 60 : grey;    // green
      row[3 * x + 2] = inSquare ? 220 : grey;   // red
    }
  }
  return true;
}

void SyntheticFrames::FrameDone(int, int passes, int) {
  ++framesDone;
  lastPasses = passes;
}
