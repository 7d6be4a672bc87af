#include "controls/event_delivery.h"

#include "controls/fatal_error.h"
#include "controls/runtime_state.h"

namespace {
bool RaisesEvents(Kind kind) {
  switch (kind) {
    case Kind::Window:
    case Kind::MenuItem:
    case Kind::Button:
    case Kind::ComboBox:
    case Kind::Timer:
    case Kind::SliderBar:
    case Kind::ProcessBar:
    case Kind::DrawPanel:
    case Kind::ZipComponent:
      return true;
    default:
      return false;
  }
}

HandlerRef BoundHandler(const UnitDefinition& unit, int event) {
  if (const auto* item = std::get_if<MenuItemProperties>(&unit.properties)) return item->handler;
  for (const EventBinding& binding : unit.events) {
    if (binding.event == event) return binding.handler;
  }
  return {};
}
}  // namespace

std::optional<PropertyValue> RaiseEvent(WindowId window, UnitId unit, int event, std::vector<PropertyValue> arguments) {
  RuntimeState& runtime = Runtime();
  if (runtime.suppression > 0) return std::nullopt;
  LiveWindow& state = WindowStateOrFatal(window, kNoEventWindow);
  const UnitDefinition* definition = state.form.Find(unit);
  if (!definition) FatalRuntimeError(kNoEventUnit);
  if (!RaisesEvents(KindOf(*definition))) FatalRuntimeError(kUnitRaisesNoEvents);
  const HandlerRoutine routine = runtime.handlers.Find(BoundHandler(*definition, event));
  if (!routine) return std::nullopt;
  EventRecord record{window, unit, event, std::move(arguments), std::nullopt};
  routine(record);
  return record.result;
}

void HandlerTable::Bind(HandlerRef handler, HandlerRoutine routine) {
  if (handler.index < 0) return;
  if (routines.size() <= static_cast<size_t>(handler.index)) routines.resize(handler.index + 1);
  routines[handler.index] = routine;
}

HandlerRoutine HandlerTable::Find(HandlerRef handler) const {
  if (handler.index < 0 || static_cast<size_t>(handler.index) >= routines.size()) return nullptr;
  return routines[handler.index];
}

EventSuppression::EventSuppression() { ++Runtime().suppression; }
EventSuppression::~EventSuppression() { --Runtime().suppression; }
