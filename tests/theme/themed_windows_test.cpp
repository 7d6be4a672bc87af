// Themed controls in real windows: each is printed into a bitmap and its pixels are held
// against the scheme's colours; switching off, theming twice, creation and destruction are
// checked on the theme's list.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "components/theme/theme.h"
#include "components/theme/theme_colours.h"

void PrintTo(const Rgb& c, std::ostream* out) { *out << '(' << +c.red << ',' << +c.green << ',' << +c.blue << ')'; }

namespace {

using Colour = Rgb;

Colour SystemColour(int index) {
  const COLORREF colour = GetSysColor(index);
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// The parent's answer to the button colour request, so the tests see which brush was used.
constexpr Colour kParentBackground{200, 220, 240};

// A control printed into a top-down 32-bit bitmap, as it would appear on screen.
class Picture {
 public:
  // Sends `message` with the bitmap's DC and `flags`; message 0 copies from the screen instead.
  Picture(HWND window, UINT message, LPARAM flags) {
    RECT rect;
    GetWindowRect(window, &rect);
    width_ = rect.right - rect.left;
    height_ = rect.bottom - rect.top;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    std::memset(bits, 0x55, static_cast<size_t>(width_) * height_ * 4);
    if (message) {
      SendMessageW(window, message, reinterpret_cast<WPARAM>(dc), flags);
    } else {
      HDC screen = GetWindowDC(window);
      BitBlt(dc, 0, 0, width_, height_, screen, 0, 0, SRCCOPY);
      ReleaseDC(window, screen);
    }
    GdiFlush();
    pixels_.assign(static_cast<const uint32_t*>(bits), static_cast<const uint32_t*>(bits) + width_ * height_);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }

  int width() const { return width_; }
  int height() const { return height_; }
  Colour At(int x, int y) const {
    const uint32_t pixel = pixels_[static_cast<size_t>(y) * width_ + x];
    return {static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8), static_cast<uint8_t>(pixel)};
  }
  bool Contains(Colour colour, int left, int top, int right, int bottom) const {
    return Any(left, top, right, bottom, [&](Colour c) { return c == colour; });
  }
  // Captions may be drawn smoothed, so their darkest pixels are looked for.
  bool ContainsDarkerThan(int level, int left, int top, int right, int bottom) const {
    return Any(left, top, right, bottom, [&](Colour c) { return c.red < level && c.green < level && c.blue < level; });
  }

 private:
  template <typename Test>
  bool Any(int left, int top, int right, int bottom, Test test) const {
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        if (test(At(x, y))) return true;
    return false;
  }

  int width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
};

Picture PrintClient(HWND window) { return Picture(window, WM_PRINTCLIENT, PRF_CLIENT | PRF_ERASEBKGND); }
// What the screen shows of the window (frame included).
Picture OnScreen(HWND window) { return Picture(window, 0, 0); }
Picture PrintWhole(HWND window) { return Picture(window, WM_PRINT, PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND); }

// Solid colours are exact; gradient ends are compared within a step of their gradient.
::testing::AssertionResult Near(Colour actual, Colour expected, int tolerance) {
  if (std::abs(actual.red - expected.red) <= tolerance && std::abs(actual.green - expected.green) <= tolerance &&
      std::abs(actual.blue - expected.blue) <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << ::testing::PrintToString(actual) << " is not within " << tolerance << " of "
                                       << ::testing::PrintToString(expected);
}

// A button with this id is destroyed by its own click, as a window's close button is.
constexpr int kClosesOnClick = 99;

LRESULT CALLBACK TestWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == kClosesOnClick && HIWORD(wParam) == BN_CLICKED) {
    DestroyWindow(reinterpret_cast<HWND>(lParam));
    return 0;
  }
  if (message == WM_CTLCOLORBTN) {
    static const HBRUSH brush = CreateSolidBrush(RGB(kParentBackground.red, kParentBackground.green, kParentBackground.blue));
    return reinterpret_cast<LRESULT>(brush);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* TestWindowClass() {
  static const ATOM atom = [] {
    WNDCLASSW cls = {};
    cls.lpfnWndProc = TestWindowProcedure;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.lpszClassName = L"VelmoThemeTestWindow";
    return RegisterClassW(&cls);
  }();
  return atom ? L"VelmoThemeTestWindow" : nullptr;
}

HWND MakeTopLevel() {
  return CreateWindowExW(0, TestWindowClass(), L"theme", WS_OVERLAPPEDWINDOW, 0, 0, 420, 320, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND MakeChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h,
               DWORD exStyle = 0) {
  HWND child = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

void PumpPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

constexpr Colour kSilverButtonFrame{0, 60, 116};

class ThemedWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    top = MakeTopLevel();
    ASSERT_TRUE(top);
    push = MakeChild(top, L"BUTTON", L"录制", BS_PUSHBUTTON, 10, 10, 75, 23);
    defaultPush = MakeChild(top, L"BUTTON", L"停止", BS_DEFPUSHBUTTON, 10, 40, 75, 23);
    disabledPush = MakeChild(top, L"BUTTON", L"保存", BS_PUSHBUTTON | WS_DISABLED, 10, 70, 75, 23);
    group = MakeChild(top, L"BUTTON", L"画质", BS_GROUPBOX, 110, 10, 150, 100);
    combo = MakeChild(top, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 110, 130, 120, 160);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"JPEG"));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    pushProcedure = GetWindowLongPtrW(push, GWLP_WNDPROC);
    UpdateWindow(top);
    ASSERT_EQ(SetControlTheme(3), 1);
  }

