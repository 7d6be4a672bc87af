// A busy desktop as the recorder would capture it: a wallpaper, desktop icons, overlapping
// windows full of text, code, a table and a photo, and a task bar. Each frame differs a little
// from the one before (a line being typed, the pointer moving, the clock), as the frames of a
// real take do; the same size and frame number always give the same picture. A scrolling
// desktop's editor also scrolls its text up a line a second (every tenth frame), as a reader
// scrolling a page does.
#pragma once
#include <string>

#include "components/services/byte_string.h"
#include "components/services/gdi_handle.h"

enum class DesktopMotion { kTyping, kScrolling };

class DesktopPicture {
 public:
  // A desktop of width × height pixels; both are at least 200.
  DesktopPicture(int width, int height, DesktopMotion motion = DesktopMotion::kTyping);

  // Frame n (1 and up) as a complete 24-bit bottom-up BMP file, the layout of a captured frame;
  // empty when the system refuses a bitmap.
  ByteString Frame(int frameNumber);
  // The same into `file`, its memory reused from frame to frame. False, leaving it empty, when
  // Frame would give an empty file.
  bool FrameInto(int frameNumber, ByteString& file);

 private:
  int width_;
  int height_;
  DesktopMotion motion_;
  BitmapHandle base_;  // everything that stays the same from frame to frame
  BitmapHandle frame_;
};

// Writes frames 1 to `count` of a width × height desktop as the recorder names them in
// `folder` (1.bmp, 2.bmp ...). True when every frame was written.
bool WriteDesktopFrames(const std::string& folder, int width, int height, int count);

// The same frames as a save at 80 percent leaves them in `folder`: 1.jpg to count.jpg,
// converted with the save's arguments, the bitmaps gone. True when every frame was made.
bool WriteSavedFrames(const std::string& folder, int width, int height, int count);
