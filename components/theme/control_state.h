// The state a themed control shows, kept per control from the messages that change it.
#pragma once

struct ControlState {
  bool disabled = false;
  bool focused = false;
  bool pressed = false;
  bool checked = false;        // check mark set (push-like check boxes and radio buttons too)
  bool indeterminate = false;  // third state of a three-state check box
  bool hot = false;            // the mouse is over the control and no mouse button is held
  bool readOnly = false;       // edit boxes only, taken once when the control is themed
  bool isDefault = false;      // the default push button of its window
  bool operator==(const ControlState&) const = default;
};
