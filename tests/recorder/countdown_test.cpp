// The countdown before a take as a user meets it: the numbers follow the clock (a stand-in the
// test moves on, so nothing sleeps for seconds), it runs out after its last second, Esc pressed
// on the keyboard and CancelCountdown end it at once, and the window is gone, the screen showing
// what it covered, when it returns.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "app/recorder/countdown_window.h"
#include "components/services/steady_clock.h"
#include "tests/recorder/colour_patch.h"
#include "tests/recorder/user_alongside.h"
#include "tools/drive/keyboard.h"
#include "tools/drive/outside_window.h"
#include "tools/drive/waiting.h"

namespace {

constexpr RECT kPatchPlace{400, 300, 600, 450};
constexpr POINT kMiddle{500, 375};
constexpr COLORREF kPatchColour = RGB(200, 60, 40);
constexpr ScreenArea kOver{400, 300, 200, 150};

std::atomic<int64_t> now{0};
int64_t StandInClock() { return now.load(); }

// While it lives the countdown's clock is the stand-in, at 0 until the test moves it on.
class StandInClockInstalled {
 public:
  StandInClockInstalled() : real_(SetSteadyClockStandIn(StandInClock)) { now = 0; }
  ~StandInClockInstalled() { SetSteadyClockStandIn(real_); }
  StandInClockInstalled(const StandInClockInstalled&) = delete;
  StandInClockInstalled& operator=(const StandInClockInstalled&) = delete;

 private:
  SteadyClockStandIn real_;
};

std::vector<std::string> numbers;  // what the window showed as the user's side looked

void LookAtTheNumber() { numbers.push_back(TextOf(FindWindowW(kCountdownClass, nullptr))); }

// The countdown looks at the clock every 50 ms; it has looked a few times before the number is
// read.
void MoveTheClockTo(int64_t microseconds, const char* expected) {
  now = microseconds;
  PumpFor(150);
  WaitUntil([&] { return TextOf(FindWindowW(kCountdownClass, nullptr)) == expected; }, 2.0);
  LookAtTheNumber();
}

struct CountdownRow {
  const char* what;
  int seconds;
  std::function<void()> steps;
  bool ranOut;
  std::vector<std::string> seen;
};

const CountdownRow kCountdowns[] = {
    {"two seconds run out", 2,
     [] {
       LookAtTheNumber();
       MoveTheClockTo(999'999, "2");
       MoveTheClockTo(1'000'000, "1");
       now = 2'000'000;
     },
     true, {"2", "2", "1"}},
    {"Esc cancels", 5,
     [] {
       LookAtTheNumber();
       PressKey(VK_ESCAPE);
     },
     false, {"5"}},
    {"CancelCountdown cancels", 3,
     [] {
       MoveTheClockTo(1'500'000, "2");
       CancelCountdown();
     },
     false, {"2"}},
};

TEST(Countdown, TheNumbersFollowTheClockAndEscOrACallEndIt) {
  const ColourPatch patch(kPatchPlace, kPatchColour);
  const StandInClockInstalled clock;
  for (const CountdownRow& row : kCountdowns) {
    SCOPED_TRACE(row.what);
    now = 0;
    numbers.clear();
    bool ranOut = false;
    const UserSide user = RunWhileUserActs(kCountdownClass, row.steps, [&] {
      ranOut = RunCountdown(kOver, row.seconds);
      EXPECT_EQ(FindWindowW(kCountdownClass, nullptr), nullptr) << "the countdown is gone";
      EXPECT_EQ(ScreenColourAt(kMiddle), kPatchColour) << "the screen shows what the countdown covered";
    });
    EXPECT_TRUE(user.sawWindow);
    EXPECT_FALSE(user.leftOpen);
    EXPECT_EQ(ranOut, row.ranOut);
    EXPECT_EQ(numbers, row.seen);
  }
  EXPECT_TRUE(RunCountdown(kOver, 0)) << "no countdown at all";
  EXPECT_EQ(FindWindowW(kCountdownClass, nullptr), nullptr);
}

}  // namespace
