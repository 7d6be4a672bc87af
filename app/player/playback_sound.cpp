#include "app/player/playback_sound.h"

#include "app/player/player_state.h"
#include "app/recording/sound_entry.h"
#include "components/sound/sound_format.h"
#include "components/sound/sound_output.h"
#include "controls/property_indexes.h"
#include "forms/player_window.h"

namespace {

using namespace PlayerWindow;

constexpr UnitAddress kMuteButton{kId, 静音按钮};
constexpr int64_t kMicrosecondsPerSecond = 1'000'000;

// What a click on 静音按钮 does, by whether the sound is muted.
constexpr const char* kMuteCaptions[] = {"静音", "取消静音"};

SoundOutput output;
int soundRate = 0;

int64_t SoundFrameOf(int frame) {
  return static_cast<int64_t>(SoundFramesBefore(frame, PlayerFrameRate, soundRate));
}

}  // namespace

void OpenRecordingSound() {
  soundRate = output.Open(SoundEntryPath(ExtractionFolder)) ? output.format().rate : 0;
  ShowMuteButton();
}

void CloseRecordingSound() {
  output.Close();
  soundRate = 0;
}

int RecordingSoundRate() { return soundRate; }

void PlaySoundFrom(int frame) {
  if (output.Paused()) {
    output.Resume();
  } else {
    output.Play(static_cast<uint64_t>(SoundFrameOf(frame)));
  }
}

void PauseSound() { output.Pause(); }

void StopSound() { output.Stop(); }

std::optional<int64_t> SoundHeardSinceFrameBegan(int frame) {
  const std::optional<uint64_t> heard = output.HeardFrame();
  if (!heard || soundRate == 0) return std::nullopt;
  return (static_cast<int64_t>(*heard) - SoundFrameOf(frame)) * kMicrosecondsPerSecond / soundRate;
}

void ShowMuteButton() {
  if (!IsWindowLoaded(kId)) return;
  SetEnabled(kMuteButton, soundRate != 0);
  WriteProperty(kMuteButton, button_property::kCaption, std::string(kMuteCaptions[output.muted() ? 1 : 0]));
}

void ToggleMute(EventRecord&) {
  output.SetMuted(!output.muted());
  ShowMuteButton();
}

void ForgetMute() { output.SetMuted(false); }
