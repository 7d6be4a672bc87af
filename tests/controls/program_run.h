// Runs test code inside the control runtime: the code is the program's start-up, over the
// stored window definitions (or given ones) with test handlers, and every window still loaded
// when it returns is destroyed so that the program ends. Handlers record what they saw.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "controls/runtime.h"
#include "tools/drive/waiting.h"

// One delivered event, as a test handler saw it.
struct SeenEvent {
  WindowId window;
  UnitId unit;
  int event;
  std::vector<PropertyValue> arguments;
};

// The events the recording handlers saw since the last ForgetEvents.
const std::vector<SeenEvent>& SeenEvents();
void ForgetEvents();
// How often `event` of `unit` was seen.
int CountSeen(UnitId unit, int event);

// A table whose every slot records its event.
HandlerTable RecordingHandlers();

// The stored windows with every window event of the three windows bound, so that the
// recording handlers see them all.
std::vector<FormDefinition> FormsBindingEveryWindowEvent();

// Runs `body` as start-up of a program over the stored windows (or `forms`), with message
// boxes answered IDOK and remembered; returns once the program has ended. Meanwhile the kit's
// waits (tools/drive/waiting.h) pump the runtime's own loop, so the program handles what the
// test's keys and clicks send.
void RunInProgram(const std::function<void()>& body, const HandlerTable& handlers = RecordingHandlers());
void RunInProgram(std::vector<FormDefinition> forms, const std::function<void()>& body,
                  const HandlerTable& handlers = RecordingHandlers());

// The texts of the message boxes shown since the last RunInProgram.
const std::vector<std::string>& ShownMessages();

