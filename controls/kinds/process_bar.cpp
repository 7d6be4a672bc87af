// ProcessBar: a progress bar whose position is kept as written and shown brought into its range.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "controls/child_window.h"
#include "controls/painted/border_style.h"
#include "controls/kinds/bar_ranges.h"
#include "controls/kinds/kind_factory.h"
#include "controls/kinds/kind_support.h"
#include "controls/property_table.h"
#include "controls/property_value.h"
#include "controls/property_indexes.h"

namespace {
using namespace process_bar_property;

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
  };
  static constexpr std::span<const Row> kProperties{kPropertyRows};
};
}  // namespace

std::unique_ptr<Control> MakeProcessBar(WindowId window, UnitDefinition& unit) {
  return std::make_unique<ProcessBar>(window, unit);
}
