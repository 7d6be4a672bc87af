#include "tests/video/container_reading.h"

#include <cstring>

#include "tests/support/linux_program.h"

namespace {

uint32_t Be32(const Bytes& bytes, size_t offset) {
  return uint32_t{bytes[offset]} << 24 | uint32_t{bytes[offset + 1]} << 16 | uint32_t{bytes[offset + 2]} << 8 |
         bytes[offset + 3];
}

// Skips GIF data sub-blocks from `at`; false when they run past the end.
bool SkipSubBlocks(const Bytes& file, size_t& at) {
  while (at < file.size()) {
    const size_t length = file[at++];
    if (length == 0) return true;
    at += length;
  }
  return false;
}

size_t PaletteBytes(uint8_t flags) { return flags & 0x80 ? 3u << ((flags & 7) + 1) : 0; }

}  // namespace

std::vector<std::string> Mp4TopBoxes(const Bytes& file) {
  std::vector<std::string> boxes;
  size_t at = 0;
  while (at + 8 <= file.size()) {
    const uint32_t size = Be32(file, at);
    if (size < 8 || size > file.size() - at) {
      boxes.push_back("?");
      break;
    }
    boxes.emplace_back(reinterpret_cast<const char*>(&file[at + 4]), 4);
    at += size;
  }
  return boxes;
}

GifFile ReadGif(const Bytes& file) {
  GifFile gif;
  if (file.size() < 13 || std::memcmp(file.data(), "GIF89a", 6) != 0) return gif;
  gif.width = Le16(file, 6);
  gif.height = Le16(file, 8);
  gif.globalPalette = file[10] & 0x80;
  size_t at = 13 + PaletteBytes(file[10]);
  int delay = -1;
  bool transparent = false;
  while (at < file.size()) {
    const uint8_t kind = file[at++];
    if (kind == 0x3B) {
      gif.valid = at == file.size();
      return gif;
    }
    if (kind == 0x21 && at + 1 < file.size()) {
      const uint8_t label = file[at++];
      if (label == 0xF9 && at + 5 < file.size()) {
        transparent = file[at + 1] & 1;
        delay = Le16(file, at + 2);
      } else if (label == 0xFF && at + 16 < file.size() && std::memcmp(&file[at + 1], "NETSCAPE2.0", 11) == 0) {
        gif.loops = Le16(file, at + 14);
      }
      if (!SkipSubBlocks(file, at)) return gif;
    } else if (kind == 0x2C && at + 9 < file.size()) {
      const uint8_t flags = file[at + 8];
      gif.images.push_back({Le16(file, at), Le16(file, at + 2), Le16(file, at + 4), Le16(file, at + 6),
                            (flags & 0x80) != 0, delay, transparent});
      at += 9 + PaletteBytes(flags) + 1;
      if (!SkipSubBlocks(file, at)) return gif;
    } else {
      return gif;
    }
  }
  return gif;
}

std::string ProbeStreams(const std::string& path, const std::string& streams, const std::string& fields) {
  return RunLinuxProgram({"/usr/bin/ffprobe", "-v", "error", "-select_streams", streams, "-show_entries",
                          "stream=" + fields, "-of", "csv=p=0", UnixPath(path)})
      .output;
}
