// Which of the offered frame rates a take can keep on this machine. A take's tick takes a
// snapshot on the user-interface thread and hands it to the writer's thread, which codes it as a
// lean frame; on two cores or more the two run side by side, so a frame costs the slower of them.
// The writer also codes a JPEG of each frame ahead, but gives that up when it falls behind, so
// the take keeps its rate at the cost of a slower save: the JPEG does not bound the rate.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// What one frame of a take costs, in microseconds, and the cores the two threads share.
struct FrameCosts {
  int64_t snapshotMicroseconds = 0;
  int64_t codingMicroseconds = 0;
  int cores = 2;
};

// The offered rates, ascending, whose period leaves room for a frame: the slower of the two
// costs (their sum on one core) fits in three quarters of the period. The last quarter is for
// what the costs leave out: the tick's copy into the writer's queue, the writer's write and flush
// of each file, the program's own painting and the machine's other work. Costs below zero count
// as zero; any costs give an answer.
std::vector<int> RatesSustainedAt(const FrameCosts& costs);

// The frame rates a take of the primary screen can keep on this machine: measured by taking a
// few snapshots and coding one as a take's writer does, a whole frame (every tile changed), on
// the calling thread. Takes well under a second at 1920x1080. A screen that cannot be read just
// now sustains none. It makes snapshots and an encoder of its own, so nothing of a take is touched,
// but it must not run while a take records: the two would share the cores it measures.
std::vector<int> SustainedFrameRates();

// The unit after a rate as the user reads it: "30 帧/秒".
inline constexpr char kFrameRateUnit[] = " 帧/秒";

// The line under the settings window's frame rate that says what SustainedFrameRates found:
// "此屏幕可持续：10、15、20 帧/秒", or, with none, that the lowest rate is not kept, a take then
// keeping time by showing a frame longer.
std::string SustainedRatesText(const std::vector<int>& rates);