  void TearDown() override {
    SetControlTheme(0);
    DestroyWindow(top);
    PumpPending();
  }

  HWND top = nullptr, push = nullptr, defaultPush = nullptr, disabledPush = nullptr, group = nullptr, combo = nullptr;
  LONG_PTR pushProcedure = 0;
};

// A vertical gradient from `top` on row `first` to `bottom` on row `last` (inclusive) of column x.
void ExpectGradient(const Picture& picture, int x, int first, int last, Colour top, Colour bottom) {
  const int widest = std::max({std::abs(top.red - bottom.red), std::abs(top.green - bottom.green),
                               std::abs(top.blue - bottom.blue)});
  const int step = widest / (last - first) + 2;
  EXPECT_TRUE(Near(picture.At(x, first), top, step)) << "top row " << first;
  EXPECT_TRUE(Near(picture.At(x, last), bottom, step)) << "bottom row " << last;
}

// The ring (inset by 2) and the face (inset by 4) of a button, left of its caption.
void ExpectRing(const Picture& button, Colour top, Colour bottom) {
  ExpectGradient(button, 6, 2, button.height() - 3, top, bottom);
}

void ExpectFace(const Picture& button, Colour top, Colour bottom) {
  ExpectGradient(button, 6, 4, button.height() - 5, top, bottom);
}

TEST_F(ThemedWindow, RestingPushButtonInSilver) {
  const Picture button = PrintClient(push);
  const int last = button.width() - 1, bottom = button.height() - 1;
  const Colour face = SystemColour(COLOR_BTNFACE);
  EXPECT_EQ(button.At(0, 11), face) << "outer frame in the button face";
  EXPECT_EQ(button.At(1, 11), kSilverButtonFrame);
  EXPECT_EQ(button.At(last - 1, 11), kSilverButtonFrame);
  EXPECT_EQ(button.At(30, bottom - 1), kSilverButtonFrame);
  EXPECT_EQ(button.At(1, 1), face) << "rounded: the frame's corner";
  EXPECT_EQ(button.At(last - 1, bottom - 1), face);
  EXPECT_EQ(button.At(2, 2), kSilverButtonFrame) << "the shaded rectangle's corner";
  EXPECT_EQ(button.At(last - 2, bottom - 2), kSilverButtonFrame);
  EXPECT_EQ(button.At(2, 1), kSilverButtonFrame);
  EXPECT_EQ(button.At(1, 2), kSilverButtonFrame);
  ExpectRing(button, kWhite, {226, 223, 214});
  ExpectFace(button, {252, 252, 251}, {198, 197, 215});
  EXPECT_TRUE(button.Contains(kBlack, 20, 5, last - 20, bottom - 4)) << "the caption in black";
}

