#include "controls/painted/bitmap_file.h"

#include "components/imaging/pixel_buffer.h"
#include "components/imaging/bmp_file.h"

ByteString BmpFileOfBitmap(HBITMAP bitmap, SIZE size) {
  ByteString file;
  TakeBmpFileOfBitmap(bitmap, size, file);
  return file;
}

bool TakeBmpFileOfBitmap(HBITMAP bitmap, SIZE size, ByteString& file) {
  // The same bound as for decoded pictures keeps the pixel copy within reach of a 32-bit process.
  if (!FitsPictureLimits(size.cx, size.cy) || !ShapeBmpFile(size.cx, size.cy, file)) {
    file.clear();
    return false;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = size.cy;  // positive: rows come bottom-up, as the file stores them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  // The rows go straight into the file's pixel area: a frame of the screen is copied once.
  WindowDc screen(nullptr);
  if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(size.cy), file.data() + kBmpHeadersSize, &info,
                DIB_RGB_COLORS) != size.cy) {
    file.clear();
    return false;
  }
  return true;
}

BitmapHandle CopyClientArea(HWND window, SIZE size) {
  if (size.cx < 1 || size.cy < 1) return {};
  WindowDc client(window);
  BitmapHandle copy(CreateCompatibleBitmap(client.get(), size.cx, size.cy));
  MemoryDc copyDc(CreateCompatibleDC(client.get()));
  if (!copy || !copyDc || !CopyClientAreaInto(window, copyDc.get(), copy.get(), size)) return {};
  return copy;
}

bool CopyClientAreaInto(HWND window, HDC copyDc, HBITMAP copy, SIZE size) {
  if (size.cx < 1 || size.cy < 1) return false;
  WindowDc client(window);
  Selection target(copyDc, copy);
  // As a snapshot always has: a copy the system does not complete still gives a picture.
  BitBlt(copyDc, 0, 0, size.cx, size.cy, client.get(), 0, 0, SRCCOPY);
  return true;
}
