// Real windows for the painted kinds' tests: a plain top-level parent, units filled in by the
// test, controls made with the kind makers, and pictures of what they paint.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

#include "controls/control.h"
#include "tests/support/files.h"

// The pixels a window painted, as COLORREF values, (0, 0) at the top left.
class Capture {
 public:
  Capture(int width, int height, std::vector<COLORREF> pixels);
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  // How many pixels satisfy `test`.
  int Count(bool (*test)(COLORREF)) const;
  // The smallest rectangle holding every pixel that differs from `background`; empty (all
  // zero) when none does.
  RECT Extent(COLORREF background) const;

 private:
  int width_;
  int height_;
  std::vector<COLORREF> pixels_;
};

// What the control paints into its client area (WM_PRINTCLIENT into a memory bitmap).
Capture CaptureClient(HWND window);
// The whole window, frame included, as the screen shows it.
Capture CaptureWindow(HWND window);
// The picture of a 24-bit BMP file as decoded by the imaging BMP reader; a 0 × 0 capture when
// it cannot be decoded.
Capture DecodeBmpFile(const Bytes& file);

// Pixel (x, y) is within `tolerance` of `expected` in every channel.
testing::AssertionResult ColourNear(const Capture& capture, int x, int y, COLORREF expected, int tolerance = 40);

// A 24-bit BMP file whose pixel (x, y) (y from the top) has colour(x, y).
Bytes BmpFile(int width, int height, COLORREF (*colour)(int x, int y));
// A JPEG file of the same picture, written by the imaging converter at quality 100.
Bytes JpegFile(int width, int height, COLORREF (*colour)(int x, int y));

// One top-level window for the whole suite, visible, with each test's controls made in it (and
// destroyed when the test ends).
class PaintedTest : public testing::Test {
 public:
  static void SetUpTestSuite();
  static void TearDownTestSuite();

 protected:
  // Makes the control of `unit` (a Label or DrawPanel unit) in the parent window and shows it;
  // the fixture keeps the unit as long as the control.
  Control& Make(UnitDefinition unit);
  static HWND parent() { return parent_; }

 private:
  static HWND parent_;
  std::deque<UnitDefinition> units_;
  std::vector<std::unique_ptr<Control>> controls_;
};

// Units filled in as a form would: a control id, a rectangle, visible.
UnitDefinition LabelUnit(int width, int height, const LabelProperties& properties = {});
UnitDefinition PanelUnit(int width, int height, const DrawPanelProperties& properties = {});
