// A picture decoded from the bytes of a picture file into a device-independent bitmap, ready to
// be drawn in a picture mode.
#pragma once
#include <windows.h>

#include <memory>

#include "components/imaging/byte_span.h"
#include "controls/painted/picture_bitmap.h"
#include "controls/painted/picture_placement.h"

class DecodedPicture {
 public:
  // The picture in `bytes`, or null when they hold none that can be decoded. JPEG (libjpeg),
  // BMP (the imaging BMP reader: 24 bits per pixel) and PCX (the imaging PCX reader) are
  // decoded. Icons, cursors and GIF pictures are recognised but left undecoded: the program
  // only ever shows its own JPEG and BMP frames, so they read as "no picture".
  // `spare`, a picture no longer needed, is taken over and written over, so that a panel shown
  // frame after frame of one size keeps one bitmap; it is gone whatever the result.
  static std::unique_ptr<DecodedPicture> Decode(ByteSpan bytes, std::unique_ptr<DecodedPicture> spare = nullptr);

  int width() const { return bitmap_.width(); }
  int height() const { return bitmap_.height(); }

  // Draws the picture into `area` of `target` by picture mode (0 top-left at natural size,
  // 1 tiled, 2 centred and shrunk to fit), never outside `area`; the rest of `area` is left
  // untouched.
  void Draw(HDC target, const RECT& area, int pictureMode) const;

  // The part of `area` that Draw covers in that mode: all of it when tiled, else where the
  // picture lands, cut to the area.
  RECT Covered(const RECT& area, int pictureMode) const;

 private:
  PictureRect Placed(const RECT& area, int pictureMode) const;
  DecodedPicture() = default;
  void DrawTiled(HDC target, const RECT& area) const;
  void DrawPlaced(HDC target, const RECT& area, int pictureMode) const;
  bool DrawShrunk(HDC target, const RECT& area, const PictureRect& place) const;

  PictureBitmap bitmap_;
  // The picture shrunk for the last draw, kept so that a panel shown frame after frame of one
  // size shrinks into the same bitmap.
  mutable PictureBitmap shrunk_;
};
