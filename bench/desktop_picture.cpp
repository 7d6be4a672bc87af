#include "bench/desktop_picture.h"

#include <windows.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/recording/recording_file.h"
#include "components/imaging/imaging.h"
#include "components/services/file_bytes.h"
#include "components/services/wide_text.h"
#include "controls/painted/bitmap_file.h"

namespace {

// A fixed pseudo-random sequence, so that every run draws the same desktop.
class Dice {
 public:
  explicit Dice(uint32_t seed) : state_(seed) {}
  int Below(int limit) {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<int>((state_ >> 8) % static_cast<uint32_t>(limit));
  }

 private:
  uint32_t state_;
};

struct Fraction {
  double left, top, right, bottom;
};
enum class Content { kProse, kTable, kPhoto, kCode };
struct WindowPlan {
  Fraction place;
  const wchar_t* title;
  Content content;
};

// Back to front: the editor, where the typing happens, is on top.
constexpr WindowPlan kWindows[] = {
    {{0.40, 0.10, 0.93, 0.72}, L"周报.docx - 文档", Content::kProse},
    {{0.18, 0.48, 0.70, 0.90}, L"销售数据.xlsx - 表格", Content::kTable},
    {{0.60, 0.36, 0.97, 0.86}, L"IMG_2024.jpg - 照片", Content::kPhoto},
    {{0.07, 0.05, 0.57, 0.60}, L"capture.cpp - 编辑器", Content::kCode},
};
constexpr int kEditor = 3;
constexpr int kTaskBarHeight = 40;
constexpr int kTitleHeight = 26;
constexpr int kLineHeight = 18;
constexpr COLORREF kTaskBarColour = RGB(40, 44, 52);

const wchar_t* const kWords[] = {L"frame",  L"录像", L"the",     L"screen", L"保存",   L"quality", L"每秒",
                                 L"report", L"数据", L"window",  L"项目",   L"budget", L"进度",    L"review",
                                 L"文件",   L"and",  L"meeting", L"系统",   L"time",   L"users"};
const wchar_t* const kCodeTokens[] = {L"if",     L"(frame", L"->width", L">",    L"limit)", L"return", L"Resize(",
                                      L"0x1F);", L"for",    L"(int",    L"i",    L"=",      L"0;",     L"const",
                                      L"auto&",  L"bytes",  L"// keep", L"++i)", L"{",      L"}",      L"std::vector"};
const COLORREF kCodeColours[] = {RGB(0, 0, 200), RGB(30, 30, 30), RGB(160, 30, 30), RGB(0, 128, 0), RGB(140, 0, 140)};
constexpr wchar_t kTypedLine[] = L"  const ByteString picture = PanelPicture(kCanvas);  // written back over the frame";

RECT Place(const Fraction& f, int width, int height) {
  return {static_cast<LONG>(f.left * width), static_cast<LONG>(f.top * height), static_cast<LONG>(f.right * width),
          static_cast<LONG>(f.bottom * height)};
}

RECT ClientArea(const RECT& window) {
  return {window.left + 4, window.top + kTitleHeight + kLineHeight + 4, window.right - 4, window.bottom - 4};
}

FontHandle MakeFont(const wchar_t* face, int pixels) {
  return FontHandle(CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face));
}

BitmapHandle TopDownBitmap(int width, int height, uint32_t** bits) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* pixels = nullptr;
  BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (bits) *bits = static_cast<uint32_t*>(pixels);
  return bitmap;
}

void Fill(HDC dc, RECT area, COLORREF colour) {
  BrushHandle brush(CreateSolidBrush(colour));
  FillRect(dc, &area, brush.get());
}

COLOR16 Channel(int value) { return static_cast<COLOR16>(value << 8); }

void VerticalGradient(HDC dc, RECT area, COLORREF top, COLORREF bottom) {
  TRIVERTEX corners[2] = {
      {area.left, area.top, Channel(GetRValue(top)), Channel(GetGValue(top)), Channel(GetBValue(top)), 0},
      {area.right, area.bottom, Channel(GetRValue(bottom)), Channel(GetGValue(bottom)), Channel(GetBValue(bottom)), 0}};
  GRADIENT_RECT rectangle{0, 1};
  GradientFill(dc, corners, 2, &rectangle, 1, GRADIENT_FILL_RECT_V);
}

