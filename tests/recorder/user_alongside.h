// A user at the mouse and keyboard while the test's own thread is inside a loop of the
// program's (the area picker's, the countdown's): the user's steps run on a thread of their own
// from the moment a window of the given class is on the screen, with the kit's mouse and
// keyboard (tools/drive).
#pragma once
#include <functional>

// What the user's side saw: whether the window came, and whether it was still open a few
// seconds after the steps (it is then closed with WM_CLOSE, so a test whose loop does not end
// fails instead of hanging).
struct UserSide {
  bool sawWindow = false;
  bool leftOpen = false;
};

// Runs `loop` on the calling thread while `steps` run beside it; returns once both have ended.
UserSide RunWhileUserActs(const wchar_t* windowClass, const std::function<void()>& steps,
                          const std::function<void()>& loop);
