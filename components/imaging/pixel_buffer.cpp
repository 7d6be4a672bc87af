#include "components/imaging/pixel_buffer.h"

#include <windows.h>

namespace {

std::wstring TemporaryFolder() {
  wchar_t folder[MAX_PATH + 1];
  DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  return length == 0 || length > MAX_PATH ? std::wstring() : std::wstring(folder, length);
}

// The first name of the series that is free. The file is hidden, kept in the cache when memory
// allows, shared for reading and writing, and deleted by the system when its last handle closes,
// so it cannot outlive the buffer.
FileHandle CreatePixelFile() {
  std::wstring folder = TemporaryFolder();
  if (folder.empty()) return FileHandle();
  for (unsigned number = 0;; ++number) {
    std::wstring path = folder + kPixelFilePrefix + std::to_wstring(number) + L".tmp";
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                                nullptr));
    if (file) return file;
    DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return FileHandle();
  }
}

bool IsSupportedDepth(int bitsPerPixel) { return bitsPerPixel == 8 || bitsPerPixel == 24 || bitsPerPixel == 32; }

}  // namespace

bool FitsPictureLimits(int64_t width, int64_t height) {
  bool sidesFit = width >= 1 && height >= 1 && width <= kMaxPictureSide && height <= kMaxPictureSide;
  return sidesFit && width * height <= kMaxPicturePixels;
}

bool PixelBuffer::Allocate(int64_t width, int64_t height, int bitsPerPixel) {
  if (pixels_ || !IsSupportedDepth(bitsPerPixel) || !FitsPictureLimits(width, height)) return false;
  uint64_t size = static_cast<uint64_t>(width * height) * static_cast<uint64_t>(bitsPerPixel / 8);

  FileHandle file = CreatePixelFile();
  if (!file) return false;
  // Mapping beyond the end grows the new file to the size, filled with zeros.
  MappingHandle mapping(CreateFileMappingW(file.get(), nullptr, PAGE_READWRITE, static_cast<DWORD>(size >> 32),
                                           static_cast<DWORD>(size), nullptr));
  if (!mapping) return false;
  MappedView view(MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, static_cast<SIZE_T>(size)));
  if (!view) return false;

  file_ = std::move(file);
  mapping_ = std::move(mapping);
  view_ = std::move(view);
  pixels_ = static_cast<uint8_t*>(view_.get());
  width_ = static_cast<int>(width);
  height_ = static_cast<int>(height);
  bitsPerPixel_ = bitsPerPixel;
  return true;
}
