// The settings file's text rules without a file: the INI text keeps every line it does not own,
// reads what it can of a damaged text, and hotkeys read and write as "Alt+F9"-style texts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "app/settings/hotkey_text.h"
#include "app/settings/ini_text.h"
#include "app/settings/settings_file.h"
#include "app/settings/sound_level_bar.h"
#include "app/settings/sound_refusal_text.h"

namespace {

constexpr uint32_t kAlt = 0x1, kCtrl = 0x2, kShift = 0x4, kWin = 0x8;

TEST(IniText, ValuesReadWithoutRegardToCaseOrBlanks) {
  const IniText ini = IniText::Parse(
      "; a comment\r\n"
      "top=before any section\r\n"
      "[Hotkeys]\r\n"
      "  RecordOrStop =  Ctrl+F9  \r\n"
      "recordorstop=second\r\n"
      "# another comment=not a key\r\n"
      "[  recording ]\n"
      "DrawPointer=0\n"
      "Empty=\n");
  EXPECT_EQ(ini.Value("hotkeys", "RECORDORSTOP"), "Ctrl+F9");
  EXPECT_EQ(ini.Value("Recording", "DrawPointer"), "0");
  EXPECT_EQ(ini.Value("Recording", "Empty"), "");
  EXPECT_EQ(ini.Value("", "top"), "before any section");
  EXPECT_FALSE(ini.Value("Hotkeys", "# another comment"));
  EXPECT_FALSE(ini.Value("Hotkeys", "DrawPointer"));
  EXPECT_FALSE(ini.Value("Missing", "DrawPointer"));
}

TEST(IniText, StoringKeepsEveryLineItDoesNotOwn) {
  IniText ini = IniText::Parse(
      "\xEF\xBB\xBF; 用户的注释\n"
      "[Hotkeys]\n"
      "RecordOrStop=Alt+F9\n"
      "Future=keep me\n"
      "\n"
      "[Other]\n"
      "; 另一个注释\n"
      "x=1\n");
  ini.SetValue("Hotkeys", "RecordOrStop", "Ctrl+F8");
  ini.SetValue("Hotkeys", "PauseOrResume", "");
  ini.SetValue("Recording", "DrawPointer", "1");
  EXPECT_EQ(ini.Text(),
            "; 用户的注释\r\n"
            "[Hotkeys]\r\n"
            "RecordOrStop=Ctrl+F8\r\n"
            "Future=keep me\r\n"
            "PauseOrResume=\r\n"
            "\r\n"
            "[Other]\r\n"
            "; 另一个注释\r\n"
            "x=1\r\n"
            "[Recording]\r\n"
            "DrawPointer=1\r\n");
  EXPECT_EQ(IniText::Parse(ini.Text()).Text(), ini.Text());
}

TEST(IniText, ForeignTextReadsAsEmptyAndBadLinesAreLeftOut) {
  const std::string utf16("\xFF\xFE[\0H\0]\0", 8);
  EXPECT_TRUE(IniText::Parse(utf16).empty());
  EXPECT_TRUE(IniText::Parse(std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)).empty());
  const IniText partly = IniText::Parse(
      "[Recording]\n"
      "DrawPointer=\xC0\xAF\n"
      "Highlight\x01Clicks=1\n"
      "HighlightClicks=1\n"
      "ExcludeOwnWindows=\xE5\xBD");
  EXPECT_FALSE(partly.Value("Recording", "DrawPointer"));
  EXPECT_FALSE(partly.Value("Recording", "ExcludeOwnWindows"));
  EXPECT_EQ(partly.Value("Recording", "HighlightClicks"), "1");
  EXPECT_EQ(partly.Text(), "[Recording]\r\nHighlightClicks=1\r\n");
}

TEST(HotkeyText, WritesAndReadsBackEveryKindOfKey) {
  const std::vector<std::tuple<Hotkey, std::string>> cases = {
      {{kAlt, 0x78}, "Alt+F9"},
      {{kAlt, 0x79}, "Alt+F10"},
      {{kCtrl | kShift | kAlt | kWin, 0x87}, "Ctrl+Shift+Alt+Win+F24"},
      {{kCtrl, 'A'}, "Ctrl+A"},
      {{kShift, '7'}, "Shift+7"},
      {{kCtrl, 0x65}, "Ctrl+Num5"},
      {{kAlt, 0x20}, "Alt+Space"},
      {{kAlt, 0x6B}, "Alt+NumAdd"},
      {{kCtrl, 0xBD}, "Ctrl+-"},
      {{kCtrl, 0xE2}, "Ctrl+0xE2"},
      {{0, 0x13}, "Pause"},
      {Hotkey{}, ""},
  };
  for (const auto& [hotkey, text] : cases) {
    EXPECT_EQ(HotkeyText(hotkey), text);
    EXPECT_EQ(ParseHotkeyText(text), hotkey) << text;
  }
}

