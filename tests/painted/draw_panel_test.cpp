// DrawPanel as a caller meets it: a real panel given pictures as bytes, painted in each picture
// mode, with and without its persistent bitmap, and handed back as a BMP file.
#include <gtest/gtest.h>

#include "controls/control_link.h"
#include "controls/kinds/kind_factory.h"
#include "controls/painted/panel_picture.h"
#include "controls/painted/painted_limits.h"
#include "tests/painted/painted_fixture.h"

namespace {

using namespace draw_panel_property;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kOrange = RGB(240, 140, 20);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

COLORREF Orange(int, int) { return kOrange; }

// The panel's picture in a buffer of its own.
Bytes PictureOf(Control& panel) {
  Bytes file;
  TakePanelPictureFile(panel, file);
  return file;
}
// Red in the top half, blue in the bottom half of a 40 × 30 picture.
COLORREF RedOverBlue(int, int y) { return y < 15 ? kRed : kBlue; }

class DrawPanelTest : public PaintedTest {
 protected:
  Control& Panel(int width, int height, Colour backColour, int pictureMode, const ByteString& picture, int border = 0) {
    DrawPanelProperties properties;
    properties.backColour = backColour;
    properties.pictureMode = pictureMode;
    properties.backPicture = picture;
    properties.border = border;
    return Make(PanelUnit(width, height, properties));
  }
};

TEST_F(DrawPanelTest, AScreenFrameIsCentredAndShrunkOnBlack) {
  // The player's panel: 311 × 184 with its sunken edge leaves a client area of 307 × 180, so a
  // 640 × 480 frame is drawn 240 × 180 from left 33.
  Control& panel = Panel(311, 184, kBlack, 2, JpegFile(640, 480, Orange), 1);
  Capture picture = CaptureClient(panel.hwnd());
  ASSERT_EQ(picture.width(), 307);
  ASSERT_EQ(picture.height(), 180);
  EXPECT_EQ(picture.at(31, 90), kBlack);
  EXPECT_TRUE(ColourNear(picture, 34, 90, kOrange));
  EXPECT_TRUE(ColourNear(picture, 150, 0, kOrange));
  EXPECT_TRUE(ColourNear(picture, 150, 179, kOrange));
  EXPECT_TRUE(ColourNear(picture, 271, 90, kOrange));
  EXPECT_EQ(picture.at(274, 90), kBlack);
}

TEST_F(DrawPanelTest, ASmallPictureIsCentredAtItsOwnSize) {
  Control& panel = Panel(200, 100, kWhite, 2, BmpFile(40, 30, RedOverBlue));
  Capture picture = CaptureClient(panel.hwnd());
  EXPECT_EQ(picture.Extent(kWhite).left, 80);
  EXPECT_EQ(picture.Extent(kWhite).top, 35);
  EXPECT_EQ(picture.Extent(kWhite).right, 120);
  EXPECT_EQ(picture.Extent(kWhite).bottom, 65);
  EXPECT_EQ(picture.at(80, 35), kRed);
  EXPECT_EQ(picture.at(119, 64), kBlue);
}

TEST_F(DrawPanelTest, ModeZeroDrawsAtTheTopLeftCorner) {
  Control& panel = Panel(200, 100, kWhite, 0, BmpFile(40, 30, RedOverBlue));
  Capture picture = CaptureClient(panel.hwnd());
  EXPECT_EQ(picture.at(0, 0), kRed);
  EXPECT_EQ(picture.at(39, 29), kBlue);
  EXPECT_EQ(picture.at(40, 0), kWhite);
  EXPECT_EQ(picture.at(0, 30), kWhite);
}

TEST_F(DrawPanelTest, ModeOneTilesFromTheTopLeftCorner) {
  Control& panel = Panel(100, 70, kWhite, 1, BmpFile(40, 30, RedOverBlue));
  Capture picture = CaptureClient(panel.hwnd());
  for (int left : {0, 40, 80}) {
    for (int top : {0, 30, 60}) {
      EXPECT_EQ(picture.at(left, top), kRed) << left << ", " << top;
      if (top + 29 < 70 && left + 19 < 100) {
        EXPECT_EQ(picture.at(left + 19, top + 29), kBlue) << left << ", " << top;
      }
    }
  }
  EXPECT_EQ(picture.Count([](COLORREF pixel) { return pixel == kWhite; }), 0);
}

TEST_F(DrawPanelTest, ATinyTileCoversALargePanel) {
  Control& panel = Panel(600, 400, kWhite, 1, BmpFile(1, 1, [](int, int) { return kBlue; }));
  Capture picture = CaptureClient(panel.hwnd());
  EXPECT_EQ(picture.Count([](COLORREF pixel) { return pixel != kBlue; }), 0);
}

TEST_F(DrawPanelTest, BytesThatHoldNoPictureLeaveTheBackColour) {
  ByteString headersOnly = JpegFile(64, 48, Orange);
  headersOnly.resize(20);
  const ByteString cases[] = {{},
                              {'h', 'e', 'l', 'l', 'o'},
                              {0xFF, 0xD8, 0, 0},
                              headersOnly,
                              {'B', 'M', 1, 2, 3},
                              {'G', 'I', 'F', '8', '9', 'a', 0, 0}};
  Control& panel = Panel(50, 40, kBlue, 2, {});
  for (const ByteString& bytes : cases) {
    panel.WriteKindProperty(kBackPicture, bytes);
    Capture picture = CaptureClient(panel.hwnd());
    EXPECT_EQ(picture.Count([](COLORREF pixel) { return pixel != kBlue; }), 0) << bytes.size() << " bytes";
  }
}

// A frame that libjpeg decodes with a warning is shown as far as its data goes, as djpeg shows
// it: here the end marker is missing, so the whole picture is there.
TEST_F(DrawPanelTest, AJpegWithoutItsEndMarkerIsShown) {
  ByteString jpeg = JpegFile(40, 30, RedOverBlue);
  ASSERT_EQ(jpeg[jpeg.size() - 2], 0xFF);
  ASSERT_EQ(jpeg[jpeg.size() - 1], 0xD9);
  jpeg.resize(jpeg.size() - 2);
  Control& panel = Panel(40, 30, kWhite, 0, jpeg);
  Capture picture = CaptureClient(panel.hwnd());
  EXPECT_TRUE(ColourNear(picture, 20, 3, kRed));
  EXPECT_TRUE(ColourNear(picture, 20, 26, kBlue));
}

TEST_F(DrawPanelTest, WritingAPictureReplacesTheOneShown) {
  Control& panel = Panel(60, 40, kWhite, 0, BmpFile(40, 30, RedOverBlue));
  EXPECT_EQ(CaptureClient(panel.hwnd()).at(5, 5), kRed);
  panel.WriteKindProperty(kBackPicture, JpegFile(20, 20, Orange));
  Capture picture = CaptureClient(panel.hwnd());
  EXPECT_TRUE(ColourNear(picture, 5, 5, kOrange));
  EXPECT_EQ(picture.at(25, 5), kWhite);
}

TEST_F(DrawPanelTest, AutoRedrawKeepsAPersistentBitmapThatThePanelPictureReturns) {
  Control& panel = Panel(120, 80, kWhite, 2, BmpFile(40, 30, RedOverBlue));
  panel.WriteKindProperty(kAutoRedraw, 1);
  Bytes before = PictureOf(panel);
  RedrawWindow(panel.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(PictureOf(panel), before);
  Capture file = DecodeBmpFile(before);
  ASSERT_EQ(file.width(), 120);
  ASSERT_EQ(file.height(), 80);
  EXPECT_EQ(file.at(39, 25), kWhite);
  EXPECT_EQ(file.at(40, 25), kRed);
  EXPECT_EQ(file.at(79, 54), kBlue);
  EXPECT_EQ(file.at(80, 54), kWhite);
  Capture painted = CaptureClient(panel.hwnd());
  for (int y = 0; y < 80; y += 7) {
    for (int x = 0; x < 120; x += 7) EXPECT_EQ(painted.at(x, y), file.at(x, y)) << x << ", " << y;
  }
}

TEST_F(DrawPanelTest, AHiddenCanvasFollowsItsSizeColourAndPicture) {
  // The save dialog's canvas: never shown, resized, given a frame, read back as a file.
  DrawPanelProperties properties;
  properties.backColour = kWhite;
  properties.pictureMode = 2;
  properties.autoRedraw = 1;
  UnitDefinition unit = PanelUnit(24, 24, properties);
  unit.flags = 0;
  std::unique_ptr<Control> canvas = MakeDrawPanel(1, unit);
  ASSERT_TRUE(canvas->Create(parent()));
  SetWindowPos(canvas->hwnd(), nullptr, 0, 0, 82, 61, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  canvas->WriteKindProperty(kBackPicture, JpegFile(103, 77, Orange));
  Capture file = DecodeBmpFile(PictureOf(*canvas));
  ASSERT_EQ(file.width(), 82);
  ASSERT_EQ(file.height(), 61);
  // 103 × 77 shrunk by 61 / 77: 81 × 61 from left 0, the last column left white.
  EXPECT_TRUE(ColourNear(file, 40, 30, kOrange));
  EXPECT_TRUE(ColourNear(file, 79, 60, kOrange));
  EXPECT_EQ(file.at(81, 30), kWhite);
  canvas->WriteKindProperty(kBackColour, static_cast<int32_t>(kBlue));
  canvas->WriteKindProperty(kBackPicture, ByteString{});
  Capture blue = DecodeBmpFile(PictureOf(*canvas));
  EXPECT_EQ(blue.at(40, 30), kBlue);
  SetWindowPos(canvas->hwnd(), nullptr, 0, 0, 50, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Capture smaller = DecodeBmpFile(PictureOf(*canvas));
  EXPECT_EQ(smaller.width(), 50);
  EXPECT_EQ(smaller.height(), 40);
  EXPECT_EQ(smaller.at(49, 39), kBlue);
}

TEST_F(DrawPanelTest, ACanvasHandedFrameAfterFrameHoldsOnlyTheLatest) {
  // The save's canvas keeps its bitmap and its picture buffer from one frame to the next:
  // nothing of a larger frame before may show around or behind a smaller one.
  Control& canvas = Panel(80, 60, kWhite, 2, BmpFile(160, 120, Orange));
  canvas.WriteKindProperty(kAutoRedraw, 1);
  ASSERT_TRUE(ColourNear(DecodeBmpFile(PictureOf(canvas)), 2, 2, kOrange));
  const Bytes smaller = BmpFile(40, 30, RedOverBlue);
  canvas.WriteKindProperty(kBackPicture, smaller);
  EXPECT_EQ(std::get<ByteString>(canvas.ReadKindProperty(kBackPicture)), smaller);
  Capture file = DecodeBmpFile(PictureOf(canvas));
  EXPECT_EQ(file.at(2, 2), kWhite);
  EXPECT_EQ(file.at(20, 15), kRed);
  EXPECT_EQ(file.at(59, 44), kBlue);
  EXPECT_EQ(file.at(77, 57), kWhite);
}

COLORREF Stripes(int x, int y) { return (x / 3 + y / 5) % 2 ? RGB(10 * x % 256, 40, 200) : RGB(250, 7 * y % 256, 30); }
COLORREF Checks(int x, int y) { return (x / 4 + y / 4) % 2 ? kRed : RGB(20, 180, 90); }

// The panel writes each frame over the bitmap of the one before when the size is the same:
// what it shows must be what a panel given only that frame shows.
TEST_F(DrawPanelTest, ACanvasHandedFrameAfterFramePaintsEachAsAFreshCanvasWould) {
  const Bytes frames[] = {JpegFile(161, 119, Stripes), JpegFile(161, 119, Checks), BmpFile(161, 119, Stripes),
                          BmpFile(40, 30, Checks), BmpFile(161, 119, Checks)};
  Control& canvas = Panel(80, 60, kWhite, 2, {});
  canvas.WriteKindProperty(kAutoRedraw, 1);
  Bytes picture;
  for (const Bytes& frame : frames) {
    canvas.WriteKindProperty(kBackPicture, frame);
    // The same buffer is handed back for every frame, as the save does.
    ASSERT_TRUE(TakePanelPictureFile(canvas, picture));
    Control& fresh = Panel(80, 60, kWhite, 2, frame);
    fresh.WriteKindProperty(kAutoRedraw, 1);
    EXPECT_EQ(picture, PictureOf(fresh)) << frame.size() << " bytes";
  }
}

TEST_F(DrawPanelTest, WithoutAutoRedrawThePanelPictureIsWhatTheScreenShows) {
  Control& panel = Panel(100, 60, kBlack, 0, BmpFile(40, 30, RedOverBlue), 1);
  RedrawWindow(parent(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Capture file = DecodeBmpFile(PictureOf(panel));
  ASSERT_EQ(file.width(), 96);  // the client area inside the sunken edge
  ASSERT_EQ(file.height(), 56);
  EXPECT_EQ(file.at(5, 5), kRed);
  EXPECT_EQ(file.at(5, 25), kBlue);
  EXPECT_EQ(file.at(60, 40), kBlack);
}

TEST_F(DrawPanelTest, APanelPictureIsOnlyTakenOfAPanel) {
  LabelProperties properties;
  Control& label = Make(LabelUnit(20, 20, properties));
  EXPECT_TRUE(PictureOf(label).empty());
}

TEST_F(DrawPanelTest, WritesAreStoredBroughtIntoTheirFormAndReadBack) {
  Control& panel = Panel(60, 40, kWhite, 0, {});
  struct Case {
    int index;
    PropertyValue written;
    PropertyValue read;
  };
  const Case cases[] = {
      {kBorder, 6, 5},
      {kBorder, -1, 0},
      {kPictureMode, 3, 2},
      {kAutoRedraw, 7, 1},
      {kAutoRedraw, 0, 0},
      {kCoordinateUnit, 9, 5},
      {kPenType, 1, 1},
      {kRasterOperation, 12, 12},
      {kPenWidth, 3, 3},
      {kPenColour, 0x123, 0x123},
      {kBrushType, 1, 1},
      {kBrushColour, 0xFFFFFF, 0xFFFFFF},
      {kTextColour, 0xFF, 0xFF},
      {kTextBackColour, 0xFF00, 0xFF00},
      {kFont, ByteString(60, 1), ByteString(60, 1)},
      {23, 5, 0},
      {24, 5, 0},
      {kBackColour, 0x00FF00, 0x00FF00},
  };
  for (const Case& c : cases) {
    panel.WriteKindProperty(c.index, c.written);
    EXPECT_EQ(panel.ReadKindProperty(c.index), c.read) << "index " << c.index;
  }
}

// A control inside the panel that notes the notifications reflected to it.
class NotedControl : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent) override {
    hwnd_ = CreateWindowExW(0, L"BUTTON", L"x", WS_CHILD | WS_VISIBLE, 2, 2, 30, 20, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    LinkControl(hwnd_, this);
    return hwnd_ != nullptr;
  }
  void WriteKindProperty(int, const PropertyValue&) override {}
  PropertyValue ReadKindProperty(int) const override { return 0; }
  bool OnReflectedMessage(UINT message, WPARAM, LPARAM, LRESULT* result) override {
    noted = message;
    *result = 42;
    return true;
  }
  UINT noted = 0;
};

TEST_F(DrawPanelTest, HandsItsChildrensNotificationsBackToThem) {
  Control& panel = Panel(100, 60, kWhite, 0, {});
  UnitDefinition unit = PanelUnit(30, 20);
  NotedControl child(1, unit);
  ASSERT_TRUE(child.Create(panel.hwnd()));
  LRESULT result =
      SendMessageW(panel.hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(child.hwnd()));
  EXPECT_EQ(child.noted, static_cast<UINT>(WM_COMMAND));
  EXPECT_EQ(result, 42);
  DestroyWindow(child.hwnd());
}

TEST_F(DrawPanelTest, APanelIsMadeOnlyForPanelUnits) {
  UnitDefinition label = LabelUnit(10, 10);
  EXPECT_FALSE(MakeDrawPanel(1, label));
}

}  // namespace
