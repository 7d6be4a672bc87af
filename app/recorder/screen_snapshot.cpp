#include "app/recorder/screen_snapshot.h"

#include "app/settings/settings.h"
#include "components/imaging/pixel_buffer.h"
#include "components/imaging/bmp_file.h"
#include "components/services/screen_pixels.h"

namespace {
ScreenUnreadable screenUnreadable = nullptr;
ScreenStandIn screenStandIn = nullptr;

bool CopyPicture(HDC target, HDC screen, POINT origin, SIZE size) {
  if (!screenStandIn) return BitBlt(target, 0, 0, size.cx, size.cy, screen, origin.x, origin.y, SRCCOPY) != FALSE;
  screenStandIn(target, size.cx, size.cy);
  return true;
}
// The rectangle a snapshot of `area` copies: the primary screen's for an empty area.
RECT SnapshotRectangle(const ScreenArea& area) {
  if (!area.IsEmpty()) return {area.left, area.top, area.left + area.width, area.top + area.height};
  const ScreenSize screen = PrimaryScreenPixels();
  return {0, 0, screen.width, screen.height};
}

}  // namespace

ScreenUnreadable SetScreenUnreadable(ScreenUnreadable unreadable) {
  const ScreenUnreadable replaced = screenUnreadable;
  screenUnreadable = unreadable;
  return replaced;
}

ScreenStandIn SetScreenStandIn(ScreenStandIn standIn) {
  const ScreenStandIn replaced = screenStandIn;
  screenStandIn = standIn;
  return replaced;
}

uint64_t ScreenSnapshotBytes(const ScreenArea& area) {
  const PhysicalScreenScope physical;
  const RECT copied = SnapshotRectangle(area);
  if (copied.right <= copied.left || copied.bottom <= copied.top) return kBmpHeadersSize;
  return BmpFileSize(static_cast<uint64_t>(copied.right - copied.left), static_cast<uint64_t>(copied.bottom - copied.top));
}

// The screen is measured and copied in physical pixels, so a scaled display gives its whole
// picture, not the top-left part of the size the program's windows are told, and a rectangle
// that spans monitors of different scaling comes out in the pixels of each, with no offset. On a
// palette display (256 colours) the copy into the 24-bit bitmap goes through the screen's
// current palette.
const SnapshotFile& ScreenSnapshots::Take(const ScreenArea& area) {
  const PhysicalScreenScope physical;
  const RECT copied = SnapshotRectangle(area);
  const SIZE size{copied.right - copied.left, copied.bottom - copied.top};
  const bool ready = (bitmap_ && size.cx == size_.cx && size.cy == size_.cy) || Prepare(size);
  file_ = {};
  if (!ready || !CopyScreen({copied.left, copied.top})) return file_;
  file_ = {headers_, std::span<const uint8_t>(rows_, static_cast<size_t>(BmpRowBytes(size.cx)) * size.cy)};
  return file_;
}

// A copy the system refuses (a locked workstation, the secure desktop of an elevation prompt, a
// display in the middle of a mode change) would leave the bitmap holding an older picture. The
// pointer and the click ring are drawn over the copy as the settings ask at this moment.
bool ScreenSnapshots::CopyScreen(POINT origin) {
  if (screenUnreadable && screenUnreadable()) return false;
  const bool copied = CopyPicture(dc_.get(), screen_->get(), origin, size_);
  if (copied) {
    const Settings& settings = CurrentSettings();
    pointer_.Draw(dc_.get(), {origin.x, origin.y}, {size_.cx, size_.cy}, settings.drawPointer, settings.highlightClicks);
  }
  GdiFlush();
  return copied;
}

// The pointer is measured afresh for the next take, so a pointer size changed between takes
// is seen.
void ScreenSnapshots::Release() {
  pointer_ = PointerDrawing();
  file_ = {};
  selected_.reset();
  bitmap_.reset();
  dc_.reset();
  screen_.reset();
  rows_ = nullptr;
  ByteString().swap(headers_);
  size_ = {};
}

// The bitmap's rows are bottom-up, as the file stores them; the system fills the row padding
// with zeros when it makes the bitmap, and copies never touch it.
bool ScreenSnapshots::Prepare(SIZE size) {
  Release();
  headers_ = BmpHeaders(size.cx, size.cy);
  if (headers_.empty() || !FitsPictureLimits(size.cx, size.cy)) return false;
  screen_.emplace(nullptr);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, size.cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(screen_->get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  dc_.reset(CreateCompatibleDC(screen_->get()));
  if (!screen_->get() || !bitmap_ || !bits || !dc_) {
    Release();
    return false;
  }
  selected_.emplace(dc_.get(), bitmap_.get());
  rows_ = static_cast<const uint8_t*>(bits);
  size_ = size;
  return true;
}