TEST_F(ThemedWindow, RingShowsHotDefaultAndFocus) {
  POINT centre{30, 10};
  ClientToScreen(push, &centre);
  SetCursorPos(centre.x, centre.y);
  SendMessageW(push, WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
  ExpectRing(PrintClient(push), {255, 240, 207}, {229, 151, 0});
  SendMessageW(push, WM_MOUSELEAVE, 0, 0);
  ExpectRing(PrintClient(push), kWhite, {226, 223, 214});

  ExpectRing(PrintClient(defaultPush), {206, 231, 255}, {105, 130, 238});
  ExpectFace(PrintClient(defaultPush), {252, 252, 251}, {198, 197, 215});

  SetFocus(push);
  const Picture focused = PrintClient(push);
  ExpectRing(focused, {206, 231, 255}, {105, 130, 238});
  const Picture resting = PrintClient(defaultPush);
  int dotted = 0;
  for (int x = 3; x < focused.width() - 3; ++x) dotted += focused.At(x, 3) != resting.At(x, 3);
  EXPECT_GT(dotted, 10) << "the focus rectangle at inset 3";
  EXPECT_EQ(focused.At(4, 2), resting.At(4, 2)) << "and not outside it";
}

TEST_F(ThemedWindow, PressedButtonHasAFlatBeigeRingAndAnInvertedFace) {
  const Picture resting = PrintClient(push);
  SendMessageW(push, BM_SETSTATE, TRUE, 0);
  const Picture pressed = PrintClient(push);
  EXPECT_EQ(pressed.At(6, 2), (Colour{239, 227, 206}));
  EXPECT_EQ(pressed.At(6, pressed.height() - 3), (Colour{239, 227, 206}));
  ExpectFace(pressed, {179, 178, 197}, {252, 252, 251});

  // The caption moves one pixel right and down: its first dark pixel does.
  const auto firstCaptionPixel = [](const Picture& p) {
    for (int y = 5; y < p.height() - 5; ++y)
      for (int x = 5; x < p.width() - 5; ++x)
        if (p.At(x, y) == kBlack) return POINT{x, y};
    return POINT{-1, -1};
  };
  const POINT before = firstCaptionPixel(resting), after = firstCaptionPixel(pressed);
  ASSERT_GE(before.x, 0);
  EXPECT_EQ(after.x, before.x + 1);
  EXPECT_EQ(after.y, before.y + 1);

  SendMessageW(push, BM_SETSTATE, FALSE, 0);
  ExpectFace(PrintClient(push), {252, 252, 251}, {198, 197, 215});
}

TEST_F(ThemedWindow, DisabledButtonIsFlatWithGreyCaption) {
  const Picture button = PrintClient(disabledPush);
  const Colour face = SystemColour(COLOR_BTNFACE);
  EXPECT_EQ(button.At(1, 11), Darker(face, 32));
  EXPECT_EQ(button.At(6, 4), (Colour{245, 244, 234}));
  EXPECT_EQ(button.At(6, button.height() - 3), (Colour{245, 244, 234}));
  EXPECT_EQ(button.At(2, 2), Darker(face, 21));
  EXPECT_EQ(button.At(2, 1), Darker(face, 17));
  EXPECT_TRUE(button.Contains({165, 162, 148}, 20, 5, button.width() - 20, button.height() - 4));
  EXPECT_FALSE(button.Contains(kBlack, 0, 0, button.width(), button.height()));

  EnableWindow(disabledPush, TRUE);
  const Picture enabled = PrintClient(disabledPush);
  EXPECT_EQ(enabled.At(1, 11), kSilverButtonFrame) << "enabling is followed";
  EnableWindow(push, FALSE);
  EXPECT_EQ(PrintClient(push).At(6, 4), (Colour{245, 244, 234}));
}

TEST_F(ThemedWindow, GroupBoxFrameCornersAndCaptionGap) {
  const Picture box = PrintClient(group);
  constexpr Colour kFrame{191, 184, 191};
  int top = 0;
  while (top < box.height() && box.At(box.width() / 2, top) != kFrame) ++top;

  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SIZE caption{};
  GetTextExtentPoint32W(dc, L"画质", 2, &caption);
  DeleteDC(dc);
  EXPECT_EQ(top, caption.cy / 2) << "top line at half the caption height";

  EXPECT_EQ(box.At(box.width() - 1, box.height() / 2), kFrame);
  EXPECT_EQ(box.At(0, top), kParentBackground) << "rounded corner";
  EXPECT_EQ(box.At(2, top), kParentBackground);
  EXPECT_EQ(box.At(2, top + 1), kFrame);
  EXPECT_EQ(box.At(3, top), kFrame);

  EXPECT_EQ(box.At(9, top), kFrame) << "the line runs up to the caption";
  EXPECT_NE(box.At(10, top), kFrame) << "the caption sits 10 pixels in";
  EXPECT_NE(box.At(10 + caption.cx - 1, top), kFrame);
  EXPECT_EQ(box.At(10 + caption.cx, top), kFrame);
  EXPECT_TRUE(box.ContainsDarkerThan(100, 10, 0, 10 + caption.cx, caption.cy)) << "the caption";
  EXPECT_EQ(box.At(box.width() / 2, box.height() / 2), kParentBackground) << "the parent's brush inside";
}

TEST_F(ThemedWindow, ComboBoxFramesAndArrowButton) {
  const Picture field = PrintClient(combo);
  const int w = field.width(), h = field.height();
  EXPECT_EQ(field.At(0, h / 2), (Colour{198, 197, 215}));
  EXPECT_EQ(field.At(w / 2, h - 2), SystemColour(COLOR_WINDOW));

  // The drop button: right of the rectangle inset by 2, a scroll-thumb height wide; the arrow
  // button B starts one pixel further right.
  const int thumb = GetSystemMetrics(SM_CYVTHUMB);
  const RECT b{w - 2 - thumb + 1, 2, w - 2, h - 2};
  EXPECT_EQ(field.At(b.left - 1, h / 2), SystemColour(COLOR_WINDOW)) << "drop button frame";
  EXPECT_EQ(field.At(b.left, b.top), kWhite) << "corner pixels, entry 7";
  EXPECT_EQ(field.At(b.left + 3, b.top), (Colour{148, 149, 162})) << "entry 3 around";
  ExpectGradient(field, b.left + 1, b.top + 1, b.bottom - 2, kWhite, {203, 204, 218});
  const int cx = (b.left + 1 + b.right - 1) / 2, cy = (b.top + 1 + b.bottom - 1) / 2;
  EXPECT_EQ(field.At(cx, cy), kBlack) << "the arrow";
  EXPECT_EQ(field.At(cx, cy + 2), kBlack);
  EXPECT_EQ(field.At(cx - 4, cy - 2), kBlack);
  EXPECT_NE(field.At(cx + 5, cy - 3), kBlack) << "each stroke stops before its end point";
  EXPECT_NE(field.At(cx, cy + 3), kBlack);

  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  const Picture dropped = PrintClient(combo);
  EXPECT_EQ(dropped.At(b.left, b.top), (Colour{190, 183, 190})) << "pressed while the list is down: entry 5";
  EXPECT_EQ(dropped.At(b.left + 3, b.top), (Colour{67, 72, 72})) << "entry 1";
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);

  EnableWindow(combo, FALSE);
  const Picture disabled = PrintClient(combo);
  const Colour face = SystemColour(COLOR_BTNFACE);
  EXPECT_EQ(disabled.At(0, h / 2), Darker(face, 32));
  EXPECT_EQ(disabled.At(1, h / 2), face);
  EXPECT_EQ(disabled.At(cx, cy), (Colour{206, 203, 198}));
  EXPECT_EQ(disabled.At(b.left, b.top), (Colour{247, 247, 247})) << "entry 4";
}

