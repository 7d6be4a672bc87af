#include "controls/painted/draw_panel.h"

#include <algorithm>

#include "controls/control_link.h"
#include "controls/event_delivery.h"
#include "controls/event_index.h"
#include "controls/kinds/kind_factory.h"
#include "controls/painted/bitmap_file.h"
#include "controls/painted/border_style.h"
#include "controls/painted/colours.h"
#include "controls/painted/logical_font.h"
#include "controls/painted/painted_limits.h"
#include "controls/property_table.h"
#include "controls/property_value.h"

using namespace draw_panel_property;

// A container: its children are not painted over, and keyboard navigation goes into them.
bool DrawPanel::Create(HWND parent) {
  return CreatePaintedWindow(parent, L"VelmoDrawPanel", "", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, properties().border);
}

namespace {
// Bytes are copied into the buffer the panel already holds: the save hands the hidden canvas
// frame after frame of one size, and a fresh buffer each time costs more than the copy. No
// bytes let the buffer go.
void StoreBytes(ByteString& stored, const PropertyValue& value) {
  const auto* bytes = std::get_if<ByteString>(&value);
  if (bytes && !bytes->empty()) {
    stored = *bytes;
  } else {
    stored = AsBytes(value);
  }
}

using P = DrawPanelProperties;
}  // namespace

// The drawing tools are kept for the program to read back; nothing draws with them yet.
const DrawPanel::Row DrawPanel::kPropertyRows[] = {
    {kBorder, &P::border, Choice(choice_last::kPanelBorder), &DrawPanel::ShowBorder},
    {kBackColour, &P::backColour, kAsIs, &DrawPanel::RebuildBackground},
    {kBackPicture, BytesStoredBy<P>{&P::backPicture, StoreBytes}, kAsIs, &DrawPanel::ShowBackPicture},
    {kPictureMode, &P::pictureMode, Choice(choice_last::kPictureMode), &DrawPanel::RebuildBackground},
    {kAutoRedraw, &P::autoRedraw, kBoolean, &DrawPanel::ShowAutoRedraw},
    {kCoordinateUnit, &P::coordinateUnit, Choice(choice_last::kCoordinateUnit)},
    {kPenType, &P::penType},
    {kRasterOperation, &P::rasterOperation},
    {kPenWidth, &P::penWidth},
    {kPenColour, &P::penColour},
    {kBrushType, &P::brushType},
    {kBrushColour, &P::brushColour},
    {kTextColour, &P::textColour},
    {kTextBackColour, &P::textBackColour},
    {kFont, BytesStoredBy<P>{&P::font, StoreFont}},
};

void DrawPanel::WriteKindProperty(int index, const PropertyValue& value) {
  WriteTableProperty<DrawPanel>(*this, properties(), std::span<const Row>(kPropertyRows), index, value);
}

PropertyValue DrawPanel::ReadKindProperty(int index) const {
  return ReadTableProperty<DrawPanel>(*this, properties(), std::span<const Row>(kPropertyRows), index);
}

void DrawPanel::ShowBorder() {
  if (hwnd_) ApplyBorder(hwnd_, properties().border);
}

// Only what the background is made of rebuilds the persistent bitmap; a new size is noticed
// when it is next used.
void DrawPanel::RebuildBackground() {
  canvasStale_ = true;
  Repaint();
}

void DrawPanel::ShowBackPicture() {
  backPicture_.Forget();
  RebuildBackground();
}

void DrawPanel::ShowAutoRedraw() {
  if (!properties().autoRedraw) canvas_.Reset();
  RebuildBackground();
}

SIZE DrawPanel::ClientSize() const {
  RECT client{};
  if (hwnd_) GetClientRect(hwnd_, &client);
  return {client.right - client.left, client.bottom - client.top};
}

void DrawPanel::PaintBackground(HDC dc, SIZE size) {
  PaintPictureOver(dc, size, ScreenColour(properties().backColour), backPicture_.Decoded(properties().backPicture),
                   properties().pictureMode);
}

bool DrawPanel::RefreshCanvas() {
  SIZE size = ClientSize();
  size.cx = std::max<LONG>(size.cx, 1);
  size.cy = std::max<LONG>(size.cy, 1);
  const SIZE held = canvas_.size();
  if (canvas_.bitmap() && !canvasStale_ && size.cx == held.cx && size.cy == held.cy) return true;
  if (!canvas_.Paint(size, ScreenColour(properties().backColour), backPicture_.Decoded(properties().backPicture),
                     properties().pictureMode))
    return false;
  canvasStale_ = false;
  return true;
}

void DrawPanel::PaintContent(HDC dc) {
  SIZE size = ClientSize();
  if (!properties().autoRedraw || !RefreshCanvas()) {
    PaintBackground(dc, size);
    return;
  }
  MemoryDc canvasDc(CreateCompatibleDC(dc));
  if (!canvasDc) return;
  Selection canvas(canvasDc.get(), canvas_.bitmap());
  BitBlt(dc, 0, 0, size.cx, size.cy, canvasDc.get(), 0, 0, SRCCOPY);
}

LRESULT DrawPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    // A container hands its children's notifications back to the control that sent each.
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
      LRESULT result = 0;
      if (ReflectNotification(message, wParam, lParam, &result)) return result;
      return PaintedControl::HandleMessage(message, wParam, lParam);
    }
    case WM_CONTEXTMENU:
      RaiseEvent(window(), definition().id, DrawPanelEvent::kContextMenu,
                 {int32_t{static_cast<short>(LOWORD(lParam))}, int32_t{static_cast<short>(HIWORD(lParam))}});
      return 0;
    default:
      return PaintedControl::HandleMessage(message, wParam, lParam);
  }
}

bool DrawPanel::TakePictureFile(ByteString& file) {
  if (hwnd_ && properties().autoRedraw) {
    if (RefreshCanvas()) return canvas_.TakeFile(file);
  } else if (hwnd_) {
    SIZE size = ClientSize();
    BitmapHandle copy = CopyClientArea(hwnd_, size);
    if (copy) return TakeBmpFileOfBitmap(copy.get(), size, file);
  }
  file.clear();
  return false;
}

std::unique_ptr<Control> MakeDrawPanel(WindowId window, UnitDefinition& unit) {
  if (!std::holds_alternative<DrawPanelProperties>(unit.properties)) return nullptr;
  return std::make_unique<DrawPanel>(window, unit);
}
