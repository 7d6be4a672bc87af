#include "controls/kinds/zip_component.h"

#include "controls/event_delivery.h"
#include "controls/kinds/kind_factory.h"
#include "controls/kinds/kind_support.h"
#include "controls/runtime_state.h"
#include "controls/property_value.h"

namespace {
// The component has no properties of its own; its window makes it a live unit that events
// can come from.
class ZipComponent : public NonVisualControl {
 public:
  using NonVisualControl::NonVisualControl;
  void WriteKindProperty(int, const PropertyValue&) override {}
  PropertyValue ReadKindProperty(int) const override { return int32_t{0}; }
};
}  // namespace

std::unique_ptr<Control> MakeZipComponent(WindowId window, UnitDefinition& unit) {
  return std::make_unique<ZipComponent>(window, unit);
}

bool ZipEventSink::WindowExists() { return WindowHandle(component_.window) != nullptr; }

bool ZipEventSink::Raise(ZipEvent event, int percent) {
  const std::optional<PropertyValue> answer =
      RaiseEvent(component_.window, component_.unit, static_cast<int>(event), {int32_t{percent}});
  return !(answer && AsInt(*answer) == 0);
}
