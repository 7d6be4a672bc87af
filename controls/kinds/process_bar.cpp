// ProcessBar: a progress bar whose position is kept as written and shown brought into its range,
// with a marked stretch drawn over it and the left mouse button reported as pointer events.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "components/services/gdi_handle.h"
#include "controls/child_window.h"
#include "controls/event_delivery.h"
#include "controls/event_index.h"
#include "controls/painted/colours.h"
#include "controls/painted/border_style.h"
#include "controls/kinds/bar_ranges.h"
#include "controls/kinds/kind_factory.h"
#include "controls/kinds/kind_support.h"
#include "controls/property_table.h"
#include "controls/property_value.h"
#include "controls/property_indexes.h"

namespace {
using namespace process_bar_property;

constexpr UINT_PTR kSubclassId = 1;
// The system bar draws a one-pixel frame inside its client area and its track within it.
constexpr int kTrackInset = 1;
// The marked band covers the track's lower rows, so the bar's own fill still shows above it,
// and is at least this wide, so a one-frame stretch of a long bar is seen.
constexpr int kBandHeight = 3;
constexpr int kNarrowestBand = 2;

class ProcessBar : public Control {
 public:
  using Control::Control;

  bool Create(HWND parent) override {
    const ProcessBarProperties& bar = Properties();
    const BorderStyles border = BorderStylesFor(bar.border);
    DWORD style = border.style;
    if (bar.vertical) style |= PBS_VERTICAL;
    if (bar.smooth) style |= PBS_SMOOTH;
    hwnd_ = CreateChildWindow(this, PROGRESS_CLASSW, style, border.extendedStyle, "", parent);
    if (!hwnd_) return false;
    SetWindowSubclass(hwnd_, Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    ShowRangeAndPosition();
    return true;
  }

  void WriteKindProperty(int index, const PropertyValue& value) override {
    WriteTableProperty<ProcessBar>(*this, Properties(), kProperties, index, value);
  }

  PropertyValue ReadKindProperty(int index) const override {
    return ReadTableProperty<ProcessBar>(*this, Properties(), kProperties, index);
  }

 private:
  ProcessBarProperties& Properties() const { return std::get<ProcessBarProperties>(definition().properties); }

  void ShowRangeAndPosition() {
    const ProcessBarProperties& bar = Properties();
    const BarRange range = ProgressRange(bar.minimum, bar.maximum);
    SendMessageW(hwnd_, PBM_SETRANGE32, static_cast<WPARAM>(range.low), static_cast<LPARAM>(range.high));
    SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(ShownPosition(bar.position, range)), 0);
  }

  void ShowBorder() { ApplyBorder(hwnd_, Properties().border); }
  void Recreate() { RecreateControl(*this); }
  void ShowMarks() { InvalidateRect(hwnd_, nullptr, TRUE); }

  RECT Track() const {
    RECT track;
    GetClientRect(hwnd_, &track);
    InflateRect(&track, -kTrackInset, -kTrackInset);
    return track;
  }

  // The marked stretch as a band along the bottom of the track, over what the system drew.
  void DrawMarks(HDC dc) const {
    const ProcessBarProperties& bar = Properties();
    const BarRange range = ProgressRange(bar.minimum, bar.maximum);
    const int32_t from = ShownPosition(bar.markedFrom, range);
    const int32_t to = ShownPosition(bar.markedTo, range);
    if (to <= from || range.high <= range.low || bar.vertical) return;
    const RECT track = Track();
    const int width = track.right - track.left;
    const int span = range.high - range.low;
    RECT band{track.left + MulDiv(from - range.low, width, span), std::max(track.top, track.bottom - kBandHeight),
              track.left + MulDiv(to - range.low, width, span), track.bottom};
    band.right = std::min<LONG>(track.right, std::max<LONG>(band.right, band.left + kNarrowestBand));
    BrushHandle brush(CreateSolidBrush(ScreenColour(bar.markColour)));
    FillRect(dc, &band, brush.get());
  }

  // The pointer's x from the track's left edge and the track's width.
  void RaisePointerEvent(int event, LPARAM lParam) {
    const RECT track = Track();
    const int x = static_cast<short>(LOWORD(lParam)) - track.left;
    const int32_t width = std::max<int32_t>(1, static_cast<int32_t>(track.right - track.left));
    RaiseEvent(window(), definition().id, event, {int32_t{x}, width});
  }

  // The bar keeps the mouse from a press until the button is let go, so a drag beyond its ends
  // still reports. Nothing of this object is touched after an event: its handler may have
  // destroyed the window.
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* bar = reinterpret_cast<ProcessBar*>(data);
    switch (message) {
      case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, Procedure, kSubclassId);
        break;
      case WM_PAINT: {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        WindowDc dc(hwnd);
        bar->DrawMarks(dc.get());
        return result;
      }
      case WM_LBUTTONDOWN:
        SetCapture(hwnd);
        bar->RaisePointerEvent(ProcessBarEvent::kPointerDown, lParam);
        return 0;
      case WM_MOUSEMOVE:
        if (GetCapture() == hwnd) bar->RaisePointerEvent(ProcessBarEvent::kPointerMove, lParam);
        return 0;
      case WM_LBUTTONUP:
        if (GetCapture() != hwnd) return 0;
        ReleaseCapture();
        bar->RaisePointerEvent(ProcessBarEvent::kPointerUp, lParam);
        return 0;
      default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }

  using Row = PropertyRow<ProcessBar, ProcessBarProperties>;
  using P = ProcessBarProperties;
  // Orientation and smoothness need a new system control, made only when they change.
  static constexpr Row kPropertyRows[] = {
      {kBorder, &P::border, Choice(5), &ProcessBar::ShowBorder},
      {kVertical, &P::vertical, Choice(1), &ProcessBar::Recreate, true},
      {kSmooth, &P::smooth, Choice(1), &ProcessBar::Recreate, true},
      {kMinimum, &P::minimum, Range(0, 32767), &ProcessBar::ShowRangeAndPosition},
      {kMaximum, &P::maximum, Range(0, 32767), &ProcessBar::ShowRangeAndPosition},
      {kPosition, &P::position, Range(0, 32767), &ProcessBar::ShowRangeAndPosition},
      {kMarkedFrom, &P::markedFrom, Range(0, 32767), &ProcessBar::ShowMarks},
      {kMarkedTo, &P::markedTo, Range(0, 32767), &ProcessBar::ShowMarks},
      {kMarkColour, &P::markColour, kAsIs, &ProcessBar::ShowMarks},
  };
  static constexpr std::span<const Row> kProperties{kPropertyRows};
};
}  // namespace

std::unique_ptr<Control> MakeProcessBar(WindowId window, UnitDefinition& unit) {
  return std::make_unique<ProcessBar>(window, unit);
}
