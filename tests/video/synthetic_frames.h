// Frames made in memory for the export tests: a grey gradient with a coloured square that
// moves, one step to the right per frame; chosen frames can be missing, damaged or of
// another size.
#pragma once
#include <set>

#include "components/video/video.h"

class SyntheticFrames : public VideoFrames {
 public:
  SyntheticFrames(int width, int height) : width_(width), height_(height) {}

  bool ReadFrame(int number, BgrRows& rows) override;
  void FrameDone(int pass, int passes, int number) override;

  std::set<int> missing;   // ReadFrame fails for these
  std::set<int> larger;    // these are 2 pixels wider and higher
  std::set<int> standing;  // the square stays where frame 1 has it
  int framesDone = 0;      // FrameDone calls, every pass counted
  int lastPasses = 0;

  // The square of frame `number`: its left edge, top edge and side.
  int SquareLeft(int number) const;
  static constexpr int kSquareTop = 8;
  static constexpr int kSquareSide = 16;

 private:
  int width_;
  int height_;
};
