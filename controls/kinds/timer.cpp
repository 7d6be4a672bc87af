// Timer: a non-visual window timer. Ticks come as WM_TIMER, which the system never queues more
// than once, so a slow handler lowers the tick rate instead of building a backlog.
#include "controls/event_delivery.h"
#include "controls/kinds/kind_factory.h"
#include "controls/kinds/kind_support.h"
#include "controls/property_indexes.h"
#include "controls/property_value.h"
#include "controls/timer_rule.h"
#include "controls/event_index.h"

namespace {
using timer_property::kInterval;
constexpr UINT_PTR kTimerId = 1;

class Timer : public NonVisualControl {
 public:
  using NonVisualControl::NonVisualControl;

  bool Create(HWND parent) override {
    if (!NonVisualControl::Create(parent)) return false;
    if (Interval() > 0) SetTimer(hwnd_, kTimerId, static_cast<UINT>(Interval()), nullptr);
    return true;
  }

  void WriteKindProperty(int index, const PropertyValue& value) override {
    if (index != kInterval) return;
    const TimerWrite write = ApplyTimerWrite(Interval(), AsInt(value));
    Interval() = write.stored;
    if (write.stop) KillTimer(hwnd_, kTimerId);
    if (write.start) SetTimer(hwnd_, kTimerId, static_cast<UINT>(write.stored), nullptr);
  }

  PropertyValue ReadKindProperty(int index) const override { return index == kInterval ? Interval() : 0; }

  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) override {
    if (message != WM_TIMER || wParam != kTimerId) return false;
    *result = 0;
    RaiseEvent(window(), definition().id, TimerEvent::kTick);
    return true;
  }

 private:
  int& Interval() const { return std::get<TimerProperties>(definition().properties).interval; }
};
}  // namespace

std::unique_ptr<Control> MakeTimer(WindowId window, UnitDefinition& unit) {
  return std::make_unique<Timer>(window, unit);
}
