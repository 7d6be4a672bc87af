// The recorder's side of the settings: the global hotkeys and keeping its windows out of the
// frames.
#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/recorder/hotkey_window.h"
#include "app/recorder/own_windows_capture.h"
#include "app/recorder/recorder_handlers.h"
#include "app/settings/hotkey_text.h"
#include "controls/tray_icon.h"
#include "forms/recorder_window.h"

namespace {

constexpr HotkeyJob kJobs[] = {HotkeyJob::RecordOrStop, HotkeyJob::PauseOrResume};

std::optional<HotkeyWindow> hotkeys;
// By job: whether the last apply found its combination held by another program.
bool heldElsewhere[std::size(kJobs)] = {};
// The combinations the tray has named as held elsewhere in this run of the recorder: each is
// named once, however often the settings are applied.
std::vector<Hotkey> namedAsHeld;

int IdOf(HotkeyJob job) { return static_cast<int>(job) + 1; }

void HotkeyPressed(int id) {
  for (HotkeyJob job : kJobs) {
    if (IdOf(job) == id) RunHotkeyJob(job);
  }
}

const Hotkey& KeyFor(const Settings& settings, HotkeyJob job) {
  return job == HotkeyJob::RecordOrStop ? settings.recordOrStopKey : settings.pauseOrResumeKey;
}

// One notice names every combination newly found held, so two do not push each other away.
void TellAboutHeldKeys(const std::vector<Hotkey>& keys) {
  if (keys.empty() || !IsWindowLoaded(RecorderWindow::kId)) return;
  std::string names;
  for (const Hotkey& key : keys) names += (names.empty() ? "" : "、") + HotkeyText(key);
  ShowTrayBalloon(RecorderWindow::kId, "Velmo屏幕录像器",
                  "快捷键" + names + "已被其他程序占用，未能启用。可在“设置”中另选。");
}

}  // namespace

// All are let go of before any is registered, so two keys that trade jobs register both. A
// combination given to both jobs serves the first (录制/停止) only: the program itself holds it,
// nobody else.
void ApplyRecorderSettings() {
  const Settings& settings = CurrentSettings();
  if (!hotkeys) hotkeys.emplace(HotkeyPressed);
  hotkeys->UnregisterAll();
  std::vector<Hotkey> newlyHeld;
  for (HotkeyJob job : kJobs) {
    const Hotkey& key = KeyFor(settings, job);
    const size_t at = static_cast<size_t>(job);
    heldElsewhere[at] = false;
    if (key.IsNone() || (job == HotkeyJob::PauseOrResume && key == settings.recordOrStopKey)) continue;
    heldElsewhere[at] = hotkeys->Register(IdOf(job), key) == HotkeyRegistration::HeldElsewhere;
    if (!heldElsewhere[at] || std::find(namedAsHeld.begin(), namedAsHeld.end(), key) != namedAsHeld.end()) continue;
    namedAsHeld.push_back(key);
    newlyHeld.push_back(key);
  }
  TellAboutHeldKeys(newlyHeld);
  KeepProgramWindowsOutOfFrames(settings.excludeOwnWindows);
}

void SuspendRecorderHotkeys() {
  if (hotkeys) hotkeys->UnregisterAll();
}

void ResumeRecorderHotkeys() {
  if (IsWindowLoaded(RecorderWindow::kId)) ApplyRecorderSettings();
}

bool HotkeyHeldElsewhere(HotkeyJob job) { return heldElsewhere[static_cast<size_t>(job)]; }

void ReleaseRecorderHotkeys() {
  hotkeys.reset();
  for (bool& held : heldElsewhere) held = false;
  namedAsHeld.clear();
}
