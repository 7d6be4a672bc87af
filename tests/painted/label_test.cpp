// Label as a caller meets it: made in a real window, written and read by index, and painted.
#include <gtest/gtest.h>

#include <cstring>

#include "controls/kinds/kind_factory.h"
#include "controls/painted/property_indexes.h"
#include "tests/painted/painted_fixture.h"

namespace {

using namespace label_property;

constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

bool IsReddish(COLORREF pixel) { return GetRValue(pixel) > 150 && GetGValue(pixel) < 110 && GetBValue(pixel) < 110; }

class LabelTest : public PaintedTest {
 protected:
  // A label of `width` × `height` showing `caption` in red on cyan.
  Control& RedOnCyan(int width, int height, const std::string& caption) {
    LabelProperties properties;
    properties.caption = caption;
    properties.textColour = kRed;
    properties.backColour = kCyan;
    return Make(LabelUnit(width, height, properties));
  }
};

TEST_F(LabelTest, FillsItsBackColourAndDrawsItsTextInTheTextColour) {
  Control& label = RedOnCyan(160, 24, "录制：1.5秒");
  Capture picture = CaptureClient(label.hwnd());
  EXPECT_EQ(picture.at(0, 0), kCyan);
  EXPECT_EQ(picture.at(159, 23), kCyan);
  EXPECT_GT(picture.Count(IsReddish), 20);
  // Transparent text: nothing but cyan and red shades.
  EXPECT_EQ(picture.Count([](COLORREF pixel) { return GetBValue(pixel) != GetGValue(pixel); }), 0);
}

TEST_F(LabelTest, ButtonFaceIsTheDefaultBackColour) {
  Control& label = Make(LabelUnit(60, 16));
  EXPECT_EQ(CaptureClient(label.hwnd()).at(3, 3), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(std::get<int32_t>(label.ReadKindProperty(kBackColour)), static_cast<int32_t>(kButtonFaceColour));
}

TEST_F(LabelTest, AlignmentPutsTheTextAtItsSideOrCentre) {
  struct Case {
    int index;
    int value;
    bool (*placed)(const RECT& text);  // where the text must be in the 200 × 60 label
  };
  const Case cases[] = {
      {kHorizontalAlignment, 0, [](const RECT& text) { return text.left < 10; }},
      {kHorizontalAlignment, 2, [](const RECT& text) { return text.right > 190; }},
      {kHorizontalAlignment, 1, [](const RECT& text) { return std::abs((text.left + text.right) / 2 - 100) < 6; }},
      {kVerticalAlignment, 0, [](const RECT& text) { return text.top < 6; }},
      {kVerticalAlignment, 2, [](const RECT& text) { return text.bottom > 54; }},
      {kVerticalAlignment, 1, [](const RECT& text) { return std::abs((text.top + text.bottom) / 2 - 30) < 5; }},
  };
  Control& label = RedOnCyan(200, 60, "AB");
  for (const Case& c : cases) {
    label.WriteKindProperty(c.index, c.value);
    RECT text = CaptureClient(label.hwnd()).Extent(kCyan);
    EXPECT_TRUE(c.placed(text)) << "index " << c.index << " value " << c.value << ": text at " << text.left << ", "
                                << text.top << " .. " << text.right << ", " << text.bottom;
  }
}

TEST_F(LabelTest, WordWrapBreaksALongCaptionIntoLines) {
  Control& label = RedOnCyan(60, 120, "one two three four five six");
  label.WriteKindProperty(kVerticalAlignment, 0);
  RECT oneLine = CaptureClient(label.hwnd()).Extent(kCyan);
  label.WriteKindProperty(kWordWrap, 1);
  RECT wrapped = CaptureClient(label.hwnd()).Extent(kCyan);
  EXPECT_GT(wrapped.bottom - wrapped.top, 3 * (oneLine.bottom - oneLine.top));
}

TEST_F(LabelTest, AStoredFontChangesTheLettering) {
  Control& label = RedOnCyan(200, 60, "AB");
  RECT normal = CaptureClient(label.hwnd()).Extent(kCyan);
  Bytes font(60, 0);
  int32_t height = -40;
  std::memcpy(font.data(), &height, 4);
  std::memcpy(font.data() + 28, "Arial", 5);
  label.WriteKindProperty(kFont, font);
  RECT large = CaptureClient(label.hwnd()).Extent(kCyan);
  EXPECT_GT(large.bottom - large.top, 2 * (normal.bottom - normal.top));
  EXPECT_EQ(std::get<ByteString>(label.ReadKindProperty(kFont)), font);
}

TEST_F(LabelTest, SunkenAndThinSunkenBordersTakeTheirEdgeFromTheClientArea) {
  const std::pair<int, int> cases[] = {{0, 0}, {1, 2}, {3, 1}, {5, 1}, {2, 3}};  // border, edge width
  Control& label = RedOnCyan(80, 24, "");
  for (auto [border, edge] : cases) {
    label.WriteKindProperty(kBorder, border);
    RECT client;
    GetClientRect(label.hwnd(), &client);
    EXPECT_EQ(client.right, 80 - 2 * edge) << "border " << border;
    EXPECT_EQ(client.bottom, 24 - 2 * edge) << "border " << border;
    RECT outer;
    GetWindowRect(label.hwnd(), &outer);
    EXPECT_EQ(outer.right - outer.left, 80) << "the outer size stays";
  }
}

TEST_F(LabelTest, BorderEdgesAreDrawnAroundTheBackColour) {
  LabelProperties properties;
  properties.backColour = kCyan;
  properties.border = 1;
  Control& sunken = Make(LabelUnit(80, 24, properties));
  Capture edge = CaptureWindow(sunken.hwnd());
  EXPECT_EQ(edge.at(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(edge.at(79, 23), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(edge.at(40, 12), kCyan);
  properties.border = 3;
  UnitDefinition beside = LabelUnit(80, 24, properties);
  beside.left = 120;
  Control& thin = Make(beside);
  Capture thinEdge = CaptureWindow(thin.hwnd());
  EXPECT_EQ(thinEdge.at(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(thinEdge.at(1, 1), kCyan);
}

TEST_F(LabelTest, PaintedFrameShowsItsThreeColoursInside) {
  LabelProperties properties;
  properties.backColour = kCyan;
  properties.border = 6;
  properties.frameColours[0] = RGB(255, 0, 0);
  properties.frameColours[1] = RGB(0, 255, 0);
  properties.frameColours[2] = RGB(0, 0, 255);
  Control& label = Make(LabelUnit(60, 30, properties));
  Capture picture = CaptureClient(label.hwnd());
  EXPECT_EQ(picture.at(0, 15), RGB(255, 0, 0));
  EXPECT_EQ(picture.at(2, 15), RGB(0, 255, 0));
  EXPECT_EQ(picture.at(4, 15), RGB(0, 0, 255));
  EXPECT_EQ(picture.at(5, 15), kCyan);
  label.WriteKindProperty(kFrameWidth, 9);
  EXPECT_EQ(CaptureClient(label.hwnd()).at(8, 15), RGB(0, 0, 255));
}

TEST_F(LabelTest, WritesAreStoredBroughtIntoTheirFormAndReadBack) {
  Control& label = Make(LabelUnit(60, 16));
  struct Case {
    int index;
    PropertyValue written;
    PropertyValue read;
  };
  const Case cases[] = {
      {kCaption, std::string("规格:80%"), std::string("规格:80%")},
      {kEffect, 7, 3},
      {kBorder, 9, 6},
      {kBorder, -2, 0},
      {kFrameWidth, 3, 5},
      {kFrameWidth, 12, 12},
      {13, 0x00123456, 0x00123456},
      {kTextColour, 0x000000FF, 0x000000FF},
      {kPictureMode, 5, 2},
      {kGradientMode, 20, 8},
      {22, 0x00ABCDEF, 0x00ABCDEF},
      {kHorizontalAlignment, 3, 2},
      {kWordWrap, 5, 1},
      {kVerticalAlignment, -1, 0},
      {kDataSource, std::string("source"), std::string("source")},
      {kDataColumn, std::string("column"), std::string("column")},
      {kBackPicture, ByteString{1, 2, 3}, ByteString{1, 2, 3}},
      {kCaption, 5, std::string("5")},  // a number written as a text gives its digits
      {kFont, std::string("x"), ByteString()},  // a font is 60 bytes or nothing
  };
  for (const Case& c : cases) {
    label.WriteKindProperty(c.index, c.written);
    EXPECT_EQ(label.ReadKindProperty(c.index), c.read) << "index " << c.index;
  }
  EXPECT_EQ(std::get<LabelProperties>(label.definition().properties).frameWidth, 12);
}

COLORREF BlueSquare(int, int) { return RGB(0, 0, 255); }

TEST_F(LabelTest, ABackPictureLiesBetweenTheBackColourAndTheText) {
  Control& label = RedOnCyan(100, 24, "");
  label.WriteKindProperty(kBackPicture, BmpFile(10, 10, BlueSquare));
  Capture picture = CaptureClient(label.hwnd());
  EXPECT_EQ(picture.at(0, 0), RGB(0, 0, 255));
  EXPECT_EQ(picture.at(10, 0), kCyan);
  label.WriteKindProperty(kPictureMode, 2);
  EXPECT_EQ(CaptureClient(label.hwnd()).Extent(kCyan).left, 45);
}

TEST_F(LabelTest, TheCaptionIsAlsoTheWindowText) {
  Control& label = RedOnCyan(100, 24, "时长:0/0秒");
  label.WriteKindProperty(kCaption, std::string("时长:1/2秒"));
  wchar_t text[32] = {};
  GetWindowTextW(label.hwnd(), text, 32);
  EXPECT_STREQ(text, L"时长:1/2秒");
}

TEST_F(LabelTest, EveryWriteAsksForARepaint) {
  Control& label = RedOnCyan(60, 16, "x");
  UpdateWindow(parent());
  for (int index : {kCaption, kTextColour, kBackColour, kHorizontalAlignment, kEffect}) {
    ValidateRect(label.hwnd(), nullptr);
    label.WriteKindProperty(index, index == kCaption ? PropertyValue(std::string("y")) : PropertyValue(1));
    EXPECT_TRUE(GetUpdateRect(label.hwnd(), nullptr, FALSE)) << "index " << index;
  }
}

TEST_F(LabelTest, ALabelIsMadeOnlyForLabelUnits) {
  UnitDefinition panel = PanelUnit(10, 10);
  EXPECT_FALSE(MakeLabel(1, panel));
}

}  // namespace
