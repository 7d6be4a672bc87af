// The mouse pointer in the frames as the user meets it: a pointer of the test's own window
// placed with the real mouse over a flat colour, and the snapshot compared with the system's own
// drawing of that pointer; the option off, a hidden pointer, the screen's edge, the click ring
// while a button is held, and the pointer's physical place on a scaled display.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/recorder/recorder_handlers.h"
#include "app/recorder/screen_snapshot.h"
#include "controls/property_indexes.h"
#include "components/services/gdi_handle.h"
#include "components/services/screen_pixels.h"
#include "controls/painted/bitmap_file.h"
#include "forms/recorder_window.h"
#include "tests/controls/program_run.h"
#include "tests/recorder/dpi_unaware_thread.h"
#include "tests/recorder/frame_pictures.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/settings_for_test.h"

namespace {

constexpr Pixel kFlat{40, 120, 200};
constexpr COLORREF kFlatColour = RGB(40, 120, 200);
constexpr Pixel kRingYellow{255, 200, 0};

LRESULT CALLBACK PatchProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETCURSOR) {
    SetCursor(reinterpret_cast<HCURSOR>(GetWindowLongPtrW(window, GWLP_USERDATA)));
    return TRUE;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A topmost window of one flat colour, placed in physical pixels, that shows `cursor` (none at
// all when null) while the pointer is over it.
class FlatPatch {
 public:
  FlatPatch(RECT at, HCURSOR cursor) : brush_(CreateSolidBrush(kFlatColour)) {
    WNDCLASSW patchClass{};
    patchClass.lpfnWndProc = PatchProcedure;
    patchClass.lpszClassName = L"VelmoPointerPatch";
    patchClass.hbrBackground = brush_.get();
    RegisterClassW(&patchClass);
    {
      const PhysicalScreenScope inPhysicalPixels;
      window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"VelmoPointerPatch", L"", WS_POPUP | WS_VISIBLE,
                                at.left, at.top, at.right - at.left, at.bottom - at.top, nullptr, nullptr, nullptr,
                                nullptr);
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cursor));
    UpdateWindow(window_);
    PumpFor(150);
  }
  ~FlatPatch() {
    DestroyWindow(window_);
    UnregisterClassW(L"VelmoPointerPatch", nullptr);
  }
  FlatPatch(const FlatPatch&) = delete;
  FlatPatch& operator=(const FlatPatch&) = delete;

 private:
  BrushHandle brush_;
  HWND window_ = nullptr;
};

// The real mouse, as the user presses it, or moves it by nothing at all: through the input queue,
// so the window under the pointer hears of it.
void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(input));
  PumpFor(150);
}

// The pointer as the system shows it now: its handle (null when hidden) and physical position.
CURSORINFO PointerNow() {
  const PhysicalScreenScope inPhysicalPixels;
  CURSORINFO info{};
  info.cbSize = sizeof(info);
  GetCursorInfo(&info);
  GetPhysicalCursorPos(&info.ptScreenPos);
  return info;
}

// Moves the real pointer to `physical` and waits until the system has it there: the display
// server may still report an earlier move for a moment. A move through the input queue then
// makes the window under the pointer set its cursor; it moves by nothing, as this Wine places
// absolute moves elsewhere on a scaled display. This Wine also refuses to move the pointer back
// to a place it has left for the screen's centre, so each test uses places of its own.
void MovePointerTo(POINT physical) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    {
      const PhysicalScreenScope inPhysicalPixels;
      SetCursorPos(physical.x, physical.y);
    }
    SendMouse(MOUSEEVENTF_MOVE);
    const POINT now = PointerNow().ptScreenPos;
    if (now.x == physical.x && now.y == physical.y) return;
  }
}

// The real pointer at `physical`; it goes back to where it was at the end, so the other tests
// find it where they always did.
class PointerAt {
 public:
  explicit PointerAt(POINT physical) : before_(PointerNow().ptScreenPos) {
    MovePointerTo(physical);
    const POINT now = PointerNow().ptScreenPos;
    EXPECT_TRUE(now.x == physical.x && now.y == physical.y) << "the pointer is at " << now.x << "," << now.y;
  }
  ~PointerAt() { MovePointerTo(before_); }
  PointerAt(const PointerAt&) = delete;
  PointerAt& operator=(const PointerAt&) = delete;

 private:
  POINT before_;
};

