// Another program's windows seen from outside, as a user's own tools see them: found by class
// and caption among the windows of one process, read with WM_GETTEXT, clicked with BM_CLICK and
// typed into with WM_SETTEXT. Nothing here waits for a window to appear (see waiting.h); a
// message sent to the program gives up after a second, so a busy program never hangs the tour.
#pragma once
#include <windows.h>

#include <string>

// The class name of the system's dialogs: file dialogs and message boxes.
inline constexpr wchar_t kDialogClass[] = L"#32770";

// The first visible top-level window of process `process` with class `windowClass` whose
// caption is `caption` (empty: any caption) and, unless null, whose owner is `owner`; null when
// there is none.
HWND FindTopWindow(DWORD process, const wchar_t* windowClass, const std::string& caption, HWND owner = nullptr);

// The first child of `parent`, at any depth, of class `windowClass` (compared without regard to
// case) whose text begins with `prefix` (empty: any text); null when there is none.
HWND FindChild(HWND parent, const wchar_t* windowClass, const std::string& prefix);

// The first button (a "Button" that is not a group box's frame, which shares the class) among
// the children of `parent`, at any depth, whose caption begins with `prefix`; null when none.
HWND FindButton(HWND parent, const std::string& prefix);

// The window's text in UTF-8; empty when the window is gone or its program does not answer
// within a second.
std::string TextOf(HWND hwnd);

// Queues a click on a button; it arrives through the program's message loop, so the tour never
// waits for what the click starts (a modal window runs its own loop inside the click).
void Click(HWND button);

// Sets the text of an edit control; false when the program does not take it within a second.
bool TypeInto(HWND edit, const std::string& text);
