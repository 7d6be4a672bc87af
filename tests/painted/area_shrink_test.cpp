// Frames are shrunk by area averaging instead of the system's halftone stretch: the rule's own
// arithmetic, and its pixels held against the halftone stretch's on a screen-like picture.
#include "components/imaging/area_shrink.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "components/services/gdi_handle.h"
#include "controls/painted/two_core_shrink.h"

namespace {

using Rows = std::vector<uint8_t>;

// What the shrink gave before it was split into bands and its rows blended in one pass.
constexpr uint32_t kSavedShrinkHash = 0xBBF61A11;

size_t StrideOf(int width) { return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3}; }

Rows Shrunk(const Rows& source, int width, int height, int targetWidth, int targetHeight) {
  Rows target(StrideOf(targetWidth) * static_cast<size_t>(targetHeight), 0xEE);
  EXPECT_TRUE(ShrinkPixelRows(source.data(), StrideOf(width), width, height, target.data(), StrideOf(targetWidth),
                              targetWidth, targetHeight));
  return target;
}

TEST(AreaShrink, AFlatColourStaysExactlyThatColour) {
  Rows flat(StrideOf(1920) * 1080);
  for (size_t y = 0; y < 1080; ++y) {
    for (size_t x = 0; x < 1920; ++x) {
      uint8_t* pixel = &flat[y * StrideOf(1920) + 3 * x];
      pixel[0] = 12, pixel[1] = 200, pixel[2] = 255;
    }
  }
  for (int percent : {20, 40, 60, 80}) {
    const int width = 1920 * percent / 100, height = 1080 * percent / 100;
    const Rows shrunk = Shrunk(flat, 1920, 1080, width, height);
    for (int y = 0; y < height; y += 7) {
      for (int x = 0; x < width; x += 5) {
        const uint8_t* pixel = &shrunk[static_cast<size_t>(y) * StrideOf(width) + 3 * static_cast<size_t>(x)];
        ASSERT_EQ(pixel[0], 12) << percent << "% at " << x << "," << y;
        ASSERT_EQ(pixel[1], 200);
        ASSERT_EQ(pixel[2], 255);
      }
    }
  }
}

// Halving averages each 2x2 block; a third of the way, the pixel that straddles counts by the
// share it covers.
TEST(AreaShrink, EachPixelIsTheMeanOfWhatItCovers) {
  const Rows twoByTwo = {0, 0, 0, 100, 100, 100, 0, 0,  // padding to 8 bytes a row
                         200, 200, 200, 60, 60, 60, 0, 0};
  EXPECT_EQ(Shrunk(twoByTwo, 2, 2, 1, 1)[0], 90);
  // Three pixels into two: the middle one is split half and half.
  const Rows three = {30, 30, 30, 90, 90, 90, 150, 150, 150, 0, 0, 0};
  const Rows two = Shrunk(three, 3, 1, 2, 1);
  EXPECT_EQ(two[0], 50) << "(30 + 90 / 2) / 1.5";
  EXPECT_EQ(two[3], 130) << "(90 / 2 + 150) / 1.5";
  const Rows same = Shrunk(three, 3, 1, 3, 1);
  EXPECT_EQ(Rows(same.begin(), same.begin() + 9), Rows(three.begin(), three.begin() + 9)) << "the same size copies";
  Rows untouched(16, 7);
  EXPECT_FALSE(ShrinkPixelRows(three.data(), 12, 3, 1, untouched.data(), 12, 4, 1)) << "no enlarging";
  EXPECT_FALSE(ShrinkPixelRows(three.data(), 12, 3, 1, untouched.data(), 12, 0, 1));
  EXPECT_EQ(untouched, Rows(16, 7));
}

// A picture like a screen: a gradient, panels, lines of text and a noisy photo-like patch,
// drawn by GDI into a top-down 24-bit DIB section.
struct ScreenPicture {
  BitmapHandle bitmap;
  uint8_t* bits = nullptr;
};

