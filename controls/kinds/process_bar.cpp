// ProcessBar: a progress bar whose position is kept as written and shown brought into its range.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "controls/child_window.h"
#include "controls/painted/border_style.h"
#include "controls/kinds/bar_ranges.h"
#include "controls/kinds/kind_factory.h"
#include "controls/kinds/kind_support.h"
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
    ProcessBarProperties& bar = Properties();
    switch (index) {
      case kBorder:
        bar.border = BringChoice(AsInt(value), 5);
        ApplyBorder(hwnd_, bar.border);
        break;
      case kVertical:
      case kSmooth: {
        int& field = index == kVertical ? bar.vertical : bar.smooth;
        const int wanted = BringChoice(AsInt(value), 1);
        if (wanted == field) break;
        field = wanted;
        RecreateControl(*this);
        break;
      }
      case kMinimum:
        bar.minimum = BringInto(AsInt(value), 0, 32767);
        ShowRangeAndPosition();
        break;
      case kMaximum:
        bar.maximum = BringInto(AsInt(value), 0, 32767);
        ShowRangeAndPosition();
        break;
      case kPosition:
        bar.position = BringInto(AsInt(value), 0, 32767);
        ShowRangeAndPosition();
        break;
      default:
        break;
    }
  }

  PropertyValue ReadKindProperty(int index) const override {
    const ProcessBarProperties& bar = Properties();
    switch (index) {
      case kBorder: return bar.border;
      case kVertical: return bar.vertical;
      case kSmooth: return bar.smooth;
      case kMinimum: return bar.minimum;
      case kMaximum: return bar.maximum;
      case kPosition: return bar.position;
      default: return int32_t{0};
    }
  }

 private:
  ProcessBarProperties& Properties() const { return std::get<ProcessBarProperties>(definition().properties); }

  void ShowRangeAndPosition() {
    const ProcessBarProperties& bar = Properties();
    const BarRange range = ProgressRange(bar.minimum, bar.maximum);
    SendMessageW(hwnd_, PBM_SETRANGE32, static_cast<WPARAM>(range.low), static_cast<LPARAM>(range.high));
    SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(ShownPosition(bar.position, range)), 0);
  }
};
}  // namespace

std::unique_ptr<Control> MakeProcessBar(WindowId window, UnitDefinition& unit) {
  return std::make_unique<ProcessBar>(window, unit);
}
