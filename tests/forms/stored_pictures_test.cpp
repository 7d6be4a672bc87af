// The bytes the definitions carry for the system to read: the recorder's icon file and the
// playback buttons' font record, each read back by Windows itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "controls/font_record.h"
#include "forms/form_store.h"
#include "forms/player_window.h"
#include "forms/recorder_icon.h"
#include "forms/recorder_window.h"

namespace {

uint32_t Read32(const ByteString& bytes, size_t offset) {
  uint32_t value = 0;
  std::memcpy(&value, bytes.data() + offset, 4);
  return value;
}

uint16_t Read16(const ByteString& bytes, size_t offset) {
  uint16_t value = 0;
  std::memcpy(&value, bytes.data() + offset, 2);
  return value;
}

TEST(RecorderIcon, IsOne32By32ImageAt8BitsIn2238Bytes) {
  const ByteString icon = RecorderIconFile();
  ASSERT_EQ(icon.size(), 2238u);
  EXPECT_EQ(Read16(icon, 0), 0);
  EXPECT_EQ(Read16(icon, 2), 1) << "icon, not cursor";
  EXPECT_EQ(Read16(icon, 4), 1) << "one image";
  EXPECT_EQ(icon[6], 32);
  EXPECT_EQ(icon[7], 32);
  EXPECT_EQ(Read16(icon, 12), 8) << "bits per pixel";
  EXPECT_EQ(Read32(icon, 14), 2238u - 22u) << "image size";
  EXPECT_EQ(Read32(icon, 18), 22u) << "image offset";
  EXPECT_EQ(Read32(icon, 22), 40u) << "BITMAPINFOHEADER";
  EXPECT_EQ(Read32(icon, 30), 64u) << "colour and mask rows";
  EXPECT_EQ(Read16(icon, 36), 8);

  const FormStore store;
  const auto& window = std::get<WindowProperties>(store.Find(RecorderWindow::kId)->units[0].properties);
  EXPECT_EQ(window.icon, icon);
}

struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};

// Draws the icon over white with the system's own icon reader; gives the pixels top-down.
std::vector<COLORREF> DrawnOverWhite(const ByteString& file) {
  const int offset = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(file.data()), TRUE, 32, 32, LR_DEFAULTCOLOR);
  EXPECT_EQ(offset, 22);
  std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter> icon(CreateIconFromResourceEx(
      const_cast<BYTE*>(file.data()) + 22, static_cast<DWORD>(file.size() - 22), TRUE, 0x00030000, 32, 32,
      LR_DEFAULTCOLOR));
  if (!icon) return {};
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  std::memset(bits, 0xFF, 32 * 32 * 4);
  DrawIconEx(dc, 0, 0, icon.get(), 32, 32, 0, nullptr, DI_NORMAL);
  GdiFlush();
  std::vector<COLORREF> pixels(32 * 32);
  for (size_t i = 0; i < pixels.size(); ++i) {
    const auto* bgra = static_cast<const uint8_t*>(bits) + 4 * i;
    pixels[i] = RGB(bgra[2], bgra[1], bgra[0]);
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

TEST(RecorderIcon, WindowsDrawsARedDotOnADarkScreenWithClearCorners) {
  const std::vector<COLORREF> pixels = DrawnOverWhite(RecorderIconFile());
  ASSERT_EQ(pixels.size(), 32u * 32u);
  auto at = [&](int x, int y) { return pixels[y * 32 + x]; };
  EXPECT_EQ(at(0, 0), RGB(255, 255, 255)) << "transparent corner";
  EXPECT_EQ(at(31, 31), RGB(255, 255, 255)) << "transparent corner";
  const COLORREF dot = at(16, 14);
  EXPECT_GT(GetRValue(dot), 200);
  EXPECT_LT(GetGValue(dot), 80);
  const COLORREF screen = at(7, 8);
  EXPECT_LT(GetRValue(screen) + GetGValue(screen) + GetBValue(screen), 150);
}

TEST(FontRecord, IsALogfontaWithTheFaceInCodePage936) {
  const ByteString record = FontRecord(-12, 400, kGb2312CharSet, "\xCB\xCE\xCC\xE5");
  ASSERT_EQ(record.size(), sizeof(LOGFONTA));
  LOGFONTA font;
  std::memcpy(&font, record.data(), sizeof font);
  EXPECT_EQ(font.lfHeight, -12);
  EXPECT_EQ(font.lfWidth, 0);
  EXPECT_EQ(font.lfWeight, FW_NORMAL);
  EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
  EXPECT_EQ(font.lfItalic, 0);
  wchar_t face[LF_FACESIZE] = {};
  ASSERT_GT(MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, font.lfFaceName, -1, face, LF_FACESIZE), 0);
  EXPECT_STREQ(face, L"宋体");

  const ByteString cut = FontRecord(0, 0, 0, std::string(40, 'A'));
  EXPECT_EQ(cut.size(), 60u);
  EXPECT_EQ(cut[59], 0) << "the face keeps its terminating NUL";
  EXPECT_EQ(cut[58], 'A');
}

TEST(FontRecord, OnlyThePlaybackButtonsCarryTheSongTiFont) {
  const FormStore store;
  const ByteString songTi = FontRecord(-12, 400, kGb2312CharSet, "\xCB\xCE\xCC\xE5");
  for (WindowId window : store.WindowIds())
    for (const UnitDefinition& unit : store.Find(window)->units) {
      if (KindOf(unit) != Kind::Button) continue;
      const bool playback = window == PlayerWindow::kId &&
                            (unit.id == PlayerWindow::终止按钮 || unit.id == PlayerWindow::暂停按钮 ||
                             unit.id == PlayerWindow::播放按钮 || unit.id == PlayerWindow::静音按钮);
      EXPECT_EQ(std::get<ButtonProperties>(unit.properties).font, playback ? songTi : ByteString{}) << unit.name;
    }
}

}  // namespace
