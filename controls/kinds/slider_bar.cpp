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
#include "controls/property_table.h"
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
    WriteTableProperty<SliderBar>(*this, Properties(), kProperties, index, value);
  }

  PropertyValue ReadKindProperty(int index) const override {
    return ReadTableProperty<SliderBar>(*this, Properties(), kProperties, index);
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

  void Recreate() { RecreateControl(*this); }

  void ShowBorder() { ApplyBorder(hwnd_, Properties().border); }

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

  using Row = PropertyRow<SliderBar, SliderBarProperties>;
  using P = SliderBarProperties;
  // A change of orientation, tick marks or selection needs a new system control; writing the
  // value it already has leaves the control alone.
  static constexpr Row kPropertyRows[] = {
      {kBorder, &P::border, Choice(5), &SliderBar::ShowBorder},
      {kVertical, &P::vertical, Choice(1), &SliderBar::Recreate, true},
      {kTickMarks, &P::tickMarks, Choice(3), &SliderBar::Recreate, true},
      {kTickFrequency, &P::tickFrequency, Range(0, 32767), &SliderBar::ShowSettings},
      {kSelectionEnabled, &P::selectionEnabled, kBoolean, &SliderBar::Recreate, true},
      {kSelectionStart, &P::selectionStart, kAsIs, &SliderBar::ShowSettings},
      {kSelectionLength, &P::selectionLength, kAsIs, &SliderBar::ShowSettings},
      {kPageSize, &P::pageSize, Range(1, 32767), &SliderBar::ShowSettings},
      {kLineSize, &P::lineSize, Range(1, 32767), &SliderBar::ShowSettings},
      {kMinimum, &P::minimum, Range(0, 32767), &SliderBar::ShowSettings},
      {kMaximum, &P::maximum, Range(0, 32767), &SliderBar::ShowSettings},
      {kPosition, &P::position, Range(0, 32767), &SliderBar::ShowSettings},
  };
  static constexpr std::span<const Row> kProperties{kPropertyRows};
};
}  // namespace

std::unique_ptr<Control> MakeSliderBar(WindowId window, UnitDefinition& unit) {
  return std::make_unique<SliderBar>(window, unit);
}
