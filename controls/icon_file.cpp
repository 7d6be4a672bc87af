#include "controls/icon_file.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "components/services/little_endian.h"

namespace {
constexpr size_t kDirectoryHeader = 6;
constexpr size_t kDirectoryEntry = 16;
constexpr uint16_t kIconType = 1;
constexpr uint16_t kCursorType = 2;


// An entry's width or height byte: 0 stands for 256.
int EntrySide(uint8_t side) { return side == 0 ? 256 : side; }

std::optional<IconImage> ReadEntry(const ByteString& file, size_t index) {
  const size_t at = kDirectoryHeader + index * kDirectoryEntry;
  IconImage image{GetLe32(file.data(), at + 12), GetLe32(file.data(), at + 8),
                  EntrySide(file[at]),           EntrySide(file[at + 1]),
                  GetLe16(file.data(), at + 4),  GetLe16(file.data(), at + 6)};
  if (image.size == 0 || image.offset > file.size() || image.size > file.size() - image.offset) return std::nullopt;
  return image;
}

// The bitmap of an image with its hot spot in front, as CreateIconFromResourceEx wants a cursor.
std::vector<uint8_t> CursorResource(const ByteString& file, const IconImage& image) {
  std::vector<uint8_t> resource(4 + image.size);
  const uint16_t hotspot[2] = {static_cast<uint16_t>(image.hotspotX), static_cast<uint16_t>(image.hotspotY)};
  std::memcpy(resource.data(), hotspot, 4);
  std::memcpy(resource.data() + 4, file.data() + image.offset, image.size);
  return resource;
}
}  // namespace

std::optional<IconImage> FindIconImage(const ByteString& file, int wantedSize) {
  if (file.size() < kDirectoryHeader || GetLe16(file.data(), 0) != 0) return std::nullopt;
  const uint16_t type = GetLe16(file.data(), 2);
  const size_t count = GetLe16(file.data(), 4);
  if ((type != kIconType && type != kCursorType) || count == 0) return std::nullopt;
  if (file.size() < kDirectoryHeader + count * kDirectoryEntry) return std::nullopt;
  std::optional<IconImage> best;
  for (size_t i = 0; i < count; ++i) {
    const std::optional<IconImage> image = ReadEntry(file, i);
    if (!image) return std::nullopt;
    if (!best || std::abs(image->width - wantedSize) < std::abs(best->width - wantedSize)) best = image;
  }
  return best;
}

IconHandle MakeIcon(const ByteString& icoFile, int size) {
  const std::optional<IconImage> image = FindIconImage(icoFile, size);
  if (!image) return {};
  std::vector<uint8_t> bits(icoFile.begin() + image->offset, icoFile.begin() + image->offset + image->size);
  return IconHandle(CreateIconFromResourceEx(bits.data(), static_cast<DWORD>(bits.size()), TRUE, 0x00030000, size,
                                             size, LR_DEFAULTCOLOR));
}

CursorHandle MakeCursor(const ByteString& curFile) {
  const std::optional<IconImage> image = FindIconImage(curFile, GetSystemMetrics(SM_CXCURSOR));
  if (!image) return {};
  std::vector<uint8_t> resource = CursorResource(curFile, *image);
  return CursorHandle(CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()), FALSE,
                                               0x00030000, 0, 0, LR_DEFAULTCOLOR));
}
