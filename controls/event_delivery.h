// Delivering events to the handlers the definitions bind, and holding them back while a
// window is built or a control re-created.
#pragma once
#include <optional>
#include <vector>

#include "controls/runtime.h"

// Raises event `event` of a unit. Nothing happens while events are suppressed or when no
// handler is bound; a window or unit that does not exist, or a unit of a kind that raises no
// events, is a fatal runtime error. Gives back the handler's result, if it gave one.
std::optional<PropertyValue> RaiseEvent(WindowId window, UnitId unit, int event,
                                        std::vector<PropertyValue> arguments = {});

// Holds event delivery back for one scope.
class EventSuppression {
 public:
  EventSuppression();
  ~EventSuppression();
  EventSuppression(const EventSuppression&) = delete;
  EventSuppression& operator=(const EventSuppression&) = delete;
};