// A snapshot as the capture takes it under the settings in force.
Picture Snapshot() {
  ScreenSnapshots snapshots;
  const SnapshotFile& file = snapshots.Take();
  Bytes bytes(file.headers.begin(), file.headers.end());
  bytes.insert(bytes.end(), file.rows.begin(), file.rows.end());
  return DecodedPicture(bytes);
}

Picture SnapshotWith(bool drawPointer, bool highlightClicks) {
  const PointerSettingsForTest settings(drawPointer, highlightClicks);
  return Snapshot();
}

// The pointer's picture on the flat colour as the system draws it, with its hotspot.
struct DrawnPointer {
  Picture picture;
  POINT hotspot;
};
DrawnPointer SystemDrawingOnFlatColour(HCURSOR cursor) {
  ICONINFO info{};
  if (!GetIconInfo(cursor, &info)) return {};
  const BitmapHandle mask(info.hbmMask);
  const BitmapHandle colour(info.hbmColor);
  BITMAP bitmap{};
  GetObjectW(colour ? colour.get() : mask.get(), sizeof(bitmap), &bitmap);
  const SIZE size{bitmap.bmWidth, colour ? bitmap.bmHeight : bitmap.bmHeight / 2};
  const WindowDc screen(nullptr);
  const MemoryDc dc(CreateCompatibleDC(screen.get()));
  const BitmapHandle canvas(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
  {
    const Selection selected(dc.get(), canvas.get());
    const BrushHandle flat(CreateSolidBrush(kFlatColour));
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(dc.get(), &all, flat.get());
    DrawIconEx(dc.get(), 0, 0, cursor, 0, 0, 0, nullptr, DI_NORMAL);
  }
  const ByteString file = BmpFileOfBitmap(canvas.get(), size);
  return {DecodedPicture(Bytes(file.begin(), file.end())),
          {static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)}};
}

bool Same(Pixel a, Pixel b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }

// Calls `visit(pointerPixel, framePixel)` for each pixel of the drawn pointer, placed with its
// hotspot on `position`, that falls inside `frame`.
template <typename Visit>
void ForEachPointerPixel(const DrawnPointer& drawn, POINT position, const Picture& frame, Visit visit) {
  for (int y = 0; y < drawn.picture.height; ++y) {
    for (int x = 0; x < drawn.picture.width; ++x) {
      const POINT at{position.x - drawn.hotspot.x + x, position.y - drawn.hotspot.y + y};
      if (at.x < 0 || at.y < 0 || at.x >= frame.width || at.y >= frame.height) continue;
      visit(POINT{x, y}, at);
    }
  }
}

// The frame holds the system's drawing of `cursor` with its hotspot on `position`, clipped by the
// frame's edges, and the pointer is really there: some of its pixels are not the flat colour.
void ExpectPointerAt(const Picture& frame, HCURSOR cursor, POINT position) {
  const DrawnPointer drawn = SystemDrawingOnFlatColour(cursor);
  ASSERT_GT(drawn.picture.width, 0) << "the system's drawing of the pointer";
  int mismatched = 0;
  int pointerPixels = 0;
  ForEachPointerPixel(drawn, position, frame, [&](POINT own, POINT at) {
    mismatched += !Same(frame.At(at.x, at.y), drawn.picture.At(own.x, own.y));
    pointerPixels += !Same(frame.At(at.x, at.y), kFlat);
  });
  EXPECT_EQ(mismatched, 0) << "pixels unlike the system's drawing of the pointer";
  EXPECT_GT(pointerPixels, 0) << "no pointer at " << position.x << "," << position.y;
}

// Where two pictures of one screen differ: the smallest rectangle around every such pixel, or an
// empty one.
RECT DifferingArea(const Picture& a, const Picture& b) {
  RECT area{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (Same(a.At(x, y), b.At(x, y))) continue;
      area = {std::min<LONG>(area.left, x), std::min<LONG>(area.top, y), std::max<LONG>(area.right, x + 1),
              std::max<LONG>(area.bottom, y + 1)};
    }
  }
  return area.left == LONG_MAX ? RECT{} : area;
}

