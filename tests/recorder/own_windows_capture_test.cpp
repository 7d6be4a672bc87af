// The program's own windows kept out of the frames: every loaded window, and each one loaded
// later before it is ever shown, gets the capture exclusion, and loses it again when the user
// lets them in; systems before Windows 10 version 2004 are left as they are. This Wine reports
// an older Windows and its call changes nothing, so a stand-in system records the calls; the
// last test asks the real system and reads the value back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "app/recorder/capture_affinity_system.h"
#include "app/recorder/own_windows_capture.h"
#include "controls/runtime.h"
#include "forms/player_window.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"

namespace {

struct AffinityCall {
  HWND window;
  DWORD affinity;
  bool visible;  // whether the window was already on the screen when the call came
};
std::vector<AffinityCall> calls;
SystemVersion standInVersion;

SystemVersion StandInVersion() { return standInVersion; }
BOOL WINAPI RecordAffinity(HWND window, DWORD affinity) {
  calls.push_back({window, affinity, IsWindowVisible(window) != FALSE});
  return TRUE;
}

// While it lives the program asks a stand-in system of `version`, which records every call; the
// windows are let in again at its end, so no later test meets the choice.
class StandInSystem {
 public:
  explicit StandInSystem(SystemVersion version)
      : real_(SetCaptureAffinitySystem({StandInVersion, RecordAffinity})) {
    standInVersion = version;
    calls.clear();
  }
  ~StandInSystem() {
    KeepProgramWindowsOutOfFrames(false);
    SetCaptureAffinitySystem(real_);
  }
  StandInSystem(const StandInSystem&) = delete;
  StandInSystem& operator=(const StandInSystem&) = delete;

 private:
  CaptureAffinitySystem real_;
};

std::vector<DWORD> AffinitiesOf(HWND window) {
  std::vector<DWORD> affinities;
  for (const AffinityCall& call : calls) {
    if (call.window == window) affinities.push_back(call.affinity);
  }
  return affinities;
}

const std::vector<DWORD> kKeptOut{WDA_EXCLUDEFROMCAPTURE};

TEST(OwnWindowsCapture, EveryWindowIsKeptOutBeforeItIsShownAndLetInAgain) {
  const StandInSystem windows10version2004({10, 0, 19041});
  RunRecorder([] {
    ASSERT_TRUE(CanKeepWindowsOutOfFrames());
    const HWND recorder = LiveHwnd({RecorderWindow::kId, RecorderWindow::kId});
    KeepProgramWindowsOutOfFrames(true);
    EXPECT_EQ(AffinitiesOf(recorder), kKeptOut);

    LoadWindow(PlayerWindow::kId, 0, false);
    const HWND player = LiveHwnd({PlayerWindow::kId, PlayerWindow::kId});
    EXPECT_EQ(AffinitiesOf(player), kKeptOut);
    HWND dialog = nullptr;
    WhenLoaded(SaveDialog::kId, [&] {
      dialog = LiveHwnd({SaveDialog::kId, SaveDialog::kId});
      PostClick({SaveDialog::kId, SaveDialog::取消按钮});
    });
    LoadWindow(SaveDialog::kId, 0, true);
    EXPECT_EQ(AffinitiesOf(dialog), kKeptOut);
    for (const AffinityCall& call : calls) EXPECT_FALSE(call.window != recorder && call.visible) << "shown first";

    calls.clear();
    KeepProgramWindowsOutOfFrames(false);
    EXPECT_EQ(AffinitiesOf(recorder), std::vector<DWORD>{WDA_NONE});
    EXPECT_EQ(AffinitiesOf(player), std::vector<DWORD>{WDA_NONE});
    EXPECT_EQ(calls.size(), 2u) << "the closed SaveDialog is not asked";
    calls.clear();
    DestroyWindow(PlayerWindow::kId, true);
    LoadWindow(PlayerWindow::kId, 0, false);
    EXPECT_TRUE(calls.empty()) << "a window loaded while they are let in is left as it is";
  });
}

TEST(OwnWindowsCapture, SystemsBeforeVersion2004AreLeftAsTheyAre) {
  const StandInSystem windows10version1909({10, 0, 18363});
  RunRecorder([] {
    EXPECT_FALSE(CanKeepWindowsOutOfFrames());
    KeepProgramWindowsOutOfFrames(true);
    LoadWindow(PlayerWindow::kId, 0, false);
  });
  EXPECT_TRUE(calls.empty());
}

// What the running system answers; on Windows 10 version 2004 and later the windows then carry
// the exclusion, elsewhere (this Wine among them) they keep the affinity they had.
TEST(OwnWindowsCapture, TheRealSystemKeepsTheWindowsOutWhereItCan) {
  RunRecorder([] {
    const bool can = CanKeepWindowsOutOfFrames();
    const HWND recorder = LiveHwnd({RecorderWindow::kId, RecorderWindow::kId});
    KeepProgramWindowsOutOfFrames(true);
    LoadWindow(PlayerWindow::kId, 0, false);
    const HWND player = LiveHwnd({PlayerWindow::kId, PlayerWindow::kId});
    for (HWND window : {recorder, player}) {
      DWORD affinity = 0xFFFF;
      ASSERT_TRUE(GetWindowDisplayAffinity(window, &affinity));
      EXPECT_EQ(affinity, can ? static_cast<DWORD>(WDA_EXCLUDEFROMCAPTURE) : static_cast<DWORD>(WDA_NONE));
    }
    KeepProgramWindowsOutOfFrames(false);
    DWORD affinity = 0xFFFF;
    ASSERT_TRUE(GetWindowDisplayAffinity(recorder, &affinity));
    EXPECT_EQ(affinity, static_cast<DWORD>(WDA_NONE));
    const SystemVersion version = RunningSystemVersion();
    std::printf("system %u.%u.%u: windows %s out of the frames\n", version.major, version.minor, version.build,
                can ? "kept" : "not kept");
  });
}

}  // namespace
