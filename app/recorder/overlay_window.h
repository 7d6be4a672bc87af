// The windows the recorder lays over the screen for a moment before a take (the area picker, the
// countdown): each one C++ object linked to its window when the system makes it, running its
// own message loop, never part of what the user records, and gone from the screen before the
// take's first frame.
#pragma once
#include <windows.h>

#include <functional>

#include "components/services/win_handle.h"

// Registers the class `name` once for the program, its windows answered by `procedure`; false
// when the system refuses.
bool RegisterOverlayClass(const wchar_t* name, WNDPROC procedure, UINT style);

// The procedure of an overlay class whose windows are made with their T as the creation
// parameter: every message from WM_NCCREATE on goes to T::Answer, which clears the link on
// WM_NCDESTROY.
template <typename T>
LRESULT CALLBACK OverlayProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* owner = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return owner ? owner->Answer(window, message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

// Keeps `window` out of screen captures where the system can (Windows 10 version 2004 and
// later), whatever the settings say about the program's other windows. Called before it is
// shown, so not even its first picture is captured.
void KeepOverlayOutOfFrames(HWND window);

// Handles the calling thread's messages until `finished` answers true (then true), or until a
// quit request arrives (then false; the request stays queued for the loop outside).
bool HandleMessagesUntil(const std::function<bool()>& finished);

// Destroys `window` and lets the screen show what lay beneath before returning: where the
// desktop is composed, the next composed picture (the one a capture copies) is waited for;
// elsewhere (Windows 7 with its basic theme, Wine) the windows beneath are given 100 ms to paint
// again, the program's own painted as soon as the system tells them.
void RemoveOverlay(HWND window);

inline HWND NoOverlay() { return nullptr; }
// An overlay window, removed from the screen as above when its owner ends.
using OverlayWindow = UniqueWinHandle<HWND, RemoveOverlay, NoOverlay>;
