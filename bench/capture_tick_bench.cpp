// The cost of one capture tick (screen snapshot, the free-space check, the frame handed to the
// take's writer) on the running screen, with the writer writing lean frames and coding them
// ahead at quality 80 on its own thread as in a take; the platform's floor beside it (a bare
// loop that only copies the screen into a DIB section and writes its 6 MB); and the frame rate
// a 10-second take sustains on the 100 ms timer. The ticks are spaced 100 ms apart as a take
// spaces them: run back to back on cores other work shares, each would wait its turn behind
// that work and measure the waiting. Prints one "figures" line: medians of the snapshot, the
// hand-over, the whole tick and the floor, processor time per tick (the writer's included), the
// sustained rate, and the ticks that found the writer's queue full.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/recorder/disk_space.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/rescaled_frame_size.h"
#include "app/recorder/screen_snapshot.h"
#include "app/recorder/take_writer.h"
#include "bench/bench_clock.h"
#include "components/services/gdi_handle.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "components/services/win_handle.h"

namespace {

constexpr int kMeasuredTicks = 60;
constexpr int kTakeMilliseconds = 10000;
constexpr DWORD kTickMilliseconds = 100;
constexpr int kQuality = 80;

// Kept from tick to tick, as the recorder keeps them during a take.
ScreenSnapshots snapshots;
TakeWriter writer;

// A take's writer, its frames numbered from 1 and coded ahead as the recorder codes them.
void BeginTake(const std::string& folder) {
  const FrameSize canvas = SaveCanvasSize(kQuality);
  writer.Begin(folder, 1, PrecodeTarget{kQuality, canvas.width, canvas.height});
}

// The part of a tick after the snapshot, as the recorder runs it: the room it keeps on the
// volume, then the frame handed to the writer.
void HandFrame(const std::string& folder, int frame, const SnapshotFile& file) {
  if (HasRoomFor(folder, file.size(), kFreeSpaceMargin)) writer.Hand(frame, file);
}

void Tick(const std::string& folder, int frame) { HandFrame(folder, frame, snapshots.Take()); }

void SleepOutTheTick(double spent) {
  if (spent < kTickMilliseconds) Sleep(kTickMilliseconds - static_cast<DWORD>(spent));
}

struct TickCost {
  double snapshot;
  double hand;
  double tick;
  double processor;  // per tick
  uint64_t waits;
};

TickCost MedianTickCost(const std::string& folder) {
  std::vector<double> takes, hands, ticks;
  BeginTake(folder);
  const double processorBefore = ProcessorMilliseconds();
  for (int frame = 1; frame <= kMeasuredTicks; ++frame) {
    const double start = NowMilliseconds();
    const SnapshotFile& bytes = snapshots.Take();
    const double taken = NowMilliseconds();
    HandFrame(folder, frame, bytes);
    const double handed = NowMilliseconds();
    takes.push_back(taken - start);
    hands.push_back(handed - taken);
    ticks.push_back(handed - start);
    SleepOutTheTick(handed - start);
  }
  writer.Finish();
  const double processor = (ProcessorMilliseconds() - processorBefore) / kMeasuredTicks;
  return {Median(takes), Median(hands), Median(ticks), processor, writer.Waits()};
}

// The platform's floor for a tick: the whole screen copied into a 24-bit DIB section and its
// bytes written to a file, with the file header in front, and nothing of the program between.
double MedianFloorTick(const std::string& folder) {
  const ScreenSize screen = PrimaryScreenSize();
  WindowDc screenDc(nullptr);
  MemoryDc copy(CreateCompatibleDC(screenDc.get()));
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), screen.width, screen.height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  BitmapHandle bitmap(CreateDIBSection(screenDc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!copy || !bitmap || !bits) return 0;
  Selection selected(copy.get(), bitmap.get());
  const DWORD pixelBytes = static_cast<DWORD>((3 * screen.width + 3) / 4 * 4 * screen.height);
  BITMAPFILEHEADER header{0x4D42, 54 + pixelBytes, 0, 0, 54};
  std::vector<double> ticks;
  for (int frame = 1; frame <= kMeasuredTicks; ++frame) {
    const double start = NowMilliseconds();
    BitBlt(copy.get(), 0, 0, screen.width, screen.height, screenDc.get(), 0, 0, SRCCOPY);
    GdiFlush();
    FileHandle file(CreateFileW(Widen(folder + "\\floor.bmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    WriteFile(file.get(), &header, sizeof header, &written, nullptr);
    WriteFile(file.get(), &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
    WriteFile(file.get(), bits, pixelBytes, &written, nullptr);
    file.reset();
    const double spent = NowMilliseconds() - start;
    ticks.push_back(spent);
    SleepOutTheTick(spent);
  }
  return Median(ticks);
}

// A take on a 100 ms window timer, as the recorder's clock runs it: ticks never pile up, so a
// slow tick lowers the rate.
double SustainedFramesPerSecond(const std::string& folder) {
  BeginTake(folder);
  const UINT_PTR timer = SetTimer(nullptr, 0, kTickMilliseconds, nullptr);
  const DWORD start = GetTickCount();
  int frames = 0;
  Tick(folder, ++frames);
  MSG message;
  while (GetTickCount() - start < kTakeMilliseconds && GetMessageW(&message, nullptr, 0, 0)) {
    if (message.message == WM_TIMER) Tick(folder, ++frames);
  }
  KillTimer(nullptr, timer);
  writer.Finish();
  return frames * 1000.0 / static_cast<double>(GetTickCount() - start);
}

}  // namespace

int main() {
  const std::string folder = SpecialFolderPath(kTemporaryFolder) + "velmo-capture-bench";
  CreateDirectoryW(Widen(folder).c_str(), nullptr);
  const ScreenSize screen = PrimaryScreenSize();
  const TickCost cost = MedianTickCost(folder);
  const double floorTick = MedianFloorTick(folder);
  RemoveFolderTree(folder);
  CreateDirectoryW(Widen(folder).c_str(), nullptr);
  const double rate = SustainedFramesPerSecond(folder);
  RemoveFolderTree(folder);
  std::printf("figures capture_width=%d capture_height=%d capture_snapshot_ms=%.2f capture_hand_ms=%.2f "
              "capture_tick_ms=%.2f capture_floor_ms=%.2f capture_cpu_ms=%.2f capture_fps=%.2f capture_waits=%llu "
              "capture_take_waits=%llu\n",
              screen.width, screen.height, cost.snapshot, cost.hand, cost.tick, floorTick, cost.processor, rate,
              static_cast<unsigned long long>(cost.waits), static_cast<unsigned long long>(writer.Waits()));
  return 0;
}
