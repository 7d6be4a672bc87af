// The area picker as a user meets it, with real mouse and keyboard input over the overlay: a
// region dragged, resized by a handle, moved, snapped to a window's edge, taken from a window by
// a click, accepted by Enter or a double click; a window picked by a click; Esc and a right click
// cancel. The overlay is gone, and the screen shows what it covered, when the choice returns.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "app/recorder/area_picker.h"
#include "tests/recorder/colour_patch.h"
#include "tests/recorder/user_alongside.h"
#include "tools/drive/keyboard.h"
#include "tools/drive/mouse.h"

namespace {

// A window of the test's own for picking and snapping: 200 × 150 at (400, 300).
constexpr RECT kPatchPlace{400, 300, 600, 450};
constexpr POINT kInPatch{500, 375};
constexpr COLORREF kPatchColour = RGB(30, 160, 90);
constexpr ScreenArea kPatchArea{400, 300, 200, 150};
constexpr ScreenArea kOffered{100, 100, 200, 150};
constexpr ScreenArea kUntouched{1, 2, 3, 4};

void Drag(POINT from, POINT to) {
  MoveMouseTo(from);
  PressLeftButton();
  MoveMouseTo({(from.x + to.x) / 2, (from.y + to.y) / 2});
  MoveMouseTo(to);
  ReleaseLeftButton();
}

void DoubleClick(POINT at) {
  MoveMouseTo(at);
  for (int click = 0; click < 2; ++click) {
    PressLeftButton();
    ReleaseLeftButton();
  }
}

struct PickRow {
  const char* what;
  PickMode mode;
  ScreenArea offered;
  std::function<void()> steps;
  bool accepted;
  ScreenArea chosen;
};

const PickRow kPicks[] = {
    {"a region dragged, then Enter", PickMode::Region, {},
     [] {
       Drag({100, 100}, {299, 249});
       PressKey(VK_RETURN);
     },
     true, kOffered},
    {"the offered region's bottom-right handle dragged", PickMode::Region, kOffered,
     [] {
       Drag({299, 249}, {349, 279});
       PressKey(VK_RETURN);
     },
     true, {100, 100, 250, 180}},
    {"the offered region moved, then a double click inside", PickMode::Region, kOffered,
     [] {
       Drag({200, 175}, {250, 200});
       DoubleClick({250, 200});
     },
     true, {150, 125, 200, 150}},
    {"a drag ending 4 pixels off the window's corner snaps to it", PickMode::Region, {},
     [] {
       Drag({200, 200}, {603, 453});
       PressKey(VK_RETURN);
     },
     true, {200, 200, 400, 250}},
    {"a click on the window takes its rectangle", PickMode::Region, kOffered,
     [] {
       ClickAt(kInPatch);
       PressKey(VK_RETURN);
     },
     true, kPatchArea},
    {"Esc after a drag cancels", PickMode::Region, kOffered,
     [] {
       Drag({150, 150}, {500, 500});
       PressKey(VK_ESCAPE);
     },
     false, kUntouched},
    {"a right click cancels", PickMode::Region, kOffered, [] { ClickAt({150, 150}, MouseButton::kRight); }, false,
     kUntouched},
    {"a window picked by a click", PickMode::Window, {}, [] { ClickAt(kInPatch); }, true, kPatchArea},
    {"Esc cancels picking a window", PickMode::Window, {},
     [] {
       MoveMouseTo(kInPatch);
       PressKey(VK_ESCAPE);
     },
     false, kUntouched},
};

TEST(AreaPicker, TheUserDragsClicksAndPressesKeysOverTheOverlay) {
  const ColourPatch patch(kPatchPlace, kPatchColour);
  for (const PickRow& row : kPicks) {
    SCOPED_TRACE(row.what);
    ScreenArea chosen = kUntouched;
    bool accepted = false;
    const UserSide user = RunWhileUserActs(kAreaPickerClass, row.steps, [&] {
      accepted = PickScreenArea(row.mode, row.offered, chosen);
      EXPECT_EQ(FindWindowW(kAreaPickerClass, nullptr), nullptr) << "the overlay is gone";
      EXPECT_EQ(ScreenColourAt(kInPatch), kPatchColour) << "the screen shows what the overlay covered";
    });
    EXPECT_TRUE(user.sawWindow);
    EXPECT_FALSE(user.leftOpen);
    EXPECT_EQ(accepted, row.accepted);
    EXPECT_EQ(chosen, row.chosen) << chosen.left << "," << chosen.top << " " << chosen.width << "×" << chosen.height;
  }
}

}  // namespace
