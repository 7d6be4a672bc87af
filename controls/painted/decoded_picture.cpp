#include "controls/painted/decoded_picture.h"

#include "components/imaging/area_shrink.h"
#include "components/imaging/decoders.h"
#include "controls/painted/picture_format.h"
#include "controls/painted/picture_placement.h"
#include "controls/painted/two_core_shrink.h"

namespace {

// One row of 8- or 24-bit decoded pixels as the blue, green, red bytes of a bitmap row.
void CopyRow(const PixelBuffer& pixels, int y, uint8_t* target) {
  const uint8_t* source = pixels.row(y);
  for (int x = 0; x < pixels.width(); ++x, target += 3) {
    Rgb colour = pixels.bitsPerPixel() == 8 ? pixels.palette()[source[x]]
                                            : Rgb{source[3 * x], source[3 * x + 1], source[3 * x + 2]};
    target[0] = colour.blue;
    target[1] = colour.green;
    target[2] = colour.red;
  }
}

// PCX pictures, rare, go through the imaging reader's pixel buffer.
bool DecodePcxInto(ByteSpan bytes, PictureBitmap& bitmap) {
  PixelBuffer pixels;
  if (!DecodePcx(bytes, pixels) || (pixels.bitsPerPixel() != 8 && pixels.bitsPerPixel() != 24)) return false;
  size_t stride = 0;
  uint8_t* top = bitmap.Rows(pixels.width(), pixels.height(), stride);
  if (!top) return false;
  for (int y = 0; y < pixels.height(); ++y) CopyRow(pixels, y, top + stride * static_cast<size_t>(y));
  return true;
}

// JPEG and BMP pictures, the program's frames, are decoded straight into the bitmap's rows.
bool DecodeInto(ByteSpan bytes, PictureBitmap& bitmap) {
  switch (PictureFormatOf(bytes)) {
    case PictureFormat::Jpeg:
      return DecodeJpegToBgr(bytes, bitmap);
    case PictureFormat::Bmp:
      return DecodeBmpToBgr(bytes, bitmap);
    case PictureFormat::Pcx:
      return DecodePcxInto(bytes, bitmap);
    default:
      return false;
  }
}

// Shrunk frames stay readable when every pixel averages what it covers, as a halftone stretch
// does; on a display of 16 bits or fewer that would dither, so plain colour-on-colour is used
// there.
bool AveragesWhenShrinking() {
  WindowDc screen(nullptr);
  return GetDeviceCaps(screen.get(), BITSPIXEL) > 16;
}

}  // namespace

std::unique_ptr<DecodedPicture> DecodedPicture::Decode(ByteSpan bytes, std::unique_ptr<DecodedPicture> spare) {
  std::unique_ptr<DecodedPicture> picture = spare ? std::move(spare) : std::unique_ptr<DecodedPicture>(new DecodedPicture);
  if (!DecodeInto(bytes, picture->bitmap_)) return nullptr;
  return picture;
}

void DecodedPicture::Draw(HDC target, const RECT& area, int pictureMode) const {
  int savedState = SaveDC(target);
  IntersectClipRect(target, area.left, area.top, area.right, area.bottom);
  if (pictureMode == 1) {
    DrawTiled(target, area);
  } else {
    DrawPlaced(target, area, pictureMode);
  }
  RestoreDC(target, savedState);
}

// One fill with the picture as a pattern brush, so that a tiny picture on a large area costs no
// more than a large one.
void DecodedPicture::DrawTiled(HDC target, const RECT& area) const {
  BrushHandle tiles(CreatePatternBrush(bitmap_.get()));
  if (!tiles) return;
  SetBrushOrgEx(target, area.left, area.top, nullptr);
  FillRect(target, &area, tiles.get());
}

PictureRect DecodedPicture::Placed(const RECT& area, int pictureMode) const {
  const int width = bitmap_.width();
  const int height = bitmap_.height();
  return pictureMode == 2 ? PlaceCentredShrunk(area.right - area.left, area.bottom - area.top, width, height)
                          : PictureRect{0, 0, width, height};
}

RECT DecodedPicture::Covered(const RECT& area, int pictureMode) const {
  if (pictureMode == 1) return area;
  const PictureRect place = Placed(area, pictureMode);
  RECT covered{area.left + place.left, area.top + place.top, area.left + place.left + place.width,
               area.top + place.top + place.height};
  IntersectRect(&covered, &covered, &area);
  return covered;
}

void DecodedPicture::DrawPlaced(HDC target, const RECT& area, int pictureMode) const {
  MemoryDc source(CreateCompatibleDC(target));
  if (!source) return;
  Selection picture(source.get(), bitmap_.get());
  const int width = bitmap_.width();
  const int height = bitmap_.height();
  const PictureRect place = Placed(area, pictureMode);
  if (place.width == width && place.height == height) {
    BitBlt(target, area.left + place.left, area.top + place.top, width, height, source.get(), 0, 0, SRCCOPY);
    return;
  }
  const bool average = AveragesWhenShrinking();
  if (average && DrawShrunk(target, area, place)) return;
  SetStretchBltMode(target, average ? HALFTONE : COLORONCOLOR);
  SetBrushOrgEx(target, 0, 0, nullptr);
  StretchBlt(target, area.left + place.left, area.top + place.top, place.width, place.height, source.get(), 0, 0,
             width, height, SRCCOPY);
}

// A picture drawn a little smaller than it is (the save's frames at 80 percent, the player's at its
// 80 percent display) is shrunk by area averaging into a bitmap of its own and copied from there:
// the system's halftone stretch gives much the same pixels at several times the cost. False,
// drawing nothing, for a stronger shrink or when the bitmap cannot be had.
bool DecodedPicture::DrawShrunk(HDC target, const RECT& area, const PictureRect& place) const {
  if (!AveragesLikeHalftone(bitmap_.width(), bitmap_.height(), place.width, place.height) || !bitmap_.bits())
    return false;
  size_t stride = 0;
  uint8_t* rows = shrunk_.Rows(place.width, place.height, stride);
  if (!rows || !ShrinkOnTwoCores(bitmap_.bits(), bitmap_.stride(), bitmap_.width(), bitmap_.height(), rows, stride,
                                 place.width, place.height))
    return false;
  MemoryDc source(CreateCompatibleDC(target));
  if (!source) return false;
  Selection shrunk(source.get(), shrunk_.get());
  return BitBlt(target, area.left + place.left, area.top + place.top, place.width, place.height, source.get(), 0, 0,
                SRCCOPY) != FALSE;
}
