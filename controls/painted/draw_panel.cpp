#include "controls/painted/draw_panel.h"

#include <algorithm>

#include "controls/control_link.h"
#include "controls/kinds/kind_factory.h"
#include "controls/painted/bitmap_file.h"
#include "controls/painted/border_style.h"
#include "controls/painted/colours.h"
#include "controls/painted/logical_font.h"
#include "controls/painted/painted_limits.h"
#include "controls/property_value.h"

using namespace draw_panel_property;

// A container: its children are not painted over, and keyboard navigation goes into them.
bool DrawPanel::Create(HWND parent) {
  return CreatePaintedWindow(parent, L"VelmoDrawPanel", "", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, properties().border);
}

void DrawPanel::WriteKindProperty(int index, const PropertyValue& value) {
  if (!Store(index, value)) return;
  if (index == kBorder && hwnd_) ApplyBorder(hwnd_, properties().border);
  if (index == kBackPicture) backPicture_.Forget();
  if (index == kAutoRedraw && !properties().autoRedraw) canvas_.reset();
  // Only what the background is made of rebuilds the persistent bitmap; a new size is noticed
  // when it is next used.
  if (index == kBackColour || index == kBackPicture || index == kPictureMode || index == kAutoRedraw) {
    canvasStale_ = true;
    Repaint();
  }
}

PropertyValue DrawPanel::ReadKindProperty(int index) const {
  const DrawPanelProperties& p = properties();
  switch (index) {
    case kBorder: return p.border;
    case kBackColour: return ColourValue(p.backColour);
    case kBackPicture: return p.backPicture;
    case kPictureMode: return p.pictureMode;
    case kAutoRedraw: return p.autoRedraw;
    case kCoordinateUnit: return p.coordinateUnit;
    case kPenType: return p.penType;
    case kRasterOperation: return p.rasterOperation;
    case kPenWidth: return p.penWidth;
    case kPenColour: return ColourValue(p.penColour);
    case kBrushType: return p.brushType;
    case kBrushColour: return ColourValue(p.brushColour);
    case kTextColour: return ColourValue(p.textColour);
    case kTextBackColour: return ColourValue(p.textBackColour);
    case kFont: return p.font;
    default: return int32_t{0};
  }
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
}  // namespace

// The drawing tools are kept for the program to read back; nothing draws with them yet.
bool DrawPanel::Store(int index, const PropertyValue& value) {
  DrawPanelProperties& p = properties();
  switch (index) {
    case kBorder: p.border = BringChoice(AsInt(value), choice_last::kPanelBorder); return true;
    case kBackColour: p.backColour = ColourOf(value); return true;
    case kBackPicture: StoreBytes(p.backPicture, value); return true;
    case kPictureMode: p.pictureMode = BringChoice(AsInt(value), choice_last::kPictureMode); return true;
    case kAutoRedraw: p.autoRedraw = AsBool(value); return true;
    case kCoordinateUnit: p.coordinateUnit = BringChoice(AsInt(value), choice_last::kCoordinateUnit); return true;
    case kPenType: p.penType = AsInt(value); return true;
    case kRasterOperation: p.rasterOperation = AsInt(value); return true;
    case kPenWidth: p.penWidth = AsInt(value); return true;
    case kPenColour: p.penColour = ColourOf(value); return true;
    case kBrushType: p.brushType = AsInt(value); return true;
    case kBrushColour: p.brushColour = ColourOf(value); return true;
    case kTextColour: p.textColour = ColourOf(value); return true;
    case kTextBackColour: p.textBackColour = ColourOf(value); return true;
    case kFont: p.font = StoredFontOf(value); return true;
    default: return false;
  }
}

SIZE DrawPanel::ClientSize() const {
  RECT client{};
  if (hwnd_) GetClientRect(hwnd_, &client);
  return {client.right - client.left, client.bottom - client.top};
}

// The back colour goes only where the picture leaves room: a frame that fills the panel is
// painted once, not over a fill.
void DrawPanel::PaintBackground(HDC dc, SIZE size) {
  const RECT area{0, 0, size.cx, size.cy};
  const DecodedPicture* picture = backPicture_.Decoded(properties().backPicture);
  BrushHandle brush(CreateSolidBrush(ScreenColour(properties().backColour)));
  const int saved = SaveDC(dc);
  if (picture) {
    const RECT covered = picture->Covered(area, properties().pictureMode);
    ExcludeClipRect(dc, covered.left, covered.top, covered.right, covered.bottom);
  }
  FillRect(dc, &area, brush.get());
  RestoreDC(dc, saved);
  if (picture) picture->Draw(dc, area, properties().pictureMode);
}

bool DrawPanel::RefreshCanvas() {
  SIZE size = ClientSize();
  size.cx = std::max<LONG>(size.cx, 1);
  size.cy = std::max<LONG>(size.cy, 1);
  if (canvas_ && !canvasStale_ && size.cx == canvasSize_.cx && size.cy == canvasSize_.cy) return true;
  WindowDc screen(nullptr);
  // A canvas of the right size is painted over rather than made again, so a panel rebuilt for
  // every frame of a save keeps one bitmap.
  if (!canvas_ || size.cx != canvasSize_.cx || size.cy != canvasSize_.cy) {
    canvas_.reset(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
  }
  MemoryDc canvasDc(CreateCompatibleDC(screen.get()));
  if (!canvas_ || !canvasDc) {
    canvas_.reset();
    return false;
  }
  Selection canvas(canvasDc.get(), canvas_.get());
  PaintBackground(canvasDc.get(), size);
  canvasSize_ = size;
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
  Selection canvas(canvasDc.get(), canvas_.get());
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
    default:
      return PaintedControl::HandleMessage(message, wParam, lParam);
  }
}

bool DrawPanel::TakePictureFile(ByteString& file) {
  if (hwnd_ && properties().autoRedraw) {
    if (RefreshCanvas()) return TakeBmpFileOfBitmap(canvas_.get(), canvasSize_, file);
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