void Text(HDC dc, int x, int y, const std::wstring& text, COLORREF colour) {
  SetTextColor(dc, colour);
  TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void PaintWallpaper(HDC dc, int width, int height, Dice& dice) {
  VerticalGradient(dc, {0, 0, width, height}, RGB(18, 52, 110), RGB(40, 150, 160));
  Selection noPen(dc, GetStockObject(NULL_PEN));
  for (int i = 0; i < 16; ++i) {
    BrushHandle brush(CreateSolidBrush(RGB(60 + dice.Below(120), 90 + dice.Below(120), 140 + dice.Below(110))));
    Selection chosen(dc, brush.get());
    const int x = dice.Below(width), y = dice.Below(height), r = 40 + dice.Below(height / 4);
    Ellipse(dc, x - r, y - r, x + r, y + r);
  }
}

void PaintIcons(HDC dc, int height, Dice& dice) {
  for (int i = 0, y = 16; y + 80 < height - kTaskBarHeight; ++i, y += 86) {
    Fill(dc, {24, y, 72, y + 48}, RGB(dice.Below(256), dice.Below(256), dice.Below(256)));
    Fill(dc, {34, y + 10, 62, y + 38}, RGB(250, 250, 250));
    Text(dc, 16, y + 52, kWords[i % std::size(kWords)] + std::to_wstring(i + 1), RGB(255, 255, 255));
  }
}

void PaintTaskBar(HDC dc, int width, int height) {
  const int top = height - kTaskBarHeight;
  Fill(dc, {0, top, width, height}, kTaskBarColour);
  Fill(dc, {6, top + 6, 90, height - 6}, RGB(0, 120, 215));
  Text(dc, 24, top + 12, L"开始", RGB(255, 255, 255));
  int x = 100;
  for (const WindowPlan& window : kWindows) {
    Fill(dc, {x, top + 6, x + 170, height - 6}, RGB(70, 76, 88));
    Text(dc, x + 8, top + 12, window.title, RGB(230, 230, 230));
    x += 176;
  }
}

void PaintWindowFrame(HDC dc, const RECT& window, const wchar_t* title) {
  Fill(dc, window, RGB(90, 90, 96));
  VerticalGradient(dc, {window.left + 1, window.top + 1, window.right - 1, window.top + kTitleHeight}, RGB(10, 36, 106),
                   RGB(90, 130, 200));
  Text(dc, window.left + 10, window.top + 5, title, RGB(255, 255, 255));
  for (int i = 1; i <= 3; ++i) {
    Fill(dc, {window.right - 26 * i, window.top + 4, window.right - 26 * i + 22, window.top + 22}, RGB(212, 208, 200));
  }
  const RECT menu{window.left + 1, window.top + kTitleHeight, window.right - 1,
                  window.top + kTitleHeight + kLineHeight + 4};
  Fill(dc, menu, RGB(240, 240, 240));
  Text(dc, menu.left + 8, menu.top + 2, L"文件(F)  编辑(E)  视图(V)  插入(I)  工具(T)  帮助(H)", RGB(0, 0, 0));
  Fill(dc, ClientArea(window), RGB(255, 255, 255));
}

void PaintProse(HDC dc, RECT client, Dice& dice) {
  std::wstring text;
  for (int word = 0; word < 2400; ++word) {
    text += kWords[dice.Below(static_cast<int>(std::size(kWords)))];
    text += dice.Below(60) == 0 ? L".\r\n\r\n" : L" ";
  }
  InflateRect(&client, -12, -8);
  SetTextColor(dc, RGB(20, 20, 20));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, DT_WORDBREAK | DT_NOPREFIX);
}

void PaintCode(HDC dc, const RECT& client, Dice& dice) {
  Fill(dc, {client.left, client.top, client.left + 40, client.bottom}, RGB(236, 236, 236));
  int number = 1;
  for (int y = client.top + 2; y + 2 * kLineHeight < client.bottom; y += kLineHeight, ++number) {
    Text(dc, client.left + 4, y, std::to_wstring(number), RGB(120, 120, 120));
    int x = client.left + 48 + 16 * dice.Below(4);
    for (int token = dice.Below(9); token > 0 && x < client.right - 80; --token) {
      const std::wstring word = kCodeTokens[dice.Below(static_cast<int>(std::size(kCodeTokens)))];
      Text(dc, x, y, word, kCodeColours[dice.Below(static_cast<int>(std::size(kCodeColours)))]);
      SIZE extent{};
      GetTextExtentPoint32W(dc, word.c_str(), static_cast<int>(word.size()), &extent);
      x += extent.cx + 8;
    }
  }
}

