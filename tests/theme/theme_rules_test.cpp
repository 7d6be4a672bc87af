// The theme's rules as numbers: which windows it takes over, which colours each state takes,
// and where the rounded corners, captions and arrows go.
#include <gtest/gtest.h>

#include "components/theme/control_kind.h"
#include "components/theme/control_look.h"
#include "components/theme/theme_colours.h"
#include "components/theme/theme_geometry.h"

namespace {

struct KindRow {
  const char* className;
  uint32_t style;
  bool captionEmpty;
  const char* parentClassName;
  ControlKind expected;
};

TEST(ControlKinds, FollowClassAndStyle) {
  const KindRow rows[] = {
      {"Button", 0x50010000, false, "", ControlKind::kPushButton},
      {"BUTTON", 0x50010001, false, "", ControlKind::kPushButton},
      {"button", 0x50010003, false, "", ControlKind::kCheckBox},
      {"Button", 0x50011003, false, "", ControlKind::kPushButton},   // push-like check box
      {"Button", 0x50010006, false, "", ControlKind::kCheckBox},     // auto three-state
      {"Button", 0x50010009, false, "", ControlKind::kRadioButton},
      {"Button", 0x50011004, false, "", ControlKind::kPushButton},   // push-like radio button
      {"Button", 0x50000007, false, "", ControlKind::kGroupBox},
      {"Button", 0x50010080, false, "", ControlKind::kNone},         // bitmap style
      {"Button", 0x5001000B, false, "", ControlKind::kNone},         // owner-drawn
      {"Button", 0x50010008, false, "", ControlKind::kNone},         // user button
      {"Button", 0x40010000, true, "", ControlKind::kNone},
      {"Button", 0x40010000, false, "", ControlKind::kPushButton},  // has a caption
      {"Button", 0x50010000, true, "", ControlKind::kPushButton},   // visible: not exactly the bare style
      {"Edit", 0x50810080, false, "#32770", ControlKind::kEditBox},
      {"EDIT", 0x50000000, false, "sysipaddress32", ControlKind::kNone},
      {"ComboBox", 0x50210003, false, "", ControlKind::kComboBox},
      {"ComboBox", 0x50210002, false, "", ControlKind::kComboBox},
      {"ComboBox", 0x50210001, false, "", ControlKind::kNone},  // simple
      {"ComboLBox", 0x44800000, true, "", ControlKind::kComboList},
      {"msctls_updown32", 0x50000000, true, "", ControlKind::kUpDown},
      {"msctls_progress32", 0x50000000, true, "", ControlKind::kNone},
      {"msctls_trackbar32", 0x50000000, true, "", ControlKind::kNone},
      {"ScrollBar", 0x50000000, true, "", ControlKind::kNone},
      {"ListBox", 0x50000000, true, "", ControlKind::kNone},
      {"Static", 0x50000000, false, "", ControlKind::kNone},
      {"Buttons", 0x50010000, false, "", ControlKind::kNone},
  };
  for (const KindRow& row : rows)
    EXPECT_EQ(KindOfWindow({row.className, row.style, row.captionEmpty, row.parentClassName}), row.expected)
        << row.className << " style " << std::hex << row.style;
}

TEST(SchemeColours, FramesPerScheme) {
  EXPECT_EQ(EditFrameColour(1), (Rgb{123, 158, 189}));
  EXPECT_EQ(EditFrameColour(2), (Rgb{164, 185, 127}));
  EXPECT_EQ(EditFrameColour(3), (Rgb{198, 197, 215}));
  EXPECT_EQ(ButtonFrameColour(1), (Rgb{0, 60, 115}));
  EXPECT_EQ(ButtonFrameColour(2), (Rgb{55, 98, 6}));
  EXPECT_EQ(ButtonFrameColour(3), (Rgb{0, 60, 116}));
  EXPECT_EQ(ArrowColour(1, false), (Rgb{123, 158, 189}));
  EXPECT_EQ(ArrowColour(2, false), kWhite);
  EXPECT_EQ(ArrowColour(3, false), kBlack);
  EXPECT_EQ(ArrowColour(3, true), (Rgb{206, 203, 198}));
  EXPECT_EQ(Darker({40, 20, 33}, 32), (Rgb{8, 0, 1})) << "stops at 0";
}

TEST(SchemeColours, SilverShadesAsTheProgramShowsThem) {
  EXPECT_EQ(ButtonShade(3, 6), VerticalShade({252, 252, 251}, {198, 197, 215}));
  EXPECT_EQ(ButtonShade(3, 5), VerticalShade({179, 178, 197}, {252, 252, 251}));
  EXPECT_EQ(ButtonShade(2, 3), ButtonShade(2, 1)) << "olive green: the default ring is the hot one";
  EXPECT_EQ(ArrowShade(3, 6), (Shade{{180, 183, 190}, kWhite, {190, 183, 190}, kWhite}));
  EXPECT_EQ(ArrowShade(3, 8), (Shade{{247, 247, 247}, {239, 239, 231}, {239, 235, 231}, {231, 231, 222}}));
}

struct LookRow {
  const char* name;
  ControlState state;
  int ring;
  int face;
};

TEST(PushButtonLook, StateChoosesRingAndFace) {
  const LookRow rows[] = {
      {"resting", {}, 4, 6},
      {"default", {.isDefault = true}, 3, 6},
      {"focused", {.focused = true}, 3, 6},
      {"checked", {.focused = true, .checked = true}, 2, 5},
      {"indeterminate", {.indeterminate = true}, 2, 6},
      {"hot", {.checked = true, .hot = true}, 1, 5},
      {"pressed", {.pressed = true, .hot = true, .isDefault = true}, 0, 5},
      {"disabled", {.disabled = true, .focused = true}, kNoShade, kNoShade},
      {"disabled pressed", {.disabled = true, .pressed = true}, kNoShade, 5},
      {"disabled checked", {.disabled = true, .checked = true}, kNoShade, 5},
  };
  for (const LookRow& row : rows) {
    const ButtonLook look = PushButtonLook(3, row.state, {236, 233, 216});
    EXPECT_EQ(look.ringEntry, row.ring) << row.name;
    EXPECT_EQ(look.faceEntry, row.face) << row.name;
  }
}

TEST(PushButtonLook, AnIndeterminateButtonHasAGreyCaption) {
  EXPECT_EQ(PushButtonLook(1, {.indeterminate = true}, {236, 233, 216}).caption, (Rgb{165, 162, 148}));
  EXPECT_EQ(PushButtonLook(1, {.checked = true}, {236, 233, 216}).caption, kBlack);
}

TEST(ArrowState, DisabledBeforePressedBeforeHot) {
  EXPECT_EQ(ArrowState({.disabled = true, .pressed = true, .hot = true}), 0);
  EXPECT_EQ(ArrowState({.pressed = true, .hot = true}), 1);
  EXPECT_EQ(ArrowState({.hot = true}), 2);
  EXPECT_EQ(ArrowState({.focused = true}), 3);
}

TEST(ButtonGeometry, CornerPixelsOfA75By23Button) {
  const ButtonCornerPixels corners = PushButtonCorners({0, 0, 75, 23});
  EXPECT_EQ(corners.frameCorners, (std::array<Pixel, 4>{{{1, 1}, {73, 1}, {1, 21}, {73, 21}}}));
  EXPECT_EQ(corners.innerCorners, (std::array<Pixel, 4>{{{2, 2}, {72, 2}, {2, 20}, {72, 20}}}));
  EXPECT_EQ(corners.frameFlanks, (std::array<Pixel, 8>{{{2, 1}, {1, 2}, {72, 1}, {73, 2}, {2, 21}, {1, 20}, {72, 21}, {73, 20}}}));
}

TEST(GroupGeometry, RoundedCornersAndCaption) {
  const GroupCornerPixels corners = GroupBoxCorners({0, 6, 150, 100});
  ASSERT_EQ(corners.background.size(), 20u);
  ASSERT_EQ(corners.frame.size(), 8u);
  const std::vector<Pixel> topLeftAway = {{0, 6}, {1, 6}, {2, 6}, {0, 7}, {0, 8}};
  EXPECT_EQ(std::vector<Pixel>(corners.background.begin(), corners.background.begin() + 5), topLeftAway);
  EXPECT_EQ(corners.frame[1], (Pixel{1, 8}));
  EXPECT_EQ(corners.background[19], (Pixel{149, 97})) << "bottom-right, two up from the corner";
  EXPECT_EQ(corners.frame[7], (Pixel{148, 97}));

  EXPECT_EQ(GroupCaptionLeft(150, 40, Alignment::kStart), 10);
  EXPECT_EQ(GroupCaptionLeft(150, 40, Alignment::kEnd), 100);
  EXPECT_EQ(GroupCaptionLeft(150, 40, Alignment::kCentre), 55);
  EXPECT_EQ(GroupFrame({0, 0, 150, 100}, 13), (Box{0, 6, 150, 100}));
}

TEST(CaptionAlignment, FromButtonStyle) {
  EXPECT_EQ(CaptionHorizontal(0x50010000, Alignment::kCentre), Alignment::kCentre) << "none named";
  EXPECT_EQ(CaptionHorizontal(0x50010100, Alignment::kCentre), Alignment::kStart);
  EXPECT_EQ(CaptionHorizontal(0x50010200, Alignment::kCentre), Alignment::kEnd);
  EXPECT_EQ(CaptionHorizontal(0x50010303, Alignment::kStart), Alignment::kCentre);
  EXPECT_EQ(CaptionVertical(0x50010400), Alignment::kStart);
  EXPECT_EQ(CaptionVertical(0x50010800), Alignment::kEnd);
  EXPECT_EQ(CaptionVertical(0x50010000), Alignment::kCentre);
}

TEST(ComboGeometry, DropButtonAndArrow) {
  const Box drop = ComboDropButton({0, 0, 120, 21}, 17);
  EXPECT_EQ(drop, (Box{101, 2, 118, 19}));
  EXPECT_EQ(ArrowButtonBox(drop), (Box{102, 2, 118, 19}));

  // B inset by 1 is {103, 3, 117, 18}: its centre is (110, 10).
  const auto down = ArrowStrokes({102, 2, 118, 19}, ArrowDirection::kDown);
  EXPECT_EQ(down[0], (ArrowStroke{{{106, 8}, {110, 12}, {115, 7}}}));
  EXPECT_EQ(down[1], (ArrowStroke{{{107, 8}, {110, 11}, {114, 7}}}));
  EXPECT_EQ(down[2], (ArrowStroke{{{107, 7}, {110, 10}, {114, 6}}}));
  const auto up = ArrowStrokes({102, 2, 118, 19}, ArrowDirection::kUp);
  EXPECT_EQ(up[0], (ArrowStroke{{{106, 12}, {110, 8}, {115, 13}}}));
  const auto right = ArrowStrokes({102, 2, 118, 19}, ArrowDirection::kRight);
  EXPECT_EQ(right[0], (ArrowStroke{{{108, 6}, {112, 10}, {107, 15}}}));
}

}  // namespace
