// The recorder's own message boxes about a take. Each holds the take while it waits, so nothing
// the tray menu or a timer does meanwhile reaches the take it is about.
#pragma once
#include <string>

// The answer to a yes-or-no question about a take. A box closed without either button (Esc,
// the close box, Alt+F4) is Dismissed, and only No gives a take up.
enum class TakeAnswer { Yes, No, Dismissed };

// Asks `question` with the buttons Yes and No, the question icon and the caption "提示信息".
TakeAnswer AskAboutTake(const std::string& question);

// Tells `message` with an OK button, the exclamation icon and the caption "提示信息".
void TellAboutTake(const std::string& message);
