#include "app/recorder/pointer_drawing.h"

#include <optional>

#include "components/services/gdi_handle.h"

namespace {

// A warm yellow that stands out on light and dark screens alike and is no colour of the
// program's own texts.
constexpr COLORREF kClickRingColour = RGB(255, 200, 0);

// The pointer's size and hotspot. GetIconInfo hands over copies of the pointer's bitmaps, which
// the caller deletes. A pointer without a colour bitmap keeps its AND and XOR masks one above
// the other in a mask of twice its height.
std::optional<PointerPicture> PictureOf(HCURSOR cursor) {
  ICONINFO info{};
  if (!GetIconInfo(cursor, &info)) return std::nullopt;
  const BitmapHandle mask(info.hbmMask);
  const BitmapHandle colour(info.hbmColor);
  BITMAP bitmap{};
  if (!GetObjectW(colour ? colour.get() : mask.get(), sizeof(bitmap), &bitmap)) return std::nullopt;
  const int height = colour ? bitmap.bmHeight : bitmap.bmHeight / 2;
  return PointerPicture{bitmap.bmWidth, height, static_cast<int>(info.xHotspot), static_cast<int>(info.yHotspot)};
}

// The physical buttons, whichever of them the user has made the primary one.
bool AnyMouseButtonDown() {
  for (int button : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON}) {
    if (GetAsyncKeyState(button) & 0x8000) return true;
  }
  return false;
}

// Where the pointer is in physical pixels, on systems whose threads cannot measure in them as
// well as on those that can.
ScreenPoint PhysicalPointerPosition(const CURSORINFO& info) {
  POINT position = info.ptScreenPos;
  GetPhysicalCursorPos(&position);
  return {position.x, position.y};
}

void DrawClickRing(HDC snapshot, ScreenPoint hotspot) {
  const ClickRing ring = ClickRingAround(hotspot, GetDeviceCaps(snapshot, LOGPIXELSX));
  const GdiObject pen(CreatePen(PS_SOLID, ring.penWidth, kClickRingColour));
  if (!pen) return;
  const Selection penInUse(snapshot, pen.get());
  const Selection hollow(snapshot, GetStockObject(NULL_BRUSH));
  Ellipse(snapshot, ring.left, ring.top, ring.right, ring.bottom);
}

}  // namespace

void PointerDrawing::Draw(HDC snapshot, ScreenPoint origin, ScreenSize screen, bool pointer, bool ring) {
  if (!pointer && !ring) return;
  CURSORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetCursorInfo(&info) || !(info.flags & CURSOR_SHOWING) || !info.hCursor) return;
  const std::optional<PointerPicture> picture = MeasuredPicture(info.hCursor);
  if (!picture) return;
  const ScreenPoint onScreen = PhysicalPointerPosition(info);
  const ScreenPoint position{onScreen.x - origin.x, onScreen.y - origin.y};
  const std::optional<ScreenPoint> place = PointerPlaceInSnapshot(position, *picture, screen);
  if (!place) return;
  if (ring && AnyMouseButtonDown()) DrawClickRing(snapshot, position);
  if (pointer) DrawPointer(snapshot, info.hCursor, *place);
}

// GetIconInfo copies the pointer's bitmaps, too much for every tick only to read a size and a
// hotspot: they are measured again only when the pointer changes.
const std::optional<PointerPicture>& PointerDrawing::MeasuredPicture(HCURSOR cursor) {
  if (cursor != measuredCursor_) {
    measuredCursor_ = cursor;
    measured_ = PictureOf(cursor);
  }
  return measured_;
}

// The system tells no program which frame of an animated pointer it shows, nor at what pace, so
// each snapshot draws the next frame: a busy pointer keeps turning in the recording, one step a
// frame rather than at the system's own pace. The system refuses a frame past the last one
// without drawing anything; the animation then starts again. Other pointers have a single frame
// and ignore the step.
void PointerDrawing::DrawPointer(HDC snapshot, HCURSOR cursor, ScreenPoint place) {
  step_ = cursor == lastCursor_ ? step_ + 1 : 0;
  lastCursor_ = cursor;
  // Width and height 0: the pointer's own size, not the default icon size.
  if (DrawIconEx(snapshot, place.x, place.y, cursor, 0, 0, step_, nullptr, DI_NORMAL) || step_ == 0) return;
  step_ = 0;
  DrawIconEx(snapshot, place.x, place.y, cursor, 0, 0, 0, nullptr, DI_NORMAL);
}