ScreenPicture MakeScreenPicture(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  ScreenPicture picture{BitmapHandle(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)), nullptr};
  picture.bits = static_cast<uint8_t*>(bits);
  MemoryDc dc(CreateCompatibleDC(nullptr));
  Selection selected(dc.get(), picture.bitmap.get());
  for (int y = 0; y < height; ++y) {
    BrushHandle band(CreateSolidBrush(RGB(40 + y * 150 / height, 80, 200 - y * 120 / height)));
    RECT row{0, y, width, y + 1};
    FillRect(dc.get(), &row, band.get());
  }
  BrushHandle panel(CreateSolidBrush(RGB(240, 240, 240)));
  RECT window{100, 80, 700, 560};
  FillRect(dc.get(), &window, panel.get());
  SetBkMode(dc.get(), TRANSPARENT);
  for (int line = 0; line < 20; ++line) {
    RECT text{120, 100 + 22 * line, 680, 120 + 22 * line};
    DrawTextW(dc.get(), L"Velmo 屏幕录像器 The quick brown fox 0123456789", -1, &text, DT_LEFT | DT_SINGLELINE);
  }
  std::srand(7);
  for (int y = 600; y < 740; ++y) {
    for (int x = 750; x < 1000; ++x) SetPixel(dc.get(), x, y, RGB(std::rand() % 256, std::rand() % 256, std::rand() % 256));
  }
  GdiFlush();
  return picture;
}

// The system's halftone stretch of the same picture, as the canvas drew it before.
Rows HalftoneShrunk(const ScreenPicture& picture, int width, int height, int targetWidth, int targetHeight) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), targetWidth, -targetHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  BitmapHandle target(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  MemoryDc sourceDc(CreateCompatibleDC(nullptr)), targetDc(CreateCompatibleDC(nullptr));
  Selection source(sourceDc.get(), picture.bitmap.get()), into(targetDc.get(), target.get());
  SetStretchBltMode(targetDc.get(), HALFTONE);
  SetBrushOrgEx(targetDc.get(), 0, 0, nullptr);
  StretchBlt(targetDc.get(), 0, 0, targetWidth, targetHeight, sourceDc.get(), 0, 0, width, height, SRCCOPY);
  GdiFlush();
  const uint8_t* start = static_cast<const uint8_t*>(bits);
  return Rows(start, start + StrideOf(targetWidth) * static_cast<size_t>(targetHeight));
}

// The tolerance, for the shrinks the panels average themselves (down to 79 percent: the save's
// 80 percent and the player's 80 percent display): on average a channel is within 2
// levels of the halftone stretch's, and fewer than 1 in 100 differ by more than 32 (edges of text
// and noise, where two ways of weighing a straddling pixel part most). Stronger shrinks stay
// with the system's stretch, which samples rather than averages there and parts further.
TEST(AreaShrink, MatchesTheSystemsHalftoneStretchWithinTheTolerance) {
  const ScreenPicture picture = MakeScreenPicture(1024, 768);
  ASSERT_TRUE(picture.bits);
  EXPECT_TRUE(AveragesLikeHalftone(1024, 768, 819, 614));
  EXPECT_TRUE(AveragesLikeHalftone(1536, 864, 1228, 691));
  EXPECT_FALSE(AveragesLikeHalftone(1024, 768, 808, 614));
  EXPECT_FALSE(AveragesLikeHalftone(1024, 768, 614, 460));
  EXPECT_FALSE(AveragesLikeHalftone(1024, 768, 1025, 768));
  for (int percent : {80, 79}) {
    const int width = 1024 * percent / 100, height = 768 * percent / 100;
    const Rows system = HalftoneShrunk(picture, 1024, 768, width, height);
    const Rows ours = Shrunk(Rows(picture.bits, picture.bits + StrideOf(1024) * 768), 1024, 768, width, height);
    double total = 0;
    size_t distant = 0, channels = 0;
    for (int y = 0; y < height; ++y) {
      for (size_t i = 0; i < 3 * static_cast<size_t>(width); ++i) {
        const size_t at = static_cast<size_t>(y) * StrideOf(width) + i;
        const int difference = std::abs(system[at] - ours[at]);
        total += difference;
        distant += difference > 32;
        ++channels;
      }
    }
    const double mean = total / static_cast<double>(channels);
    std::printf("%d%%: mean difference %.2f, beyond 32: %.3f%%\n", percent, mean, 100.0 * distant / channels);
    EXPECT_LT(mean, 2.0) << percent << "%";
    EXPECT_LT(static_cast<double>(distant) / channels, 0.01) << percent << "%";
  }
}

}  // namespace