void PaintTable(HDC dc, const RECT& client, Dice& dice) {
  constexpr int kCellWidth = 86;
  Fill(dc, {client.left, client.top, client.right, client.top + kLineHeight + 2}, RGB(230, 230, 230));
  BrushHandle gridLine(CreateSolidBrush(RGB(210, 210, 210)));
  for (int x = client.left; x < client.right; x += kCellWidth) {
    RECT line{x, client.top, x + 1, client.bottom};
    FillRect(dc, &line, gridLine.get());
    Text(dc, x + 30, client.top + 2, std::wstring(1, static_cast<wchar_t>(L'A' + (x - client.left) / kCellWidth)),
         RGB(0, 0, 0));
  }
  for (int y = client.top + kLineHeight + 2; y < client.bottom; y += kLineHeight + 2) {
    RECT line{client.left, y, client.right, y + 1};
    FillRect(dc, &line, gridLine.get());
    for (int x = client.left; x + kCellWidth < client.right; x += kCellWidth) {
      wchar_t cell[24];
      std::swprintf(cell, std::size(cell), L"%d.%02d", dice.Below(100000), dice.Below(100));
      Text(dc, x + 6, y + 2, cell, dice.Below(8) == 0 ? RGB(200, 0, 0) : RGB(0, 0, 0));
    }
  }
}

uint32_t Pixel(int red, int green, int blue) {
  auto clamp = [](int value) { return static_cast<uint32_t>(value < 0 ? 0 : value > 255 ? 255 : value); };
  return clamp(red) << 16 | clamp(green) << 8 | clamp(blue);
}

// A landscape: a sky with a sun over hills of textured grass, the hardest part of the desktop
// to compress.
void PaintPhoto(uint32_t* bits, int stride, const RECT& client, Dice& dice) {
  const double width = client.right - client.left, height = client.bottom - client.top;
  const double sunX = client.left + 0.75 * width, sunY = client.top + 0.2 * height, sunRadius = 0.07 * height;
  for (int x = client.left; x < client.right; ++x) {
    const double horizon = client.top + height * (0.55 + 0.08 * std::sin(x * 0.011) + 0.04 * std::sin(x * 0.043));
    for (int y = client.top; y < client.bottom; ++y) {
      uint32_t& pixel = bits[static_cast<size_t>(y) * stride + x];
      if (y < horizon) {
        const double t = (y - client.top) / height;
        const bool sun = std::hypot(x - sunX, y - sunY) < sunRadius;
        const int shade = dice.Below(7) - 3;
        pixel = sun ? Pixel(255, 240, 200) : Pixel(110 + int(100 * t) + shade, 160 + int(70 * t) + shade, 235 + shade);
      } else {
        const double depth = (y - horizon) / (client.bottom - horizon + 1);
        const int grain = dice.Below(49) - 24;
        pixel = Pixel(60 + int(50 * depth) + grain, 110 + int(70 * (1 - depth)) + grain, 40 + grain / 2);
      }
    }
  }
}

void PaintWindows(HDC dc, uint32_t* bits, int width, int height, Dice& dice) {
  FontHandle codeFont = MakeFont(L"Courier New", 14);
  for (const WindowPlan& plan : kWindows) {
    const RECT window = Place(plan.place, width, height);
    PaintWindowFrame(dc, window, plan.title);
    const RECT client = ClientArea(window);
    switch (plan.content) {
      case Content::kProse:
        PaintProse(dc, client, dice);
        break;
      case Content::kTable:
        PaintTable(dc, client, dice);
        break;
      case Content::kPhoto:
        GdiFlush();
        PaintPhoto(bits, width, client, dice);
        break;
      case Content::kCode: {
        Selection font(dc, codeFont.get());
        PaintCode(dc, client, dice);
        break;
      }
    }
  }
}

// The editor's lines above the one being typed, scrolled up by a line each second; the lines
// that leave at the top come back at the bottom.
void ScrollEditor(HDC frame, HDC base, int width, int height, int frameNumber) {
  const RECT editor = ClientArea(Place(kWindows[kEditor].place, width, height));
  const int top = editor.top, lines = editor.bottom - kLineHeight - 4 - top;
  const int shift = frameNumber / 10 * kLineHeight % lines, across = editor.right - editor.left;
  BitBlt(frame, editor.left, top, across, lines - shift, base, editor.left, top + shift, SRCCOPY);
  BitBlt(frame, editor.left, top + lines - shift, across, shift, base, editor.left, top, SRCCOPY);
}

