// The persistent canvas of a DrawPanel: a bitmap compatible with the screen, filled with a back
// colour and the back picture drawn over it by picture mode, read back as a 24-bit BMP file. The
// panel paints through one; a thread without the panel (the take's writer) shrinks frames
// through a canvas of its own, pixel for pixel as the panel's would.
#pragma once
#include <windows.h>

#include "components/services/byte_string.h"
#include "components/services/gdi_handle.h"
#include "controls/painted/decoded_picture.h"

// Back colour, then `picture` (if any) in its mode, over the area 0, 0 .. size of `dc`. The
// colour goes only where the picture leaves room: a frame that fills the area is painted once,
// not over a fill.
void PaintPictureOver(HDC dc, SIZE size, COLORREF back, const DecodedPicture* picture, int pictureMode);

class PictureCanvas {
 public:
  // Paints the canvas at `size` (at least 1 × 1). A canvas of the same size is painted over
  // rather than made again, so one rebuilt for every frame keeps one bitmap. False, leaving no
  // canvas, when the system refuses the bitmap.
  bool Paint(SIZE size, COLORREF back, const DecodedPicture* picture, int pictureMode);
  // The canvas as a 24-bit BMP file in `file` (memory reused); false, leaving it empty, when
  // there is none or the system refuses.
  bool TakeFile(ByteString& file) const;

  HBITMAP bitmap() const { return bitmap_.get(); }
  SIZE size() const { return size_; }
  void Reset() { bitmap_.reset(); }

 private:
  BitmapHandle bitmap_;
  SIZE size_{};
};