TEST(HotkeyText, ReadsLooseSpellingsAndRefusesNonsense) {
  EXPECT_EQ(ParseHotkeyText(" alt + f9 "), (Hotkey{kAlt, 0x78}));
  EXPECT_EQ(ParseHotkeyText("Shift+Control+x"), (Hotkey{kCtrl | kShift, 'X'}));
  EXPECT_EQ(ParseHotkeyText("   "), Hotkey{});
  for (const char* nonsense : {"Alt+", "Alt", "Alt+Alt+F9", "Alt+F25", "Alt+F0", "Hyper+F9", "Alt+Num10",
                               "Alt+0x00", "Alt+0xZZ", "F9+Alt", "录制", "Alt+F9+"}) {
    EXPECT_FALSE(ParseHotkeyText(nonsense)) << nonsense;
  }
}

TEST(SettingsText, RoundTripsEverySettingAndKeepsDefaultsForWhatCannotBeRead) {
  Settings changed;
  changed.recordOrStopKey = {kCtrl | kShift, 'R'};
  changed.pauseOrResumeKey = {};
  changed.drawPointer = false;
  changed.highlightClicks = true;
  changed.excludeOwnWindows = false;
  changed.captureChoice = CaptureChoice::Region;
  changed.captureArea = {-1280, 20, 321, 241};
  changed.frameRate = 30;
  changed.countdownSeconds = 10;
  changed.recordMicrophone = true;
  changed.microphoneName = "麦克风 (USB Audio) = 2";
  changed.microphoneLevel = 0;
  changed.recordComputerSound = true;
  changed.computerSoundLevel = 200;
  IniText ini;
  PutSettingsInto(ini, changed);
  EXPECT_EQ(SettingsFromIni(IniText::Parse(ini.Text())), changed);
  EXPECT_TRUE(ini.Text().starts_with("; "));

  const Settings read = SettingsFromIni(IniText::Parse(
      "[Hotkeys]\nRecordOrStop=Alt+Nonsense\nPauseOrResume=\n"
      "[Recording]\nDrawPointer=yes\nHighlightClicks=1\nExcludeOwnWindows=2\n"
      "[Capture]\nChoice=Everything\nArea=0,0,15,900\nFrameRate=25\nCountdown=11\n"
      "[Sound]\nMicrophone=yes\nMicrophoneDevice=\nMicrophoneLevel=201\nComputerSound=1\nComputerSoundLevel=-1\n"));
  Settings expected;
  expected.pauseOrResumeKey = {};
  expected.highlightClicks = true;
  expected.recordComputerSound = true;
  EXPECT_EQ(read, expected);
  EXPECT_EQ(SettingsFromIni(IniText()), Settings{});
  for (const char* area : {"1,2,300", "1,2,300,200,5", "a,2,300,200", "1,,300,200", "1,2,-300,200", "1,2,3000000000,20"})
    EXPECT_TRUE(SettingsFromIni(IniText::Parse(std::string("[Capture]\nArea=") + area + "\n")).captureArea.IsEmpty()) << area;
  const std::vector<std::tuple<std::string, int>> levels = {
      {"0", 0}, {" 73 ", 73}, {"200", 200}, {"201", 100}, {"-5", 100}, {"50%", 100}, {"", 100}, {"1e2", 100}};
  for (const auto& [text, level] : levels)
    EXPECT_EQ(SettingsFromIni(IniText::Parse("[Sound]\nMicrophoneLevel=" + text)).microphoneLevel, level) << text;
}

// The bar reads decibels of what the recording would hold: 60 dB below full scale is empty.
TEST(LevelBar, ShowsTheLoudestSampleAtItsLevelInDecibels) {
  const std::vector<std::tuple<float, int, int>> cases = {
      {0.0f, 100, 0},   {1.0f, 100, 100}, {0.5f, 100, 90},  {0.01f, 100, 33}, {0.001f, 100, 0},
      {0.5f, 200, 100}, {0.5f, 0, 0},     {0.9f, 150, 100}, {-1.0f, 100, 0},  {std::nanf(""), 100, 0},
  };
  for (const auto& [peak, level, position] : cases)
    EXPECT_EQ(LevelBarPosition(peak, level), position) << peak << " at " << level << "%";
}

// Every refusal has a reason for each source that reads inside a sentence; a running source none.
TEST(SoundRefusalText, NamesEveryRefusalWithoutAFullStop) {
  for (const SoundSourceKind kind : {SoundSourceKind::Microphone, SoundSourceKind::ComputerSound}) {
    EXPECT_EQ(SoundRefusalText(kind, SoundRefusal::None), "");
    for (const SoundRefusal refusal :
         {SoundRefusal::NoDevice, SoundRefusal::AccessDenied, SoundRefusal::NotSupported, SoundRefusal::Failed}) {
      EXPECT_FALSE(SoundRefusalText(kind, refusal).empty());
      EXPECT_FALSE(SoundRefusalText(kind, refusal).ends_with("。"));
    }
  }
}

}  // namespace
