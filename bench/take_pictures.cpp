#include "bench/take_pictures.h"

#include <algorithm>

#include "components/imaging/bmp_file.h"

const char* SceneName(TakeScene scene) {
  switch (scene) {
    case TakeScene::kScrolling:
      return "scrolling";
    case TakeScene::kStill:
      return "still";
    case TakeScene::kNoise:
      return "noise";
  }
  return "";
}

TakePictures::TakePictures(TakeScene scene, int width, int height)
    : scene_(scene),
      width_(width),
      height_(height),
      desktop_(width, height, scene == TakeScene::kScrolling ? DesktopMotion::kScrolling : DesktopMotion::kTyping) {}

// A still desktop is its first frame again and again; it is drawn once.
bool TakePictures::Frame(int frameNumber, ByteString& file) {
  switch (scene_) {
    case TakeScene::kScrolling:
      return desktop_.FrameInto(frameNumber, file);
    case TakeScene::kStill:
      return !file.empty() || desktop_.FrameInto(1, file);
    case TakeScene::kNoise:
      PaintNoise(file);
      return !file.empty();
  }
  return false;
}

// xorshift64: fast enough that making the frame costs little beside writing it. Each row's
// padding stays zero, as a snapshot's does.
void TakePictures::PaintNoise(ByteString& file) {
  const ByteString headers = BmpHeaders(width_, height_);
  const size_t rowBytes = BmpRowBytes(width_), pixelBytes = 3 * static_cast<size_t>(width_);
  file.assign(headers.size() + rowBytes * height_, 0);
  std::copy(headers.begin(), headers.end(), file.begin());
  for (int row = 0; row < height_; ++row) {
    uint8_t* pixels = file.data() + headers.size() + row * rowBytes;
    for (size_t at = 0; at < pixelBytes; ++at) {
      if (at % 8 == 0) {
        noise_ ^= noise_ << 13;
        noise_ ^= noise_ >> 7;
        noise_ ^= noise_ << 17;
      }
      pixels[at] = static_cast<uint8_t>(noise_ >> (8 * (at % 8)));
    }
  }
}

SnapshotFile SnapshotOf(const ByteString& file) {
  const std::span<const uint8_t> whole(file.data(), file.size());
  const size_t headers = file.size() < kBmpHeadersSize ? file.size() : kBmpHeadersSize;
  return {whole.first(headers), whole.subspan(headers)};
}

namespace take_pictures_on_screen {
namespace {
TakePictures* current = nullptr;
int painted = 0;
ByteString file;
}  // namespace

void Use(TakePictures* pictures) {
  current = pictures;
  painted = 0;
  if (!pictures) ByteString().swap(file);
}

int Painted() { return painted; }

void PaintNext(HDC snapshot, int width, int height) {
  if (!current || !current->Frame(++painted, file)) return;
  const auto* info = reinterpret_cast<const BITMAPINFO*>(file.data() + 14);
  SetDIBitsToDevice(snapshot, 0, 0, width, height, 0, 0, 0, height, file.data() + 54, info, DIB_RGB_COLORS);
}
}  // namespace take_pictures_on_screen
