#include "app/recorder/own_windows_capture.h"

#include "app/recorder/capture_affinity_system.h"
#include "controls/loaded_form_windows.h"

namespace {

CaptureAffinitySystem affinitySystem{RunningSystemVersion, SetWindowDisplayAffinity};
bool keepingOut = false;

DWORD WantedAffinity() { return keepingOut ? WDA_EXCLUDEFROMCAPTURE : WDA_NONE; }

void SetAffinity(HWND window) { affinitySystem.setAffinity(window, WantedAffinity()); }

// A window loaded while the windows are kept out is kept out before it is ever shown, so not even
// its first picture on the screen is captured. A new window is let in from the start.
void FollowChoice(HWND window) {
  if (keepingOut) SetAffinity(window);
}

}  // namespace

CaptureAffinitySystem SetCaptureAffinitySystem(CaptureAffinitySystem system) {
  const CaptureAffinitySystem replaced = affinitySystem;
  affinitySystem = system;
  return replaced;
}

bool CanKeepWindowsOutOfFrames() { return KeepsWindowsOutOfCaptures(affinitySystem.version()); }

// A refused call leaves that window in the frames, as before; there is nothing better to do for
// it, and the others are still kept out. The same choice again changes nothing: every loaded
// window already follows it (a window made before the first choice is let in, as the system
// makes it), so the settings' 确定 does not touch the windows when the option stayed as it was.
void KeepProgramWindowsOutOfFrames(bool keepOut) {
  if (!CanKeepWindowsOutOfFrames()) return;
  SetFormWindowMade(FollowChoice);
  if (keepOut == keepingOut) return;
  keepingOut = keepOut;
  for (HWND window : LoadedFormWindows()) SetAffinity(window);
}
