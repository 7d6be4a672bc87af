#include "controls/painted/bitmap_file.h"

#include <vector>

#include "components/imaging/pixel_buffer.h"
#include "controls/painted/bmp_file.h"

ByteString BmpFileOfBitmap(HBITMAP bitmap, SIZE size) {
  // The same bound as for decoded pictures keeps the pixel copy within reach of a 32-bit process.
  if (!FitsPictureLimits(size.cx, size.cy)) return {};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = size.cy;  // positive: rows come bottom-up, as the file stores them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<uint8_t> rows(static_cast<size_t>(BmpRowBytes(size.cx)) * static_cast<size_t>(size.cy));
  WindowDc screen(nullptr);
  if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(size.cy), rows.data(), &info, DIB_RGB_COLORS) != size.cy) {
    return {};
  }
  return BuildBmpFile(size.cx, size.cy, rows);
}

BitmapHandle CopyClientArea(HWND window, SIZE size) {
  if (size.cx < 1 || size.cy < 1) return {};
  WindowDc client(window);
  BitmapHandle copy(CreateCompatibleBitmap(client.get(), size.cx, size.cy));
  MemoryDc copyDc(CreateCompatibleDC(client.get()));
  if (!copy || !copyDc) return {};
  {
    Selection target(copyDc.get(), copy.get());
    BitBlt(copyDc.get(), 0, 0, size.cx, size.cy, client.get(), 0, 0, SRCCOPY);
  }
  return copy;
}
