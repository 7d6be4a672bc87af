#include "app/settings/sound_settings_part.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/settings/settings_window_units.h"
#include "app/settings/sound_level_bar.h"
#include "app/settings/sound_refusal_text.h"
#include "components/sound/sound_capture.h"
#include "controls/property_indexes.h"
#include "forms/handler_id.h"
#include "forms/settings_window.h"

namespace {

using namespace SettingsWindow;

// The units of one source's rows.
struct SourceUnits {
  SoundSourceKind kind;
  UnitId box;
  UnitId slider;
  UnitId percent;
  UnitId levelLabel;
  UnitId bar;
  UnitId reason;
};

constexpr SourceUnits kMicrophone{SoundSourceKind::Microphone, 麦克风复选框, 麦克风音量滑块, 麦克风音量值标签,
                                  麦克风电平标签, 麦克风电平条, 麦克风原因标签};
constexpr SourceUnits kComputerSound{SoundSourceKind::ComputerSound, 电脑声音复选框, 电脑声音音量滑块,
                                     电脑声音音量值标签, 电脑声音电平标签, 电脑声音电平条, 电脑声音原因标签};

// What the window listens to while it is open, for the level bars only: the samples themselves
// are not kept. `devices` are the microphone list's items after 默认设备.
struct Listening {
  SoundCapture microphone;
  SoundCapture computerSound;
  std::vector<std::string> devices;
};
// Touched only by the user-interface thread; made as the window opens, ended as it closes.
std::unique_ptr<Listening> listening;

void IgnoreSamples(const float*, size_t, int64_t) {}

// Starts `capture` afresh on `device`; a source the system refuses is greyed, its level bar
// giving its place to the reason.
void Listen(const SourceUnits& source, SoundCapture& capture, const std::string& device) {
  capture.Stop();
  const SoundRefusal refusal = capture.Start(source.kind, device, IgnoreSamples);
  const bool runs = refusal == SoundRefusal::None;
  SetEnabled(SettingsUnit(source.box), runs);
  SetEnabled(SettingsUnit(source.slider), runs);
  WriteProperty(SettingsUnit(source.bar), process_bar_property::kPosition, 0);
  ShowNote(source.levelLabel, runs);
  ShowNote(source.bar, runs);
  WriteProperty(SettingsUnit(source.reason), label_property::kCaption, SoundRefusalText(source.kind, refusal));
  ShowNote(source.reason, !runs);
}

int LevelIn(const SourceUnits& source) {
  return std::clamp(ReadInt(SettingsUnit(source.slider), slider_bar_property::kPosition), 0, kLoudestSoundLevel);
}

void ShowLevelPercent(const SourceUnits& source) {
  WriteProperty(SettingsUnit(source.percent), label_property::kCaption, std::to_string(LevelIn(source)) + "%");
}

void ShowSource(const SourceUnits& source, bool recorded, int level) {
  ShowOption(source.box, recorded);
  const UnitAddress slider = SettingsUnit(source.slider);
  WriteProperty(slider, slider_bar_property::kMinimum, 0);
  WriteProperty(slider, slider_bar_property::kMaximum, kLoudestSoundLevel);
  WriteProperty(slider, slider_bar_property::kPosition, level);
  ShowLevelPercent(source);
  WriteProperty(SettingsUnit(source.bar), process_bar_property::kMaximum, kLevelBarFull);
}

// 默认设备, then the devices present; a device chosen earlier that is not present now stays
// offered (greyed as not found), so the choice outlasts a microphone unplugged for a while.
void ShowMicrophoneDevices(const std::string& chosen) {
  listening->devices = MicrophoneNames();
  std::vector<std::string>& devices = listening->devices;
  auto found = std::find(devices.begin(), devices.end(), chosen);
  if (!chosen.empty() && found == devices.end()) found = devices.insert(devices.end(), chosen);
  std::vector<std::string> items{kDefaultDeviceText};
  items.insert(items.end(), devices.begin(), devices.end());
  ShowChoice(麦克风设备组合框, items, chosen.empty() ? 0 : static_cast<int>(found - devices.begin()) + 1);
}

std::string MicrophoneChosen() {
  const int item = ChoiceIn(麦克风设备组合框);
  if (!listening || item < 1 || item > static_cast<int>(listening->devices.size())) return {};
  return listening->devices[static_cast<size_t>(item) - 1];
}

// The microphone list also stays open for a refused microphone: another device may do.
void MicrophoneDeviceChosen(EventRecord&) {
  if (listening) Listen(kMicrophone, listening->microphone, MicrophoneChosen());
}

void SoundLevelMoved(EventRecord&) {
  ShowLevelPercent(kMicrophone);
  ShowLevelPercent(kComputerSound);
}

// A bar shows the loudest sample since the last tick at the source's level, so it shows what
// the recording would hold.
void ShowLevel(const SourceUnits& source, SoundCapture& capture) {
  if (!capture.IsRunning()) return;
  WriteProperty(SettingsUnit(source.bar), process_bar_property::kPosition,
                LevelBarPosition(capture.TakePeak(), LevelIn(source)));
}

void SoundLevelTick(EventRecord&) {
  if (!listening) return;
  ShowLevel(kMicrophone, listening->microphone);
  ShowLevel(kComputerSound, listening->computerSound);
}

}  // namespace

// Both sources are listened to whether they are ticked or not, so the user sees a source work,
// or learns why it cannot, before choosing it.
void ShowSoundSettings(const Settings& settings) {
  listening = std::make_unique<Listening>();
  ShowSource(kMicrophone, settings.recordMicrophone, settings.microphoneLevel);
  ShowSource(kComputerSound, settings.recordComputerSound, settings.computerSoundLevel);
  ShowMicrophoneDevices(settings.microphoneName);
  Listen(kMicrophone, listening->microphone, settings.microphoneName);
  Listen(kComputerSound, listening->computerSound, {});
}

void PutSoundSettingsInto(Settings& settings) {
  settings.recordMicrophone = OptionIn(kMicrophone.box);
  settings.microphoneName = MicrophoneChosen();
  settings.microphoneLevel = LevelIn(kMicrophone);
  settings.recordComputerSound = OptionIn(kComputerSound.box);
  settings.computerSoundLevel = LevelIn(kComputerSound);
}

void StopListeningToSound() { listening.reset(); }

void AddSoundSettingsHandlers(HandlerTable& handlers) {
  handlers.Bind(HandlerId::MicrophoneDeviceChosen, MicrophoneDeviceChosen);
  handlers.Bind(HandlerId::SoundLevelMoved, SoundLevelMoved);
  handlers.Bind(HandlerId::SoundLevelTick, SoundLevelTick);
}
