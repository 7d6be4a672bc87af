#include "tools/window_picture/window_picture.h"

#include <png.h>

#include <cstdio>
#include <vector>

#include "components/services/gdi_handle.h"
#include "components/services/wide_text.h"

namespace {
struct Rgb {
  int width;
  int height;
  std::vector<uint8_t> rows;  // top-down, 3 bytes a pixel in R, G, B order
};

bool CaptureScreen(const RECT& rect, Rgb& picture) {
  picture.width = rect.right - rect.left;
  picture.height = rect.bottom - rect.top;
  if (picture.width <= 0 || picture.height <= 0) return false;
  WindowDc screen(nullptr);
  MemoryDc memory(CreateCompatibleDC(screen.get()));
  BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), picture.width, picture.height));
  if (!memory || !bitmap) return false;
  {
    Selection selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, picture.width, picture.height, screen.get(), rect.left, rect.top, SRCCOPY);
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<uint8_t> bgra(static_cast<size_t>(picture.width) * picture.height * 4);
  if (!GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(picture.height), bgra.data(), &info, DIB_RGB_COLORS))
    return false;
  picture.rows.resize(static_cast<size_t>(picture.width) * picture.height * 3);
  for (size_t i = 0, o = 0; i < bgra.size(); i += 4, o += 3) {
    picture.rows[o] = bgra[i + 2];
    picture.rows[o + 1] = bgra[i + 1];
    picture.rows[o + 2] = bgra[i];
  }
  return true;
}

// libpng reports errors by longjmp, so this function holds no object with a destructor.
bool WritePng(FILE* file, const Rgb& picture, png_bytepp rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}
}  // namespace

bool WriteScreenPicture(const RECT& area, const std::string& path) {
  Rgb picture;
  if (!CaptureScreen(area, picture)) return false;
  std::vector<png_bytep> rows;
  for (int y = 0; y < picture.height; ++y) rows.push_back(picture.rows.data() + static_cast<size_t>(y) * picture.width * 3);
  FILE* file = _wfopen(Widen(path).c_str(), L"wb");
  if (!file) return false;
  const bool written = WritePng(file, picture, rows.data());
  return std::fclose(file) == 0 && written;
}

bool WriteWindowPicture(HWND hwnd, const std::string& path) {
  RECT rect;
  return GetWindowRect(hwnd, &rect) && WriteScreenPicture(rect, path);
}
