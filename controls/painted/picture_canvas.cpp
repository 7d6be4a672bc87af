#include "controls/painted/picture_canvas.h"

#include "controls/painted/bitmap_file.h"

void PaintPictureOver(HDC dc, SIZE size, COLORREF back, const DecodedPicture* picture, int pictureMode) {
  const RECT area{0, 0, size.cx, size.cy};
  BrushHandle brush(CreateSolidBrush(back));
  const int saved = SaveDC(dc);
  if (picture) {
    const RECT covered = picture->Covered(area, pictureMode);
    ExcludeClipRect(dc, covered.left, covered.top, covered.right, covered.bottom);
  }
  FillRect(dc, &area, brush.get());
  RestoreDC(dc, saved);
  if (picture) picture->Draw(dc, area, pictureMode);
}

bool PictureCanvas::Paint(SIZE size, COLORREF back, const DecodedPicture* picture, int pictureMode) {
  WindowDc screen(nullptr);
  if (!bitmap_ || size.cx != size_.cx || size.cy != size_.cy) {
    bitmap_.reset(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
  }
  MemoryDc canvasDc(CreateCompatibleDC(screen.get()));
  if (!bitmap_ || !canvasDc) {
    bitmap_.reset();
    return false;
  }
  Selection canvas(canvasDc.get(), bitmap_.get());
  PaintPictureOver(canvasDc.get(), size, back, picture, pictureMode);
  size_ = size;
  return true;
}

bool PictureCanvas::TakeFile(ByteString& file) const {
  if (!bitmap_) {
    file.clear();
    return false;
  }
  return TakeBmpFileOfBitmap(bitmap_.get(), size_, file);
}
