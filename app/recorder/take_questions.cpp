#include "app/recorder/take_questions.h"

#include <windows.h>

#include "app/recorder/take_owner.h"
#include "controls/runtime.h"

TakeAnswer AskAboutTake(const std::string& question) {
  const TakeHold hold(TakeHolder::Question);
  switch (ShowMessageBox(question, MB_YESNO | MB_ICONQUESTION, "提示信息")) {
    case IDYES:
      return TakeAnswer::Yes;
    case IDNO:
      return TakeAnswer::No;
    default:
      return TakeAnswer::Dismissed;
  }
}

void TellAboutTake(const std::string& message) {
  const TakeHold hold(TakeHolder::Question);
  ShowMessageBox(message, MB_OK | MB_ICONEXCLAMATION, "提示信息");
}
