#include "tests/painted/painted_fixture.h"

#include <cstdlib>

#include "components/imaging/decoders.h"
#include "components/imaging/imaging.h"
#include "controls/kinds/kind_factory.h"
#include "components/imaging/bmp_file.h"
#include "tests/support/temp_folder.h"

namespace {

const wchar_t kParentClass[] = L"PaintedTestParent";

void RegisterParentClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kParentClass;
  RegisterClassExW(&windowClass);
}

// Paints `window` into a 32-bit top-down bitmap of `size` by `print`.
template <typename Print>
Capture CaptureBy(SIZE size, Print print) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ former = SelectObject(dc, bitmap);
  print(dc);
  GdiFlush();
  std::vector<COLORREF> pixels(static_cast<size_t>(size.cx) * size.cy);
  const auto* source = static_cast<const uint8_t*>(bits);
  for (size_t index = 0; index < pixels.size(); ++index, source += 4)
    pixels[index] = RGB(source[2], source[1], source[0]);
  SelectObject(dc, former);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return Capture(size.cx, size.cy, std::move(pixels));
}

UnitDefinition ControlUnit(int width, int height, KindProperties properties) {
  static UnitId serial = 0;
  UnitDefinition unit;
  unit.id = kControlUnitClass | ++serial;
  unit.left = 10;
  unit.top = 10;
  unit.width = width;
  unit.height = height;
  unit.flags = kFlagVisible;
  unit.properties = std::move(properties);
  return unit;
}

}  // namespace

Capture::Capture(int width, int height, std::vector<COLORREF> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)) {}

int Capture::Count(bool (*test)(COLORREF)) const {
  int count = 0;
  for (COLORREF pixel : pixels_) count += test(pixel) ? 1 : 0;
  return count;
}

RECT Capture::Extent(COLORREF background) const {
  RECT extent{width_, height_, 0, 0};
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (at(x, y) == background) continue;
      extent = {std::min<LONG>(extent.left, x), std::min<LONG>(extent.top, y), std::max<LONG>(extent.right, x + 1),
                std::max<LONG>(extent.bottom, y + 1)};
    }
  }
  return extent.right == 0 ? RECT{} : extent;
}

Capture CaptureClient(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return CaptureBy(SIZE{client.right, client.bottom}, [window](HDC dc) {
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
}

Capture CaptureWindow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT outer;
  GetWindowRect(window, &outer);
  SIZE size{outer.right - outer.left, outer.bottom - outer.top};
  return CaptureBy(size, [window, size](HDC dc) {
    HDC windowDc = GetWindowDC(window);
    BitBlt(dc, 0, 0, size.cx, size.cy, windowDc, 0, 0, SRCCOPY);
    ReleaseDC(window, windowDc);
  });
}

Capture DecodeBmpFile(const Bytes& file) {
  PixelBuffer pixels;
  if (!DecodeBmp(file, pixels)) return Capture(0, 0, {});
  std::vector<COLORREF> colours;
  for (int y = 0; y < pixels.height(); ++y) {
    const uint8_t* row = pixels.row(y);
    for (int x = 0; x < pixels.width(); ++x) colours.push_back(RGB(row[3 * x], row[3 * x + 1], row[3 * x + 2]));
  }
  return Capture(pixels.width(), pixels.height(), std::move(colours));
}

testing::AssertionResult ColourNear(const Capture& capture, int x, int y, COLORREF expected, int tolerance) {
  COLORREF actual = capture.at(x, y);
  int differences[] = {GetRValue(actual) - GetRValue(expected), GetGValue(actual) - GetGValue(expected),
                       GetBValue(actual) - GetBValue(expected)};
  for (int difference : differences) {
    if (std::abs(difference) > tolerance) {
      return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex << actual
                                         << ", expected about " << expected;
    }
  }
  return testing::AssertionSuccess();
}

Bytes BmpFile(int width, int height, COLORREF (*colour)(int x, int y)) {
  size_t rowBytes = BmpRowBytes(width);
  Bytes rows(rowBytes * height, 0);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = rows.data() + rowBytes * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      COLORREF pixel = colour(x, y);
      row[3 * x] = GetBValue(pixel);
      row[3 * x + 1] = GetGValue(pixel);
      row[3 * x + 2] = GetRValue(pixel);
    }
  }
  return BuildBmpFile(width, height, rows);
}

Bytes JpegFile(int width, int height, COLORREF (*colour)(int x, int y)) {
  TempFolder folder;
  WriteBytes(folder / "picture.bmp", BmpFile(width, height, colour));
  if (ConvertToJpeg(folder / "picture.bmp", folder / "picture.jpg", false, 100, true, 0) != kJpegWritten) return {};
  return ReadBytes(folder / "picture.jpg");
}

HWND PaintedTest::parent_ = nullptr;

void PaintedTest::SetUpTestSuite() {
  RegisterParentClass();
  parent_ = CreateWindowExW(0, kParentClass, L"painted", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 700, 500,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ShowWindow(parent_, SW_SHOWNOACTIVATE);
}

void PaintedTest::TearDownTestSuite() {
  DestroyWindow(parent_);
  parent_ = nullptr;
}

Control& PaintedTest::Make(UnitDefinition stored) {
  UnitDefinition& unit = units_.emplace_back(std::move(stored));
  std::unique_ptr<Control> control =
      std::holds_alternative<LabelProperties>(unit.properties) ? MakeLabel(1, unit) : MakeDrawPanel(1, unit);
  EXPECT_TRUE(control);
  EXPECT_TRUE(control->Create(parent_));
  ShowWindow(control->hwnd(), SW_SHOWNOACTIVATE);
  controls_.push_back(std::move(control));
  return *controls_.back();
}

UnitDefinition LabelUnit(int width, int height, const LabelProperties& properties) {
  return ControlUnit(width, height, properties);
}

UnitDefinition PanelUnit(int width, int height, const DrawPanelProperties& properties) {
  return ControlUnit(width, height, properties);
}
