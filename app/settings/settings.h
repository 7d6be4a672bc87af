// The user's settings: the two global hotkeys, the recorder's options, what a take records and
// how fast, and the quality of the last save. Plain values;
// the settings file (settings_file.h) reads and writes them, the settings window edits them,
// and the recorder acts on them.
#pragma once
#include <cstdint>
#include <string>

#include "components/services/hotkey_modifiers.h"
#include "components/services/services.h"

// A key combination as the system's hotkey registration takes it: MOD_ALT, MOD_CONTROL,
// MOD_SHIFT and MOD_WIN in `modifiers` and a virtual-key code in `key`. A key of 0 is no
// hotkey at all.
struct Hotkey {
  uint32_t modifiers = 0;
  uint32_t key = 0;
  bool IsNone() const { return key == 0; }
  bool operator==(const Hotkey&) const = default;
};

// The quality of a first save, and of every save until the user picks another.
inline constexpr int kDefaultSaveQuality = 80;

// What a take records: the primary screen, one monitor of several, or a rectangle the user
// drags (a region) or picks by clicking a window. A monitor's, a region's and a window's
// rectangle is kept in `captureArea`, in physical pixels of the virtual screen (ScreenArea,
// components/services/services.h): left and top may be negative (a monitor left of or above
// the primary one).
enum class CaptureChoice { FullScreen, Monitor, Region, Window };

// The smallest region a take records, on either side.
inline constexpr int kSmallestAreaSide = 16;
// The longest countdown before a take, in seconds.
inline constexpr int kLongestCountdown = 10;

// The two jobs a hotkey can have.
enum class HotkeyJob { RecordOrStop, PauseOrResume };

struct Settings {
  Hotkey recordOrStopKey{hotkey_modifier::kAlt, 0x78 /* VK_F9 */};
  Hotkey pauseOrResumeKey{hotkey_modifier::kAlt, 0x79 /* VK_F10 */};
  // "录制鼠标指针": the pointer drawn into each frame.
  bool drawPointer = true;
  // "突出显示鼠标点击": a ring around the pointer while a mouse button is down.
  bool highlightClicks = false;
  // "录制时不录入本程序窗口": the program's own windows kept out of the frames where the
  // system can do it.
  bool excludeOwnWindows = true;
  // The quality SaveDialog opens at, in percent: the one last saved at (20, 40, 60, 80 or 100).
  // A take codes its frames ahead at this quality, so saving at it again takes seconds.
  int saveQuality = kDefaultSaveQuality;
  // What the next take records, and the rectangle of the last monitor, region or window chosen
  // (offered again); empty until one has been chosen.
  CaptureChoice captureChoice = CaptureChoice::FullScreen;
  ScreenArea captureArea;
  // Frames a second: 10, 15, 20 or 30.
  int frameRate = 10;
  // Seconds counted down before a take starts, 0 to kLongestCountdown; 0 starts it at once.
  int countdownSeconds = 0;
  // "录制麦克风": the capture device by its name (empty: the system's default), and the level it
  // is mixed at, in percent (0 to 200).
  bool recordMicrophone = false;
  std::string microphoneName;
  int microphoneLevel = 100;
  // "录制电脑声音": what the default output plays, and its level in the mix.
  bool recordComputerSound = false;
  int computerSoundLevel = 100;
  bool operator==(const Settings&) const = default;
};

// The settings the program runs with: the defaults until the settings file has been read.
const Settings& CurrentSettings();
// Makes `settings` current. The caller then tells the recorder (ApplyRecorderSettings).
void SetCurrentSettings(const Settings& settings);
