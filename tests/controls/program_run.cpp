#include "tests/controls/program_run.h"

#include <windows.h>

#include "controls/runtime_state.h"
#include "controls/ask_user.h"
#include "controls/program.h"
#include "forms/form_store.h"
#include "forms/handler_id.h"

namespace {
std::vector<SeenEvent> seen;
std::vector<std::string> messages;
std::function<void()> currentBody;

void Record(EventRecord& event) { seen.push_back({event.window, event.unit, event.event, event.arguments}); }

int AnswerOk(const std::string& text, const std::string&, unsigned) {
  messages.push_back(text);
  return IDOK;
}

void DestroyEveryWindow() {
  for (auto& [id, state] : Runtime().windows) {
    if (IsLoaded(state)) DestroyWindow(id, true);
  }
}

void StartUp() {
  currentBody();
  DestroyEveryWindow();
}

std::vector<FormDefinition> StoredForms() {
  const FormStore store;
  std::vector<FormDefinition> forms;
  for (WindowId id : store.WindowIds()) forms.push_back(*store.WorkingCopy(id));
  return forms;
}
}  // namespace

std::vector<FormDefinition> FormsBindingEveryWindowEvent() {
  std::vector<FormDefinition> forms = StoredForms();
  for (FormDefinition& form : forms) {
    std::vector<EventBinding>& events = form.units.front().events;
    events.clear();
    // Any slot serves: every slot of the recording table records.
    for (int event : {0, 1, 2, 3, 4, 9, 10, 11}) events.push_back({event, HandlerId::RecorderCreated});
  }
  return forms;
}

const std::vector<SeenEvent>& SeenEvents() { return seen; }
void ForgetEvents() { seen.clear(); }

int CountSeen(UnitId unit, int event) {
  int count = 0;
  for (const SeenEvent& entry : seen) count += entry.unit == unit && entry.event == event;
  return count;
}

HandlerTable RecordingHandlers() {
  HandlerTable table;
  for (int handler = 0; handler < static_cast<int>(HandlerId::Count); ++handler)
    table.Bind(static_cast<HandlerId>(handler), Record);
  return table;
}

void RunInProgram(const std::function<void()>& body, const HandlerTable& handlers) {
  RunInProgram(StoredForms(), body, handlers);
}

void RunInProgram(std::vector<FormDefinition> forms, const std::function<void()>& body, const HandlerTable& handlers) {
  seen.clear();
  messages.clear();
  currentBody = body;
  const MessageBoxRoutine before = ReplaceMessageBox(AnswerOk);
  SetMessagePump(ProcessPendingEvents);
  RunProgramWithForms(std::move(forms), handlers, StartUp, nullptr);
  SetMessagePump(nullptr);
  ReplaceMessageBox(before);
  currentBody = nullptr;
}

const std::vector<std::string>& ShownMessages() { return messages; }

