// The range a user marks in the player with I and O: its start and end frames, what a save
// takes from them, and what the progress bar shows of them. Plain rules over numbers.
#pragma once

// 0 is an unset mark.
struct RangeMarks {
  int start = 0;
  int end = 0;
  bool Any() const { return start != 0 || end != 0; }
};

// Frames `first` to `last`, both counted from 1; empty when `first` is 0.
struct FrameSpan {
  int first = 0;
  int last = 0;
};

// The start set at `frame`. An end before it moves to the same frame: the user said where the
// range begins, so the other mark gives way rather than the two trading places.
RangeMarks WithStart(RangeMarks marks, int frame);
// The end set at `frame`; a start after it moves to the same frame.
RangeMarks WithEnd(RangeMarks marks, int frame);

// The frames a save takes from a recording of `frameCount` frames: the marked range; from the
// start to the last frame when only the start is set; from frame 1 to the end when only the
// end is set; the whole recording without marks. Kept within the recording (a damaged entry
// may have shortened it since the marks were set); empty when it has no frames.
FrameSpan FramesToSave(RangeMarks marks, int frameCount);

// What the progress bar shows: the frames a save would take once any mark is set, nothing
// before.
FrameSpan MarkedFrames(RangeMarks marks, int frameCount);