// Everything that differs from the plain screen lies within the pointer's picture at `position`.
void ExpectOnlyThePointerChanged(const Picture& withPointer, const Picture& plain, HCURSOR cursor, POINT position) {
  ASSERT_EQ(withPointer.width, plain.width);
  ASSERT_EQ(withPointer.height, plain.height);
  const DrawnPointer drawn = SystemDrawingOnFlatColour(cursor);
  const RECT changed = DifferingArea(withPointer, plain);
  EXPECT_GE(changed.left, position.x - drawn.hotspot.x);
  EXPECT_GE(changed.top, position.y - drawn.hotspot.y);
  EXPECT_LE(changed.right, position.x - drawn.hotspot.x + drawn.picture.width);
  EXPECT_LE(changed.bottom, position.y - drawn.hotspot.y + drawn.picture.height);
}

// A system pointer by its resource number (the test's name is printed, not the number as text).
class PointerInFrames : public testing::TestWithParam<int> {};
constexpr int kArrow = 32512;  // IDC_ARROW
constexpr int kIBeam = 32513;  // IDC_IBEAM

// The arrow has colour and a mask; the text I-beam inverts what lies under it.
TEST_P(PointerInFrames, TheSnapshotHoldsThePointerAsTheSystemDrawsItAtItsHotspot) {
  const DpiUnawareThread asTheProgram;
  const HCURSOR cursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(GetParam()));
  const FlatPatch patch({200, 200, 500, 450}, cursor);
  const POINT position = GetParam() == kArrow ? POINT{360, 300} : POINT{370, 290};
  const PointerAt pointer(position);
  ASSERT_EQ(PointerNow().hCursor, cursor);
  const Picture plain = SnapshotWith(false, false);
  const Picture withPointer = SnapshotWith(true, false);
  ExpectPointerAt(withPointer, cursor, position);
  ExpectOnlyThePointerChanged(withPointer, plain, cursor, position);
}

INSTANTIATE_TEST_SUITE_P(Pointers, PointerInFrames, testing::Values(kArrow, kIBeam),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::string(info.param == kArrow ? "Arrow" : "IBeam");
                         });

// Hidden by the window under it, or by ShowCursor: nothing is drawn, not even the ring.
TEST(PointerInFramesHidden, AHiddenPointerLeavesTheScreenAsItIs) {
  const DpiUnawareThread asTheProgram;
  {
    const FlatPatch patch({200, 200, 500, 450}, nullptr);
    const PointerAt pointer({310, 330});
    ASSERT_EQ(PointerNow().hCursor, nullptr);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    const Picture plain = SnapshotWith(false, false);
    const Picture withPointer = SnapshotWith(true, true);
    SendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(DifferingArea(withPointer, plain).right, 0) << "the window shows no pointer";
  }
  const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  const FlatPatch patch({200, 200, 500, 450}, arrow);
  const PointerAt pointer({320, 300});
  ASSERT_EQ(PointerNow().hCursor, arrow);
  ShowCursor(FALSE);
  const bool hidden = !(PointerNow().flags & CURSOR_SHOWING);
  const Picture plain = SnapshotWith(false, false);
  const Picture withPointer = SnapshotWith(true, false);
  ShowCursor(TRUE);
  ASSERT_TRUE(hidden) << "ShowCursor(FALSE) hid the pointer";
  EXPECT_EQ(DifferingArea(withPointer, plain).right, 0) << "ShowCursor hid the pointer";
}

// With the option off a frame is the screen byte for byte, wherever the pointer is.
TEST(PointerInFramesOff, WithTheOptionOffTheSnapshotIsThePlainScreen) {
  const DpiUnawareThread asTheProgram;
  const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  const FlatPatch patch({200, 200, 500, 450}, arrow);
  const PointerAt pointer({340, 310});
  ASSERT_EQ(PointerNow().hCursor, arrow);
  const PointerSettingsForTest off(false, false);
  ScreenSnapshots snapshots;
  const SnapshotFile& file = snapshots.Take();
  Bytes frame(file.headers.begin(), file.headers.end());
  frame.insert(frame.end(), file.rows.begin(), file.rows.end());
  const SIZE screen = PhysicalScreen();
  const ByteString copy = [&] {
    const PhysicalScreenScope inPhysicalPixels;
    return BmpFileOfBitmap(CopyClientArea(nullptr, screen).get(), screen);
  }();
  EXPECT_TRUE(frame == Bytes(copy.begin(), copy.end()));
}

