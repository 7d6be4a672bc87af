// The pictures of a benchmark's take at the screen's size, frame by frame, each a complete 24-bit
// bottom-up BMP file as a snapshot's: the busy desktop with its editor scrolling a line a second
// and the pointer moving every frame, the same desktop standing still, and a screen of noise
// that changes every frame (what no coding can shrink). The same scene, size and frame number
// always give the same picture.
#pragma once
#include <cstdint>

#include "app/recorder/screen_snapshot.h"
#include "bench/desktop_picture.h"
#include "components/services/byte_string.h"

enum class TakeScene { kScrolling, kStill, kNoise };

// The scene's name in the figures: "scrolling", "still" or "noise".
const char* SceneName(TakeScene scene);

class TakePictures {
 public:
  TakePictures(TakeScene scene, int width, int height);

  // Frame n (1 and up) into `file`, its memory reused. False, leaving it empty, when the system
  // refuses a bitmap.
  bool Frame(int frameNumber, ByteString& file);

 private:
  void PaintNoise(ByteString& file);

  TakeScene scene_;
  int width_;
  int height_;
  DesktopPicture desktop_;
  uint64_t noise_ = 0x9E3779B97F4A7C15u;
};

// The snapshot a whole BMP file would be: its headers, then its rows, where the file holds them.
SnapshotFile SnapshotOf(const ByteString& file);

// Paints the pictures of a take into the snapshots, one after the other, as the copy of the
// screen would show them (SetScreenStandIn): the stand-in for the screen of a benchmark's take.
// One at a time; Use puts `pictures` in place and starts at frame 1, Use(nullptr) ends it and
// lets its memory go.
namespace take_pictures_on_screen {
void Use(TakePictures* pictures);
// The pictures painted since Use.
int Painted();
void PaintNext(HDC snapshot, int width, int height);
}  // namespace take_pictures_on_screen
