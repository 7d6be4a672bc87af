// The settings file: settings.ini, UTF-8 text in the INI form. A settings.ini beside velmo.exe
// makes a portable copy that keeps its settings there; otherwise the file lives in the user's
// roaming application-data folder, in a folder named after the program.
//
// The file reads:
//   [Hotkeys]
//   RecordOrStop=Alt+F9        (hotkey_text.h; empty for no hotkey)
//   PauseOrResume=Alt+F10
//   [Recording]
//   DrawPointer=1              (1 on, 0 off)
//   HighlightClicks=0
//   ExcludeOwnWindows=1
//   [Capture]
//   Choice=FullScreen          (FullScreen, Monitor, Region or Window)
//   Area=left,top,width,height (the last monitor, region or window chosen; physical pixels)
//   FrameRate=10               (10, 15, 20 or 30)
//   Countdown=0                (seconds, 0 to 10)
//   [Save]
//   Quality=80                 (the last save's quality: 20, 40, 60, 80 or 100)
//   [Sound]
//   Microphone=0               (1 records the microphone)
//   MicrophoneDevice=          (the capture device's name, UTF-8; empty for the default one)
//   MicrophoneLevel=100        (percent, 0 to 200)
//   ComputerSound=0            (1 records what the computer plays)
//   ComputerSoundLevel=100
// A value that cannot be read keeps its default; sections, keys and comments the program does
// not know are kept when it stores its own.
#pragma once
#include <string>

#include "app/settings/ini_text.h"
#include "app/settings/settings.h"

// The name of the file, and of the folder in the application-data folder that holds it.
inline constexpr char kSettingsFileName[] = "settings.ini";
inline constexpr char kSettingsFolderName[] = "Velmo屏幕录像器";
// No settings file of this program comes near this; what lies beyond it is not read.
inline constexpr size_t kSettingsReadLimit = 64 * 1024;

// `programFolder`\settings.ini when that file exists, otherwise
// `appDataFolder`\Velmo屏幕录像器\settings.ini. Both folders end in "\".
std::string ChooseSettingsFilePath(const std::string& programFolder, const std::string& appDataFolder);
// The path the program uses: the choice above for velmo.exe's folder and the user's roaming
// application-data folder.
std::string SettingsFilePath();

// The settings in `ini`: each value it holds readable, the default for each other.
Settings SettingsFromIni(const IniText& ini);
// Writes every setting into `ini`, leaving its other lines alone.
void PutSettingsInto(IniText& ini, const Settings& settings);

// The settings the file holds; the defaults for what is missing or cannot be read (no file, a
// foreign or damaged one). Reads at most kSettingsReadLimit bytes.
Settings LoadSettingsFile(const std::string& path);
// Writes `settings` into the file, keeping its other lines, through a temporary file in the same
// folder that is flushed and then renamed onto it, so the file is either the old one or the new
// one, whole. Creates the file's folder (not its parents) when missing. False when the file
// cannot be written (a read-only folder): the old file is then untouched and no temporary file
// stays behind.
bool StoreSettingsFile(const std::string& path, const Settings& settings);