// A pointer in the screen's far corner shows the part of it that is on the screen, clipped
// there: nothing wraps round to the other side and nothing outside the screen is touched.
TEST(PointerInFramesEdge, APointerAtTheEdgeIsClipped) {
  const DpiUnawareThread asTheProgram;
  const SIZE screen = PhysicalScreen();
  const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  const FlatPatch patch({screen.cx - 100, screen.cy - 100, screen.cx, screen.cy}, arrow);
  const POINT position{screen.cx - 3, screen.cy - 2};
  const PointerAt pointer(position);
  ASSERT_EQ(PointerNow().hCursor, arrow);
  const Picture plain = SnapshotWith(false, false);
  const Picture withPointer = SnapshotWith(true, false);
  ASSERT_EQ(withPointer.width, screen.cx);
  ExpectPointerAt(withPointer, arrow, position);
  ExpectOnlyThePointerChanged(withPointer, plain, arrow, position);
}

// The ring (radius 20 at 100 percent) shows on both sides of the hotspot while the button is
// down, under the pointer, and is gone once it is up or while the option is off.
TEST(PointerInFramesClicks, TheRingShowsWhileAButtonIsHeld) {
  const DpiUnawareThread asTheProgram;
  const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  const FlatPatch patch({200, 200, 500, 450}, arrow);
  const POINT position{350, 330};
  const PointerAt pointer(position);
  ASSERT_EQ(PointerNow().hCursor, arrow);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  const Picture held = SnapshotWith(true, true);
  const Picture heldWithoutRing = SnapshotWith(true, false);
  const Picture ringAlone = SnapshotWith(false, true);
  SendMouse(MOUSEEVENTF_LEFTUP);
  const Picture released = SnapshotWith(true, true);
  EXPECT_TRUE(PixelNear(held.At(position.x - 20, position.y), kRingYellow, 0)) << "left of the hotspot";
  EXPECT_TRUE(PixelNear(held.At(position.x, position.y - 20), kRingYellow, 0)) << "above it";
  EXPECT_TRUE(PixelNear(held.At(position.x + 20, position.y), kRingYellow, 0)) << "right of it";
  EXPECT_TRUE(PixelNear(held.At(position.x - 10, position.y), kFlat, 0)) << "hollow";
  // Where the pointer covers the ring, the pointer shows.
  const DrawnPointer drawn = SystemDrawingOnFlatColour(arrow);
  int covered = 0;
  int ringOnTop = 0;
  ForEachPointerPixel(drawn, position, held, [&](POINT own, POINT at) {
    if (Same(drawn.picture.At(own.x, own.y), kFlat) || !Same(ringAlone.At(at.x, at.y), kRingYellow)) return;
    ++covered;
    ringOnTop += Same(held.At(at.x, at.y), kRingYellow);
  });
  EXPECT_GT(covered, 0) << "the ring passes under the pointer";
  EXPECT_EQ(ringOnTop, 0);
  for (const Picture* picture : {&heldWithoutRing, &released}) {
    EXPECT_TRUE(PixelNear(picture->At(position.x - 20, position.y), kFlat, 0));
    EXPECT_TRUE(PixelNear(picture->At(position.x, position.y - 20), kFlat, 0));
  }
}

// On a scaled display the pointer is drawn at its physical place in the frames a take writes:
// frame_on_scaled_screen.sh runs this at 150 percent, where the place lies beyond the smaller
// screen the program's windows are told. The pointer is placed after 录制 is clicked: on a
// scaled display this Wine moves the pointer elsewhere during that click.
TEST(PointerInFramesScaled, ThePointerIsAtItsPhysicalPlaceInTheFrame) {
  const DpiUnawareThread asTheProgram;
  const SIZE screen = PhysicalScreen();
  const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  const POINT position{screen.cx * 7 / 8, screen.cy * 7 / 8};
  RunRecorder([&] {
    const FlatPatch patch({position.x - 60, position.y - 60, position.x + 60, position.y + 60}, arrow);
    Click(RecorderWindow::按钮1);
    WriteProperty({RecorderWindow::kId, RecorderWindow::时钟1}, timer_property::kInterval, 0);
    const PointerAt pointer(position);
    ASSERT_EQ(PointerNow().hCursor, arrow);
    CaptureTicks(1);
    Click(RecorderWindow::按钮2);
  });
  const Picture frame = DecodedPicture(TakeFrameFile(2));
  ASSERT_EQ(frame.width, screen.cx);
  ExpectPointerAt(frame, arrow, position);
}

}  // namespace
