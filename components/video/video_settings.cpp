#include "components/video/video_settings.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int kLargestSide = 65535;
constexpr int kSecondsBetweenKeyFrames = 10;
constexpr int kBestQuantiser = 14;
constexpr int kQuantiserPerStep = 6;
constexpr int kPercentPerStep = 20;
constexpr int kMostEntries = 256;
constexpr int kFewestEntries = 16;

bool EndsWithNoCase(const std::string& name, const std::string& suffix) {
  if (name.size() < suffix.size()) return false;
  return std::equal(suffix.begin(), suffix.end(), name.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                    [](char wanted, char found) { return std::tolower(static_cast<unsigned char>(found)) == wanted; });
}

}  // namespace

std::optional<VideoSize> StoredVideoSize(VideoFormat format, int width, int height) {
  if (width > kLargestSide || height > kLargestSide) return std::nullopt;
  if (format == VideoFormat::kMp4) {
    width &= ~1;
    height &= ~1;
  }
  if (width < 1 || height < 1) return std::nullopt;
  return VideoSize{width, height};
}

int H264Quantiser(int quality) {
  const int stepsBelowBest = (100 - std::clamp(quality, 1, 100)) * kQuantiserPerStep / kPercentPerStep;
  return kBestQuantiser + stepsBelowBest;
}

int H264KeyFrameInterval(int frameRate) { return kSecondsBetweenKeyFrames * frameRate; }

int GifPaletteEntries(int quality) {
  int entries = kMostEntries;
  for (int q = 80; q > std::clamp(quality, 1, 100); q -= kPercentPerStep) entries /= 2;
  return std::max(entries, kFewestEntries);
}

std::optional<VideoFormat> VideoFormatOfName(const std::string& name) {
  if (EndsWithNoCase(name, ".mp4")) return VideoFormat::kMp4;
  if (EndsWithNoCase(name, ".gif")) return VideoFormat::kGif;
  return std::nullopt;
}
