// Plays a recording's track through the system's default output, on a thread of its own: the
// calling thread only hands its wishes over and reads the position, never waiting on the device.
// WASAPI in shared mode, with the engine converting the track's rate and channels to its mix:
// its clock tells the sample being heard, where waveOut's position (on some systems) counts what
// was handed to the engine, a tenth of a second or more ahead of the ear.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "components/services/win_handle.h"
#include "components/sound/sound_format.h"

class SoundOutput {
 public:
  SoundOutput() = default;
  SoundOutput(const SoundOutput&) = delete;
  SoundOutput& operator=(const SoundOutput&) = delete;
  ~SoundOutput() { Close(); }

  // Closes the track before, then takes the WAV at `path` (UTF-8) and opens the default output
  // for it on the output's thread. False, with nothing opened, when the file is no WAV the
  // reader takes. Without an output device the output stays silent: every call below is then
  // taken and does nothing, and HeardFrame answers nothing.
  bool Open(const std::string& path);
  // Ends the playing and the thread and lets go of the file and the device; waits for the
  // device to close (milliseconds). Nothing when not open.
  void Close();

  // Plays from sample frame `frame` on, whatever played or paused before; silence past the
  // track's end, until Stop, so the position runs on as long as it plays.
  void Play(uint64_t frame);
  // Holds the sound where it is; nothing unless playing.
  void Pause();
  // Goes on from where Pause held it; nothing unless paused.
  void Resume();
  // Ends the playing; the position is forgotten.
  void Stop();
  bool Paused() const;
  // Silence in place of the track at once, the position running on as if it were heard; kept
  // over Play, Stop and a new Open.
  void SetMuted(bool muted);
  bool muted() const { return muted_; }

  // The sample frame of the track being heard at this moment, by the device's own clock
  // (read every few milliseconds, the time since added), while it plays or is paused on a
  // device; nothing when stopped, before the device has opened, and without one.
  std::optional<uint64_t> HeardFrame() const;
  // The track's format; valid after Open gave true.
  SoundFormat format() const { return format_; }

 private:
  enum class Mode { Stopped, Playing, Paused };
  // What the caller asked for: a new `start` (Play, Stop) counts up `generation`.
  struct Wish {
    Mode mode = Mode::Stopped;
    uint64_t start = 0;
    uint64_t generation = 0;
    bool closing = false;
  };
  // The device's position as the thread last read it, for the wish of `generation`.
  struct Reading {
    uint64_t generation = 0;
    uint64_t frame = 0;
    int64_t at = 0;        // SteadyMicroseconds() of the reading
    bool moving = false;   // the device's clock moved since the reading before
  };
  class Device;

  void Run(std::string path);
  void Ask(const Wish& wish);
  Wish TakeWish() const;
  void Publish(const Reading& reading);

  EventHandle wake_;
  std::thread thread_;
  SoundFormat format_;
  std::atomic<bool> muted_ = false;
  std::atomic<bool> deviceOpen_ = false;
  mutable std::mutex lock_;
  Wish wish_;
  Reading reading_;
};