TEST_F(ThemedWindow, EditBoxFrame) {
  HWND edit = MakeChild(top, L"EDIT", L"text", ES_AUTOHSCROLL, 10, 150, 80, 22, WS_EX_CLIENTEDGE);
  HWND readOnly = MakeChild(top, L"EDIT", L"text", ES_READONLY, 10, 180, 80, 22, WS_EX_CLIENTEDGE);
  ASSERT_TRUE(IsControlThemed(edit)) << "created after theming";
  const Picture plain = PrintWhole(edit);
  EXPECT_EQ(plain.At(0, 10), (Colour{198, 197, 215}));
  EXPECT_EQ(plain.At(1, 10), SystemColour(COLOR_WINDOW));
  const Picture locked = PrintWhole(readOnly);
  EXPECT_EQ(locked.At(0, 10), (Colour{198, 197, 215}));
  EXPECT_EQ(locked.At(1, 10), SystemColour(COLOR_BTNFACE));
  EnableWindow(edit, FALSE);
  const Picture disabled = PrintWhole(edit);
  EXPECT_EQ(disabled.At(0, 10), Darker(SystemColour(COLOR_BTNFACE), 32));
  EXPECT_EQ(disabled.At(1, 10), SystemColour(COLOR_BTNFACE));
}

TEST_F(ThemedWindow, TheScreenShowsWhatIsPrinted) {
  ShowWindow(top, SW_SHOWNOACTIVATE);
  UpdateWindow(top);
  for (HWND control : {push, defaultPush, disabledPush, group}) {
    const Picture printed = PrintClient(control);
    const Picture shown = OnScreen(control);
    for (const POINT p : {POINT{1, 1}, POINT{1, 11}, POINT{2, 2}, POINT{6, 4}, POINT{6, 19}, POINT{0, 90}}) {
      if (p.y >= printed.height()) continue;
      EXPECT_EQ(shown.At(p.x, p.y), printed.At(p.x, p.y)) << p.x << ',' << p.y;
    }
  }
  const Picture field = OnScreen(combo);
  EXPECT_EQ(field.At(0, field.height() / 2), (Colour{198, 197, 215}));
  EXPECT_EQ(field.At(1, field.height() / 2), SystemColour(COLOR_WINDOW));

  SendMessageW(push, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(OnScreen(push).At(6, 2), (Colour{239, 227, 206})) << "repainted at once when pressed";
}

TEST_F(ThemedWindow, CheckBoxesRadioButtonsAndUpDownControlsAreFramedInTheScheme) {
  HWND check = MakeChild(top, L"BUTTON", L"选项", BS_AUTOCHECKBOX, 300, 10, 80, 20);
  HWND radio = MakeChild(top, L"BUTTON", L"单选", BS_AUTORADIOBUTTON, 300, 40, 80, 20);
  HWND upDown = MakeChild(top, L"msctls_updown32", L"", 0, 300, 70, 16, 24);
  ASSERT_TRUE(IsControlThemed(upDown));
  const Picture box = PrintClient(check);
  EXPECT_EQ(box.At(0, 10), (Colour{198, 197, 215})) << "the box's frame";
  EXPECT_EQ(box.At(15, 10), kParentBackground);
  EXPECT_FALSE(box.ContainsDarkerThan(100, 0, 0, 13, 20));
  SendMessageW(check, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(check, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(PrintClient(check).Contains({33, 161, 33}, 0, 0, 13, 20)) << "the tick after a click";
  SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(PrintClient(radio).Contains({33, 161, 33}, 0, 0, 13, 20)) << "the dot";
  const Picture arrows = PrintClient(upDown);
  EXPECT_TRUE(arrows.Contains(kBlack, 0, 0, 16, 12)) << "up arrow";
  EXPECT_TRUE(arrows.Contains(kBlack, 0, 12, 16, 24)) << "down arrow";
}

TEST_F(ThemedWindow, SchemeZeroGivesTheControlsBackTheirOwnDrawing) {
  EXPECT_NE(GetWindowLongPtrW(push, GWLP_WNDPROC), pushProcedure);
  const int listed = ThemedControlCount();
  EXPECT_GE(listed, 5);

  EXPECT_NE(SetControlTheme(0), 0) << "the hook was removed";
  EXPECT_EQ(ThemedControlCount(), 0);
  EXPECT_FALSE(IsControlThemed(push));
  EXPECT_EQ(GetWindowLongPtrW(push, GWLP_WNDPROC), pushProcedure) << "its earlier procedure is back";
  const Picture own = PrintClient(push);
  EXPECT_NE(own.At(1, 11), kSilverButtonFrame);
  EXPECT_FALSE(Near(own.At(6, own.height() - 5), {198, 197, 215}, 8) && Near(own.At(6, 4), {252, 252, 251}, 5))
      << "no silver face";
  HWND later = MakeChild(top, L"BUTTON", L"播放", BS_PUSHBUTTON, 10, 100, 75, 23);
  EXPECT_FALSE(IsControlThemed(later)) << "no hook any more";
  EXPECT_EQ(SetControlTheme(0), 0) << "nothing left to remove";
}

TEST_F(ThemedWindow, ThemingTwiceListsEachControlOnce) {
  const int listed = ThemedControlCount();
  for (HWND control : {push, defaultPush, disabledPush, group, combo}) EXPECT_TRUE(IsControlThemed(control));
  EXPECT_EQ(SetControlTheme(3), 1);
  EXPECT_EQ(ThemedControlCount(), listed);
  EXPECT_EQ(SetControlTheme(1), 1);
  EXPECT_EQ(ThemedControlCount(), listed);
  EXPECT_EQ(PrintClient(push).At(1, 11), (Colour{0, 60, 115})) << "blue scheme frame";
}

TEST_F(ThemedWindow, ControlsCreatedLaterAreThemedAndLeaveWhenDestroyed) {
  const int listed = ThemedControlCount();
  HWND later = MakeChild(top, L"BUTTON", L"播放", BS_PUSHBUTTON, 10, 100, 75, 23);
  HWND label = MakeChild(top, L"STATIC", L"录制：1秒", 0, 10, 130, 75, 16);
  HWND check = MakeChild(top, L"BUTTON", L"选项", BS_AUTOCHECKBOX, 300, 10, 80, 20);
  HWND owner = MakeChild(top, L"BUTTON", L"", BS_OWNERDRAW, 300, 40, 80, 20);
  EXPECT_TRUE(IsControlThemed(later));
  EXPECT_TRUE(IsControlThemed(check));
  EXPECT_FALSE(IsControlThemed(label));
  EXPECT_FALSE(IsControlThemed(owner));
  EXPECT_EQ(ThemedControlCount(), listed + 2);
  EXPECT_EQ(PrintClient(later).At(1, 11), kSilverButtonFrame);

  HWND dialog = MakeTopLevel();
  HWND inDialog = MakeChild(dialog, L"BUTTON", L"打开", BS_PUSHBUTTON, 10, 10, 75, 23);
  EXPECT_TRUE(IsControlThemed(inDialog)) << "in a window built after theming";

  EXPECT_EQ(ThemedControlCount(), listed + 3);

  DestroyWindow(later);
  EXPECT_EQ(ThemedControlCount(), listed + 2);
  DestroyWindow(dialog);
  EXPECT_EQ(ThemedControlCount(), listed + 1);
  DestroyWindow(check);
  EXPECT_EQ(ThemedControlCount(), listed);

  HWND closing = MakeChild(top, L"BUTTON", L"关闭", BS_PUSHBUTTON, 10, 100, 75, 23);
  SetWindowLongPtrW(closing, GWLP_ID, kClosesOnClick);
  SendMessageW(closing, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(closing, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(IsWindow(closing)) << "destroyed by its own click";
  EXPECT_EQ(ThemedControlCount(), listed);
}

}  // namespace
