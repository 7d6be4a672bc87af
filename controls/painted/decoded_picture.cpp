#include "controls/painted/decoded_picture.h"

#include "components/imaging/decoders.h"
#include "controls/painted/picture_format.h"
#include "controls/painted/picture_placement.h"

namespace {

bool DecodeByFormat(ByteSpan bytes, PixelBuffer& pixels) {
  switch (PictureFormatOf(bytes)) {
    case PictureFormat::Jpeg:
      return DecodeJpeg(bytes, pixels);
    case PictureFormat::Bmp:
      return DecodeBmp(bytes, pixels);
    case PictureFormat::Pcx:
      return DecodePcx(bytes, pixels);
    default:
      return false;
  }
}

// One row of 8- or 24-bit decoded pixels as the blue, green, red bytes of a DIB row.
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

// A top-down 24-bit DIB section holding the decoded pixels; none when the system refuses it.
BitmapHandle BitmapFromPixels(const PixelBuffer& pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = pixels.width();
  info.bmiHeader.biHeight = -pixels.height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return {};
  size_t stride = (static_cast<size_t>(pixels.width()) * 3 + 3) & ~size_t{3};
  for (int y = 0; y < pixels.height(); ++y) CopyRow(pixels, y, static_cast<uint8_t*>(bits) + stride * y);
  GdiFlush();
  return bitmap;
}

// Halftone keeps shrunk frames readable; on a display of 16 bits or fewer it would dither, so
// plain colour-on-colour is used there.
void ChooseStretchMode(HDC target) {
  WindowDc screen(nullptr);
  if (GetDeviceCaps(screen.get(), BITSPIXEL) > 16) {
    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, nullptr);
  } else {
    SetStretchBltMode(target, COLORONCOLOR);
  }
}

}  // namespace

DecodedPicture::DecodedPicture(BitmapHandle bitmap, int width, int height)
    : bitmap_(std::move(bitmap)), width_(width), height_(height) {}

std::unique_ptr<DecodedPicture> DecodedPicture::Decode(ByteSpan bytes) {
  PixelBuffer pixels;
  if (!DecodeByFormat(bytes, pixels) || (pixels.bitsPerPixel() != 8 && pixels.bitsPerPixel() != 24)) return nullptr;
  BitmapHandle bitmap = BitmapFromPixels(pixels);
  if (!bitmap) return nullptr;
  return std::unique_ptr<DecodedPicture>(new DecodedPicture(std::move(bitmap), pixels.width(), pixels.height()));
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

void DecodedPicture::DrawPlaced(HDC target, const RECT& area, int pictureMode) const {
  MemoryDc source(CreateCompatibleDC(target));
  if (!source) return;
  Selection picture(source.get(), bitmap_.get());
  PictureRect place = pictureMode == 2
                          ? PlaceCentredShrunk(area.right - area.left, area.bottom - area.top, width_, height_)
                          : PictureRect{0, 0, width_, height_};
  if (place.width == width_ && place.height == height_) {
    BitBlt(target, area.left + place.left, area.top + place.top, width_, height_, source.get(), 0, 0, SRCCOPY);
    return;
  }
  ChooseStretchMode(target);
  StretchBlt(target, area.left + place.left, area.top + place.top, place.width, place.height, source.get(), 0, 0,
             width_, height_, SRCCOPY);
}