namespace {

Rows Noise(int width, int height, unsigned seed) {
  Rows rows(StrideOf(width) * static_cast<size_t>(height));
  uint32_t state = seed;
  for (uint8_t& byte : rows) byte = static_cast<uint8_t>((state = state * 1664525u + 1013904223u) >> 24);
  return rows;
}

// Bands written one after the other, and the two-core shrink, give the whole shrink's bytes;
// and the whole shrink of a saved frame's size gives the bytes it gave when recordings were
// first saved with it (a save's JPEG files depend on them).
TEST(AreaShrink, BandsAndTwoCoresWriteExactlyTheWholeShrink) {
  struct Case {
    int width, height, targetWidth, targetHeight;
  };
  for (const Case& c : {Case{1536, 864, 1228, 691}, Case{1920, 1080, 1536, 864}, Case{37, 23, 30, 19},
                        Case{9, 5, 2, 1}, Case{640, 480, 200, 150}}) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    const Rows source = Noise(c.width, c.height, 7);
    const Rows whole = Shrunk(source, c.width, c.height, c.targetWidth, c.targetHeight);
    for (int split : {0, 1, c.targetHeight / 3, c.targetHeight}) {
      Rows banded(whole.size(), 0xEE);
      const size_t sourceStride = StrideOf(c.width), targetStride = StrideOf(c.targetWidth);
      EXPECT_TRUE(ShrinkPixelRows(source.data(), sourceStride, c.width, c.height, banded.data(), targetStride,
                                  c.targetWidth, c.targetHeight, 0, split));
      EXPECT_TRUE(ShrinkPixelRows(source.data(), sourceStride, c.width, c.height, banded.data(), targetStride,
                                  c.targetWidth, c.targetHeight, split, c.targetHeight));
      EXPECT_EQ(banded, whole) << "split at " << split;
    }
    Rows twoCores(whole.size(), 0xEE);
    EXPECT_TRUE(ShrinkOnTwoCores(source.data(), StrideOf(c.width), c.width, c.height, twoCores.data(),
                                 StrideOf(c.targetWidth), c.targetWidth, c.targetHeight));
    EXPECT_EQ(twoCores, whole);
  }
  Rows target(StrideOf(2) * 2);
  const Rows source = Noise(4, 4, 1);
  EXPECT_FALSE(ShrinkPixelRows(source.data(), StrideOf(4), 4, 4, target.data(), StrideOf(2), 2, 2, 1, 3)) << "past the end";
  EXPECT_FALSE(ShrinkPixelRows(source.data(), StrideOf(4), 4, 4, target.data(), StrideOf(2), 2, 2, 2, 1)) << "backwards";

  // FNV-1a of the 1228x691 shrink of the noise above.
  const Rows saved = Shrunk(Noise(1536, 864, 7), 1536, 864, 1228, 691);
  uint32_t hash = 2166136261u;
  for (uint8_t byte : saved) hash = (hash ^ byte) * 16777619u;
  EXPECT_EQ(hash, kSavedShrinkHash);
}

}  // namespace
