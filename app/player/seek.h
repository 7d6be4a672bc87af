// Where a seek lands: the frame under the pointer on the progress bar, and the frame a step of
// the keyboard reaches. Plain rules over numbers.
#pragma once

// The bar's track, `trackWidth` pixels wide, is the recording's time from 0 to the end: frame n
// owns the n-th of `frameCount` equal stretches, and the frame under the pointer at `x` pixels
// from the track's left edge is the one whose stretch holds it. A pointer left of the track
// gives frame 1, one right of it the last frame; 0 when there are no frames.
int FrameUnderPointer(int x, int trackWidth, int frameCount);

// `frame` moved by `step` frames (negative: back), kept within 1..frameCount; 0 when there are
// no frames.
int SteppedFrame(int frame, int step, int frameCount);
