#include "app/recorder/screen_snapshot.h"

#include "components/services/screen_pixels.h"
#include "controls/painted/bitmap_file.h"

// On a palette display (256 colours) the conversion uses the screen's current palette. The
// screen is measured and copied in physical pixels, so a scaled display gives its whole
// picture, not the top-left part of the size the program's windows are told.
const ByteString& ScreenSnapshots::Take() {
  const PhysicalScreenScope physical;
  const ScreenSize screen = PrimaryScreenPixels();
  const SIZE size{screen.width, screen.height};
  const bool ready = (bitmap_ && size.cx == size_.cx && size.cy == size_.cy) || Prepare(size);
  if (!ready || !CopyClientAreaInto(nullptr, dc_.get(), bitmap_.get(), size) ||
      !TakeBmpFileOfBitmap(bitmap_.get(), size, file_)) {
    file_.clear();
  }
  return file_;
}

void ScreenSnapshots::Release() {
  bitmap_.reset();
  dc_.reset();
  ByteString().swap(file_);
  size_ = {};
}

bool ScreenSnapshots::Prepare(SIZE size) {
  Release();
  if (size.cx < 1 || size.cy < 1) return false;
  WindowDc screen(nullptr);
  bitmap_.reset(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
  dc_.reset(CreateCompatibleDC(screen.get()));
  if (!bitmap_ || !dc_) {
    Release();
    return false;
  }
  size_ = size;
  return true;
}
