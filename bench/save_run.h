// The real save of a take: RecorderWindow names the working folder, desktop frames are written
// into it as the capture loop would, and SaveDialog is loaded as 按钮3 loads it and its
// 保存按钮 clicked, timed from the click until the dialog is gone, with the process's memory
// taken after every frame.
#pragma once
#include <string>
#include <vector>

#include "bench/process_memory.h"

// Loads RecorderWindow (whose start-up names the working folder and clears what an earlier run
// left in it), writes `frames` desktop frames at the screen's size into that folder and sets
// FrameCount. False when a frame could not be written.
bool PrepareTake(int frames);

// One moment of the save, taken while it handled pending messages: after a frame was
// converted (packing false, position = the frames done) or during Pack (packing true,
// position = its percent).
struct SaveSample {
  bool packing;
  int position;
  double at;  // NowMilliseconds
  ProcessMemory memory;
};

// The moments of one save, in NowMilliseconds.
struct TimedSave {
  double clicked = 0;           // 保存按钮 clicked
  double answered = 0;          // its file dialog answered with the target
  double lastPackProgress = 0;  // the last PackProgress event handled: Pack is about to return
  double messageShown = 0;      // the box that reports the outcome came up
  double gone = 0;              // SaveDialog destroyed
  std::string message;          // that box's text; empty when none came up
  std::vector<SaveSample> samples;

  // When the conversion loop ended and Pack began: the last sample before packing (the click
  // when there is none).
  double ConversionEnded() const;
  // The sample taken after frame `frame` was converted; null when none was.
  const SaveSample* AfterFrame(int frame) const;
};

// Whether the box that came up reported success.
bool SaveSucceeded(const TimedSave& save);

// Saves the prepared take into `target` at the quality of this run (80 percent unless the
// slider was moved) through the real SaveDialog, with 组合框 at `formatItem` (0 "vmrc格式",
// 1 "mp4格式", 2 "gif格式").
TimedSave TimeSave(const std::string& target, int formatItem = 0);

// The first half of a frame's step in the save, on SaveDialog's own canvas, for frames 1 to
// `frames` of the prepared take: the captured frame drawn shrunk, and the canvas written out
// into `folder` as n.bmp, so the take stays as it is. The time of each frame, in ms.
std::vector<double> RescaleTakeInto(const std::string& folder, int frames);
