// The rules of choosing a rectangle with the mouse, without a window: a drag in any direction,
// the handles, moving within the screen, snapping within the distance and not beyond, the
// smallest size; what a press takes hold of; a window's rectangle as a take may record it.
#include <gtest/gtest.h>

#include <vector>

#include "app/recorder/area_geometry.h"

namespace {

constexpr AreaEdges kScreen{0, 0, 1024, 768};
// A monitor left of the primary one.
constexpr AreaEdges kTwoMonitors{-1280, 0, 1920, 1080};
constexpr AreaEdges kChosen{100, 100, 300, 250};
constexpr AreaEdges kWindow{400, 300, 600, 450};

struct DragRow {
  const char* what;
  AreaGrip grip;
  AreaPoint pressed;
  AreaPoint now;
  AreaEdges screen;
  bool nearWindow;  // snapping to kWindow
  AreaEdges expected;
};

const DragRow kDrags[] = {
    {"drawn down and right", AreaGrip::None, {100, 100}, {299, 249}, kScreen, false, kChosen},
    {"drawn up and left", AreaGrip::None, {299, 249}, {100, 100}, kScreen, false, kChosen},
    {"drawn up and right", AreaGrip::None, {100, 249}, {299, 100}, kScreen, false, kChosen},
    {"drawn on the left monitor", AreaGrip::None, {-1000, 50}, {-801, 149}, kTwoMonitors, false, {-1000, 50, -800, 150}},
    {"drawn too small grows away from the press", AreaGrip::None, {100, 100}, {96, 104}, kScreen, false,
     {85, 100, 101, 116}},
    {"drawn too small at the corner stays on the screen", AreaGrip::None, {3, 3}, {1, 1}, kScreen, false,
     {0, 0, 16, 16}},
    {"drawn beyond the screen", AreaGrip::None, {1000, 700}, {1100, 800}, kScreen, false, {1000, 700, 1024, 768}},
    {"bottom-right handle", AreaGrip::BottomRight, {299, 249}, {349, 279}, kScreen, false, {100, 100, 350, 280}},
    {"top handle beyond the screen", AreaGrip::Top, {199, 100}, {250, -40}, kScreen, false, {100, 0, 300, 250}},
    {"left handle past the right edge", AreaGrip::Left, {100, 175}, {400, 175}, kScreen, false, {284, 100, 300, 250}},
    {"moved", AreaGrip::Inside, {200, 175}, {250, 200}, kScreen, false, {150, 125, 350, 275}},
    {"moved beyond the screen", AreaGrip::Inside, {200, 175}, {1200, 900}, kScreen, false, {824, 618, 1024, 768}},
    {"drawn to 4 pixels off a window's corner", AreaGrip::None, {200, 200}, {603, 453}, kScreen, true,
     {200, 200, 600, 450}},
    {"drawn to 8 pixels off", AreaGrip::None, {200, 200}, {607, 441}, kScreen, true, {200, 200, 600, 450}},
    {"drawn to 9 pixels off", AreaGrip::None, {200, 200}, {608, 445}, kScreen, true, {200, 200, 609, 450}},
    {"moved near a window: the nearer edge snaps", AreaGrip::Inside, {200, 175}, {295, 175}, kScreen, true,
     {200, 100, 400, 250}},
    {"resized inside a window to its edge", AreaGrip::Right, {299, 175}, {404, 175}, kScreen, true,
     {100, 100, 400, 250}},
};

TEST(AreaGeometry, DragsDrawResizeMoveSnapAndKeepTheSmallestSize) {
  for (const DragRow& row : kDrags) {
    const AreaDrag drag{row.grip, kChosen, row.pressed};
    const std::optional<AreaEdges> snapTo = row.nearWindow ? std::optional<AreaEdges>(kWindow) : std::nullopt;
    EXPECT_EQ(DraggedArea(drag, row.now, row.screen, snapTo), row.expected) << row.what;
  }
}

struct GripRow {
  AreaEdges area;
  AreaPoint at;
  AreaGrip expected;
};

TEST(AreaGeometry, APressTakesTheNearestHandleWithinReachElseTheInside) {
  const GripRow rows[] = {
      {kChosen, {100, 100}, AreaGrip::TopLeft},      {kChosen, {94, 94}, AreaGrip::TopLeft},
      {kChosen, {93, 100}, AreaGrip::None},          {kChosen, {107, 107}, AreaGrip::Inside},
      {kChosen, {299, 174}, AreaGrip::Right},        {kChosen, {199, 255}, AreaGrip::Bottom},
      {{50, 50, 66, 66}, {51, 51}, AreaGrip::TopLeft}, {{50, 50, 66, 66}, {57, 52}, AreaGrip::Top},
      {kChosen, {400, 400}, AreaGrip::None},
  };
  for (const GripRow& row : rows) EXPECT_EQ(GripAt(row.area, row.at.x, row.at.y), row.expected) << row.at.x << "," << row.at.y;
  EXPECT_FALSE(MovedBeyondClick({10, 10}, {13, 7}));
  EXPECT_TRUE(MovedBeyondClick({10, 10}, {10, 14}));
}

TEST(AreaGeometry, AWindowIsFoundTopmostFirstAndRecordedWithinTheScreen) {
  const std::vector<AreaEdges> windows{kWindow, {0, 0, 1024, 768}};
  EXPECT_EQ(WindowAt(windows, {500, 400}, 0), kWindow);
  EXPECT_EQ(WindowAt(windows, {604, 400}, 0), (AreaEdges{0, 0, 1024, 768}));
  EXPECT_EQ(WindowAt(windows, {607, 400}, kSnapDistance), kWindow);
  EXPECT_EQ(WindowAt(windows, {2000, 400}, 0), std::nullopt);
  EXPECT_EQ(RecordableArea({-8, 700, 300, 900}, kScreen), (AreaEdges{0, 700, 300, 768}));
  EXPECT_EQ(RecordableArea({1020, 10, 1030, 20}, kScreen), (AreaEdges{1008, 10, 1024, 26}));
  EXPECT_EQ(RecordableArea({2000, 10, 2100, 20}, kScreen), std::nullopt);
}

}  // namespace
