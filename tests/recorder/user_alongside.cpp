#include "tests/recorder/user_alongside.h"

#include <windows.h>

#include <thread>

#include "tools/drive/waiting.h"

namespace {
constexpr double kEndSeconds = 3.0;

bool Visible(const wchar_t* windowClass) {
  const HWND window = FindWindowW(windowClass, nullptr);
  return window && IsWindowVisible(window);
}
}  // namespace

UserSide RunWhileUserActs(const wchar_t* windowClass, const std::function<void()>& steps,
                          const std::function<void()>& loop) {
  UserSide side;
  std::thread user([&] {
    side.sawWindow = WaitUntil([&] { return Visible(windowClass); });
    if (!side.sawWindow) return;
    steps();
    side.leftOpen = !WaitUntil([&] { return FindWindowW(windowClass, nullptr) == nullptr; }, kEndSeconds);
    if (side.leftOpen) PostMessageW(FindWindowW(windowClass, nullptr), WM_CLOSE, 0, 0);
  });
  loop();
  user.join();
  return side;
}
