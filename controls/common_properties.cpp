#include "controls/common_properties.h"

#include "controls/icon_file.h"
#include "controls/layout_rules.h"
#include "controls/property_indexes.h"
#include "controls/property_value.h"

namespace {
using namespace common_property;

bool IsWindowUnit(const UnitDefinition& unit) { return std::holds_alternative<WindowProperties>(unit.properties); }

// The live rectangle: a control's inside its container's client area, the window's on the screen.
RECT LiveRect(HWND hwnd, bool topLevel) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  if (!topLevel) MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void MoveLive(Control& control, bool topLevel, int index, int32_t value) {
  const HWND hwnd = control.hwnd();
  RECT rect = LiveRect(hwnd, topLevel);
  const UINT keep = SWP_NOZORDER | SWP_NOACTIVATE;
  if (index == kLeft) SetWindowPos(hwnd, nullptr, value, rect.top, 0, 0, keep | SWP_NOSIZE);
  if (index == kTop) SetWindowPos(hwnd, nullptr, rect.left, value, 0, 0, keep | SWP_NOSIZE);
  if (index == kWidth) SetWindowPos(hwnd, nullptr, 0, 0, value, rect.bottom - rect.top, keep | SWP_NOMOVE);
  if (index == kHeight) SetWindowPos(hwnd, nullptr, 0, 0, rect.right - rect.left, value, keep | SWP_NOMOVE);
}

void ShowLive(Control& control, bool topLevel, bool visible) {
  if (!visible) {
    ShowWindow(control.hwnd(), SW_HIDE);
  } else if (topLevel) {
    ShowWindow(control.hwnd(), SW_SHOW);
    SetForegroundWindow(control.hwnd());
  } else if (control.IsVisual()) {
    ShowWindow(control.hwnd(), SW_SHOWNA);
  }
}
}  // namespace

void WriteCommonProperty(LiveWindow& state, UnitDefinition& unit, int index, const PropertyValue& value) {
  Control* live = IsLoaded(state) ? FindLiveControl({state.form.id(), unit.id}) : nullptr;
  const bool topLevel = IsWindowUnit(unit);
  switch (index) {
    case kLeft:
    case kTop: {
      const int32_t position = ClampPosition(AsInt(value));
      (index == kLeft ? unit.left : unit.top) = position;
      if (live) MoveLive(*live, topLevel, index, position);
      break;
    }
    case kWidth:
    case kHeight: {
      const int32_t size = ClampSize(AsInt(value));
      (index == kWidth ? unit.width : unit.height) = size;
      if (live) MoveLive(*live, topLevel, index, size);
      break;
    }
    case kTag:
      unit.tag = AsText(value);
      break;
    case kVisible:
      SetFlag(unit.flags, kFlagVisible, AsBool(value));
      if (live) ShowLive(*live, topLevel, AsBool(value));
      break;
    case kDisabled:
      SetFlag(unit.flags, kFlagDisabled, AsBool(value));
      if (live) EnableWindow(live->hwnd(), !AsBool(value));
      break;
    case kMouseCursor:
      unit.cursor = AsBytes(value);
      if (live) {
        state.cursors.erase(unit.id);
        if (CursorHandle cursor = MakeCursor(unit.cursor)) state.cursors[unit.id] = std::move(cursor);
      }
      break;
    default:
      break;
  }
}

PropertyValue ReadCommonProperty(LiveWindow& state, const UnitDefinition& unit, int index) {
  Control* live = IsLoaded(state) ? FindLiveControl({state.form.id(), unit.id}) : nullptr;
  const bool topLevel = IsWindowUnit(unit);
  if (live && index <= kHeight) {
    const RECT rect = LiveRect(live->hwnd(), topLevel);
    const int32_t values[] = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    return values[index];
  }
  switch (index) {
    case kLeft: return unit.left;
    case kTop: return unit.top;
    case kWidth: return unit.width;
    case kHeight: return unit.height;
    case kTag: return unit.tag;
    case kVisible:
      if (live && (topLevel || live->IsVisual()))
        return static_cast<int32_t>((GetWindowLongPtrW(live->hwnd(), GWL_STYLE) & WS_VISIBLE) != 0);
      return static_cast<int32_t>((unit.flags & kFlagVisible) != 0);
    case kDisabled:
      if (live) return static_cast<int32_t>(!IsWindowEnabled(live->hwnd()));
      return static_cast<int32_t>((unit.flags & kFlagDisabled) != 0);
    case kMouseCursor: return unit.cursor;
    default: return int32_t{0};
  }
}
