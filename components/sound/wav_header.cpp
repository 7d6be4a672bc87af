#include "components/sound/wav_header.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "components/services/little_endian.h"

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr uint32_t kSizeUnknown = 0xFFFFFFFF;
// A WAV this program reads has its samples within the first few chunks; a file of thousands of
// tiny chunks is not worth walking.
constexpr int kMostChunksBeforeData = 64;
constexpr size_t kLongestFmtRead = 40;

constexpr uint32_t kSpeakerMasks[] = {0x4, 0x3, 0x7, 0x33, 0x37, 0x3F, 0x13F, 0x63F};

// KSDATAFORMAT_SUBTYPE_PCM and _IEEE_FLOAT after their first two bytes, which are the tag.
constexpr uint8_t kSubFormatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                        0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

// A chunk's four letters as the little-endian number they are read as.
constexpr uint32_t FourLetters(const char (&tag)[5]) {
  return static_cast<uint32_t>(tag[0]) | static_cast<uint32_t>(tag[1]) << 8 | static_cast<uint32_t>(tag[2]) << 16 |
         static_cast<uint32_t>(tag[3]) << 24;
}

void PutTag(ByteString& out, const char (&tag)[5]) { PutLe32(out, FourLetters(tag)); }

uint16_t FormatTag(SampleKind kind) { return kind == SampleKind::Pcm16 ? kFormatPcm : kFormatFloat; }

// The format the fmt chunk's first bytes give; nothing for one this program does not read.
std::optional<std::pair<SoundFormat, SampleKind>> ParseFmt(const uint8_t* fmt, size_t size) {
  if (size < 16) return std::nullopt;
  uint16_t tag = GetLe16(fmt, 0);
  if (tag == kFormatExtensible) {
    if (size < kLongestFmtRead || std::memcmp(fmt + 26, kSubFormatTail, sizeof kSubFormatTail) != 0)
      return std::nullopt;
    tag = GetLe16(fmt, 24);
  }
  const SoundFormat format{static_cast<int>(GetLe32(fmt, 4)), GetLe16(fmt, 2)};
  const int bits = GetLe16(fmt, 14);
  SampleKind kind;
  if (tag == kFormatPcm && bits == 16) {
    kind = SampleKind::Pcm16;
  } else if (tag == kFormatFloat && bits == 32) {
    kind = SampleKind::Float32;
  } else {
    return std::nullopt;
  }
  // A rate beyond int's range turns negative here, which IsValid refuses.
  if (!format.IsValid() || GetLe16(fmt, 12) != format.channels * WavSampleBytes(kind)) return std::nullopt;
  return std::make_pair(format, kind);
}

}  // namespace

int WavSampleBytes(SampleKind kind) { return kind == SampleKind::Pcm16 ? 2 : 4; }

uint32_t WavSpeakerMask(int channels) { return kSpeakerMasks[std::clamp(channels, 1, 8) - 1]; }

uint32_t WavRiffSize(uint64_t headerBytes, uint64_t dataBytes) {
  return static_cast<uint32_t>(std::min<uint64_t>(headerBytes - 8 + dataBytes, kSizeUnknown));
}

uint32_t WavDataSize(uint64_t dataBytes) { return static_cast<uint32_t>(std::min<uint64_t>(dataBytes, kSizeUnknown)); }

ByteString WavHeaderBytes(SoundFormat format, SampleKind kind, uint64_t dataBytes) {
  const bool extensible = format.channels > 2;
  const uint16_t sampleBytes = static_cast<uint16_t>(WavSampleBytes(kind));
  const uint16_t blockAlign = static_cast<uint16_t>(format.channels * sampleBytes);
  ByteString out;
  PutTag(out, "RIFF");
  PutLe32(out, 0);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutLe32(out, extensible ? 40 : kind == SampleKind::Float32 ? 18 : 16);
  PutLe16(out, extensible ? kFormatExtensible : FormatTag(kind));
  PutLe16(out, static_cast<uint16_t>(format.channels));
  PutLe32(out, static_cast<uint32_t>(format.rate));
  PutLe32(out, static_cast<uint32_t>(format.rate) * blockAlign);
  PutLe16(out, blockAlign);
  PutLe16(out, static_cast<uint16_t>(sampleBytes * 8));
  if (extensible) {
    PutLe16(out, 22);
    PutLe16(out, static_cast<uint16_t>(sampleBytes * 8));
    PutLe32(out, WavSpeakerMask(format.channels));
    PutLe16(out, FormatTag(kind));
    for (uint8_t byte : kSubFormatTail) out.push_back(byte);
  } else if (kind == SampleKind::Float32) {
    PutLe16(out, 0);
  }
  PutTag(out, "data");
  PutLe32(out, WavDataSize(dataBytes));
  SetLe32(out.data(), kWavRiffSizeAt, WavRiffSize(out.size(), dataBytes));
  return out;
}

std::optional<WavShape> ParseWavHeader(uint64_t fileSize, const WavReadAt& readAt) {
  uint8_t riff[12];
  if (!readAt(0, riff, sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0)
    return std::nullopt;
  std::optional<std::pair<SoundFormat, SampleKind>> format;
  uint64_t at = sizeof riff;
  for (int chunk = 0; chunk < kMostChunksBeforeData && at + 8 <= fileSize; ++chunk) {
    uint8_t head[8];
    if (!readAt(at, head, sizeof head)) return std::nullopt;
    const uint32_t size = GetLe32(head, 4);
    const uint64_t body = at + 8;
    if (std::memcmp(head, "data", 4) == 0) {
      if (!format) return std::nullopt;
      const uint64_t present = fileSize - body;
      const uint64_t bytes = size == 0 || size == kSizeUnknown || size > present ? present : size;
      const uint64_t blockAlign = static_cast<uint64_t>(format->first.channels) * WavSampleBytes(format->second);
      return WavShape{format->first, format->second, body, bytes / blockAlign};
    }
    if (std::memcmp(head, "fmt ", 4) == 0) {
      uint8_t fmt[kLongestFmtRead];
      const size_t read = std::min<size_t>(size, sizeof fmt);
      if (body + size > fileSize || !readAt(body, fmt, read)) return std::nullopt;
      format = ParseFmt(fmt, read);
      if (!format) return std::nullopt;
    }
    // Chunks are padded to an even size.
    at = body + size + (size & 1);
  }
  return std::nullopt;
}
