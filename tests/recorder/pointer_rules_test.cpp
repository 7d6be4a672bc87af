// The plain rules behind the pointer in the frames and the windows kept out of them: where the
// pointer's picture lands in a snapshot, the click ring's size, and which systems can keep a
// window out of screen captures.
#include <gtest/gtest.h>

#include <climits>

#include "app/recorder/pointer_placement.h"
#include "app/recorder/system_version.h"

namespace {

constexpr ScreenSize kScreen{1024, 768};
constexpr PointerPicture kArrow{32, 32, 1, 2};

struct PlaceCase {
  const char* name;
  ScreenPoint position;
  PointerPicture picture;
  bool drawn;
  ScreenPoint place;
};

const PlaceCase kPlaceCases[] = {
    {"inside, at the hotspot", {300, 200}, kArrow, true, {299, 198}},
    {"at the origin the picture starts left of and above the screen", {0, 0}, kArrow, true, {-1, -2}},
    {"the last pixel column and row", {1023, 767}, kArrow, true, {1022, 765}},
    {"a big accessibility pointer with its hotspot in the middle", {10, 10}, {96, 96, 48, 48}, true, {-38, -38}},
    {"right of the screen, on a second monitor", {1025, 300}, kArrow, false, {}},
    {"left of the screen, its last column just off", {-31, 300}, kArrow, false, {}},
    {"left of the screen, its last column on it", {-30, 300}, kArrow, true, {-31, 298}},
    {"below the screen", {500, 770}, kArrow, false, {}},
    {"above the screen, its last row on it", {500, -29}, kArrow, true, {499, -31}},
    {"far off, where 32-bit sums would wrap", {INT_MIN + 5, INT_MAX - 5}, {32, 32, 64, 64}, false, {}},
    {"a picture without size", {300, 200}, {0, 32, 0, 0}, false, {}},
};

TEST(PointerRules, ThePicturesPlaceInTheSnapshotIsTheHotspotOnThePhysicalPosition) {
  for (const PlaceCase& c : kPlaceCases) {
    const std::optional<ScreenPoint> place = PointerPlaceInSnapshot(c.position, c.picture, kScreen);
    ASSERT_EQ(place.has_value(), c.drawn) << c.name;
    if (!place) continue;
    EXPECT_EQ(place->x, c.place.x) << c.name;
    EXPECT_EQ(place->y, c.place.y) << c.name;
  }
}

struct RingCase {
  int dotsPerInch;
  int radius;
  int penWidth;
};

TEST(PointerRules, TheClickRingGrowsWithTheDisplaysScaling) {
  for (const RingCase& c : {RingCase{96, 20, 4}, RingCase{120, 25, 5}, RingCase{144, 30, 6}, RingCase{192, 40, 8},
                            RingCase{72, 20, 4}, RingCase{0, 20, 4}, RingCase{INT_MAX, 160, 32}}) {
    const ClickRing ring = ClickRingAround({500, 400}, c.dotsPerInch);
    EXPECT_EQ(ring.left, 500 - c.radius) << c.dotsPerInch;
    EXPECT_EQ(ring.top, 400 - c.radius) << c.dotsPerInch;
    EXPECT_EQ(ring.right, 500 + c.radius + 1) << c.dotsPerInch;
    EXPECT_EQ(ring.bottom, 400 + c.radius + 1) << c.dotsPerInch;
    EXPECT_EQ(ring.penWidth, c.penWidth) << c.dotsPerInch;
  }
}

struct VersionCase {
  SystemVersion version;
  bool keepsOut;
};

TEST(PointerRules, WindowsAreKeptOutOfCapturesFromWindows10Version2004) {
  const VersionCase cases[] = {
      {{6, 1, 7601}, false},    // Windows 7, as this Wine reports itself
      {{6, 2, 9200}, false},    // what GetVersionEx tells a program without a manifest entry
      {{6, 3, 9600}, false},    // Windows 8.1
      {{10, 0, 18363}, false},  // Windows 10 version 1909
      {{10, 0, 19041}, true},   // version 2004
      {{10, 0, 19045}, true},   // 22H2
      {{10, 0, 22631}, true},   // Windows 11, which still reports 10.0
      {{10, 1, 0}, true},
      {{11, 0, 0}, true},
      {{0, 0, 0}, false},  // a version that could not be read
  };
  for (const VersionCase& c : cases) {
    EXPECT_EQ(KeepsWindowsOutOfCaptures(c.version), c.keepsOut)
        << c.version.major << "." << c.version.minor << "." << c.version.build;
  }
}

}  // namespace
