#include "app/player/range_marks.h"

#include <algorithm>

RangeMarks WithStart(RangeMarks marks, int frame) {
  marks.start = frame;
  if (marks.end != 0 && marks.end < frame) marks.end = frame;
  return marks;
}

RangeMarks WithEnd(RangeMarks marks, int frame) {
  marks.end = frame;
  if (marks.start > frame) marks.start = frame;
  return marks;
}

FrameSpan FramesToSave(RangeMarks marks, int frameCount) {
  if (frameCount < 1) return {};
  const int first = std::clamp(marks.start != 0 ? marks.start : 1, 1, frameCount);
  const int last = std::clamp(marks.end != 0 ? marks.end : frameCount, first, frameCount);
  return {first, last};
}

FrameSpan MarkedFrames(RangeMarks marks, int frameCount) {
  return marks.Any() ? FramesToSave(marks, frameCount) : FrameSpan{};
}