// What changes from frame to frame: the editor's last line being typed, the pointer, the clock.
void PaintChanges(HDC dc, int width, int height, int frameNumber) {
  const RECT editor = ClientArea(Place(kWindows[kEditor].place, width, height));
  const RECT typing{editor.left + 40, editor.bottom - kLineHeight - 4, editor.right, editor.bottom};
  Fill(dc, typing, RGB(255, 255, 255));
  const int typed = (frameNumber * 2) % static_cast<int>(std::size(kTypedLine) - 1);
  Text(dc, typing.left + 8, typing.top + 2, std::wstring(kTypedLine, typed) + L"|", RGB(30, 30, 30));

  const int seconds = 9 * 3600 + 30 * 60 + frameNumber / 10;
  wchar_t clock[16];
  std::swprintf(clock, std::size(clock), L"%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
  Fill(dc, {width - 96, height - kTaskBarHeight + 4, width - 4, height - 4}, kTaskBarColour);
  Text(dc, width - 86, height - kTaskBarHeight + 12, clock, RGB(255, 255, 255));

  const int x = width / 5 + (frameNumber * 7) % (width * 3 / 5), y = height / 3 + (frameNumber * 3) % (height / 3);
  const POINT arrow[] = {{x, y},           {x, y + 18},     {x + 4, y + 14}, {x + 8, y + 22},
                         {x + 11, y + 21}, {x + 7, y + 13}, {x + 13, y + 13}};
  Selection brush(dc, GetStockObject(WHITE_BRUSH));
  Selection pen(dc, GetStockObject(BLACK_PEN));
  Polygon(dc, arrow, static_cast<int>(std::size(arrow)));
}

}  // namespace

DesktopPicture::DesktopPicture(int width, int height, DesktopMotion motion)
    : width_(width), height_(height), motion_(motion) {
  uint32_t* bits = nullptr;
  base_ = TopDownBitmap(width, height, &bits);
  frame_ = TopDownBitmap(width, height, nullptr);
  MemoryDc dc(CreateCompatibleDC(nullptr));
  if (!base_ || !frame_ || !dc) return;
  Selection bitmap(dc.get(), base_.get());
  FontHandle font = MakeFont(L"Tahoma", 13);
  Selection chosenFont(dc.get(), font.get());
  SetBkMode(dc.get(), TRANSPARENT);
  Dice dice(20240607);
  PaintWallpaper(dc.get(), width, height, dice);
  PaintIcons(dc.get(), height, dice);
  PaintWindows(dc.get(), bits, width, height, dice);
  PaintTaskBar(dc.get(), width, height);
}

ByteString DesktopPicture::Frame(int frameNumber) {
  ByteString file;
  FrameInto(frameNumber, file);
  return file;
}

bool DesktopPicture::FrameInto(int frameNumber, ByteString& file) {
  file.clear();
  if (!base_ || !frame_) return false;
  {
    MemoryDc baseDc(CreateCompatibleDC(nullptr)), frameDc(CreateCompatibleDC(nullptr));
    if (!baseDc || !frameDc) return false;
    Selection base(baseDc.get(), base_.get());
    Selection frame(frameDc.get(), frame_.get());
    BitBlt(frameDc.get(), 0, 0, width_, height_, baseDc.get(), 0, 0, SRCCOPY);
    if (motion_ == DesktopMotion::kScrolling) ScrollEditor(frameDc.get(), baseDc.get(), width_, height_, frameNumber);
    FontHandle font = MakeFont(L"Tahoma", 13);
    Selection chosenFont(frameDc.get(), font.get());
    SetBkMode(frameDc.get(), TRANSPARENT);
    PaintChanges(frameDc.get(), width_, height_, frameNumber);
  }
  // The frame file is made as the recorder makes its snapshot's: from a bitmap no device
  // context holds.
  return TakeBmpFileOfBitmap(frame_.get(), {width_, height_}, file);
}

bool WriteSavedFrames(const std::string& folder, int width, int height, int count) {
  if (!WriteDesktopFrames(folder, width, height, count)) return false;
  for (int frame = 1; frame <= count; ++frame) {
    const std::string bmp = CapturedFramePath(folder, frame);
    if (ConvertToJpeg(bmp, ConvertedFramePath(folder, frame), false, 80, true, 0) != kJpegWritten) return false;
    DeleteFileW(Widen(bmp).c_str());
  }
  return true;
}

bool WriteDesktopFrames(const std::string& folder, int width, int height, int count) {
  DesktopPicture desktop(width, height);
  for (int frame = 1; frame <= count; ++frame) {
    const ByteString bytes = desktop.Frame(frame);
    if (bytes.empty() || !WriteWholeFile(CapturedFramePath(folder, frame), bytes)) return false;
  }
  return true;
}
