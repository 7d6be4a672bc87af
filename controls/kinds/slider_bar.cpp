// SliderBar: a track bar with automatic tick marks. Every scroll notification except the end of
// a track stores the control's real position and raises position changed.
#include <windows.h>
#include <commctrl.h>

#include "controls/child_window.h"
#include "controls/painted/border_style.h"
#include "controls/event_delivery.h"
#include "controls/kinds/bar_ranges.h"
#include "controls/kinds/kind_factory.h"
#include "controls/kinds/kind_support.h"
#include "controls/property_value.h"
#include "controls/event_index.h"
#include "controls/property_indexes.h"

namespace {
using namespace slider_bar_property;

constexpr DWORD kTickStyles[] = {TBS_NOTICKS, TBS_TOP, TBS_BOTTOM, TBS_BOTH};

class SliderBar : public Control {
 public:
  using Control::Control;

  bool Create(HWND parent) override {
    const SliderBarProperties& slider = Properties();
    const BorderStyles border = BorderStylesFor(slider.border);
    DWORD style = border.style | TBS_AUTOTICKS | kTickStyles[BringChoice(slider.tickMarks, 3)];
    style |= slider.vertical ? TBS_VERT : TBS_HORZ;
    if (slider.selectionEnabled) style |= TBS_ENABLESELRANGE;
    hwnd_ = CreateChildWindow(this, TRACKBAR_CLASSW, style, border.extendedStyle, "", parent);
    if (!hwnd_) return false;
    ShowSettings();
    return true;
  }

  void WriteKindProperty(int index, const PropertyValue& value) override {
    SliderBarProperties& slider = Properties();
    switch (index) {
      case kBorder:
        slider.border = BringChoice(AsInt(value), 5);
        ApplyBorder(hwnd_, slider.border);
        return;
      case kVertical:
        return Recreate(slider.vertical, BringChoice(AsInt(value), 1));
      case kTickMarks:
        return Recreate(slider.tickMarks, BringChoice(AsInt(value), 3));
      case kSelectionEnabled:
        return Recreate(slider.selectionEnabled, AsBool(value));
      case kTickFrequency:
        slider.tickFrequency = BringInto(AsInt(value), 0, 32767);
        break;
      case kSelectionStart:
        slider.selectionStart = AsInt(value);
        break;
      case kSelectionLength:
        slider.selectionLength = AsInt(value);
        break;
      case kPageSize:
        slider.pageSize = BringInto(AsInt(value), 1, 32767);
        break;
      case kLineSize:
        slider.lineSize = BringInto(AsInt(value), 1, 32767);
        break;
      case kMinimum:
        slider.minimum = BringInto(AsInt(value), 0, 32767);
        break;
      case kMaximum:
        slider.maximum = BringInto(AsInt(value), 0, 32767);
        break;
      case kPosition:
        slider.position = BringInto(AsInt(value), 0, 32767);
        break;
      default:
        return;
    }
    ShowSettings();
  }

  PropertyValue ReadKindProperty(int index) const override {
    const SliderBarProperties& slider = Properties();
    switch (index) {
      case kBorder: return slider.border;
      case kVertical: return slider.vertical;
      case kTickMarks: return slider.tickMarks;
      case kTickFrequency: return slider.tickFrequency;
      case kSelectionEnabled: return slider.selectionEnabled;
      case kSelectionStart: return slider.selectionStart;
      case kSelectionLength: return slider.selectionLength;
      case kPageSize: return slider.pageSize;
      case kLineSize: return slider.lineSize;
      case kMinimum: return slider.minimum;
      case kMaximum: return slider.maximum;
      case kPosition: return slider.position;
      default: return int32_t{0};
    }
  }

  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) override {
    if (message != WM_HSCROLL && message != WM_VSCROLL) return false;
    *result = 0;
    if (LOWORD(wParam) == TB_ENDTRACK) return true;
    Properties().position = static_cast<int32_t>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0));
    RaiseEvent(window(), definition().id, SliderBarEvent::kPositionChanged);
    return true;
  }

 private:
  SliderBarProperties& Properties() const { return std::get<SliderBarProperties>(definition().properties); }

  void Recreate(int& field, int wanted) {
    if (field == wanted) return;
    field = wanted;
    RecreateControl(*this);
  }

  void ShowSettings() {
    const SliderBarProperties& slider = Properties();
    const BarRange range = ProgressRange(slider.minimum, slider.maximum);
    SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, range.low);
    SendMessageW(hwnd_, TBM_SETRANGEMAX, FALSE, range.high);
    SendMessageW(hwnd_, TBM_SETTICFREQ, static_cast<WPARAM>(SliderStep(slider.tickFrequency, range)), 0);
    SendMessageW(hwnd_, TBM_SETPAGESIZE, 0, SliderStep(slider.pageSize, range));
    SendMessageW(hwnd_, TBM_SETLINESIZE, 0, SliderStep(slider.lineSize, range));
    if (slider.selectionEnabled) {
      const int32_t start = ShownPosition(slider.selectionStart, range);
      const int32_t end = ShownPosition(slider.selectionStart + slider.selectionLength, range);
      SendMessageW(hwnd_, TBM_SETSEL, FALSE, MAKELPARAM(start, end));
    }
    SendMessageW(hwnd_, TBM_SETPOS, TRUE, ShownPosition(slider.position, range));
  }
};
}  // namespace

std::unique_ptr<Control> MakeSliderBar(WindowId window, UnitDefinition& unit) {
  return std::make_unique<SliderBar>(window, unit);
}
