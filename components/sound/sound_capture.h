// What a take hears: the microphone (the system's default capture device, or one by name) and
// the computer's own sound (what the default output plays, through WASAPI loopback), each in
// shared mode at the device's own format, on a thread of its own. Samples reach the caller's
// sink on that thread as 32-bit floats, interleaved, with the moment they were read.
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "components/sound/sound_format.h"

enum class SoundSourceKind { Microphone, ComputerSound };

// Why a source gives no sound. None: it runs.
enum class SoundRefusal {
  None,
  NoDevice,      // no such device, or none at all
  AccessDenied,  // the system's privacy settings keep the program from it
  NotSupported,  // the system cannot record it (no loopback capture)
  Failed,        // the device refused to start for another reason
};

// The names of the capture devices present, as the system shows them (UTF-8).
std::vector<std::string> MicrophoneNames();

class SoundCapture {
 public:
  // Called on the capture thread with each packet read: `frames` sample frames of
  // format().channels floats each, and SteadyMicroseconds() when the packet was read.
  using Sink = std::function<void(const float* interleaved, size_t frames, int64_t readAt)>;

  SoundCapture() = default;
  SoundCapture(const SoundCapture&) = delete;
  SoundCapture& operator=(const SoundCapture&) = delete;
  ~SoundCapture() { Stop(); }

  // Opens the source (`deviceName` empty: the default device; a microphone's name otherwise,
  // ignored for the computer's sound) and starts reading it into `sink`. Returns once the
  // device has started or refused; None when it runs.
  SoundRefusal Start(SoundSourceKind kind, const std::string& deviceName, Sink sink);
  // Ends the reading; the sink is not called after it returns. Nothing when not running.
  void Stop();
  bool IsRunning() const { return thread_.joinable(); }
  // The device's format, valid once Start gave None.
  SoundFormat format() const { return format_; }
  // The loudest sample read since the last call, 0 to 1: a level bar's reading.
  float TakePeak() { return peak_.exchange(0.0f); }

 private:
  void Run(SoundSourceKind kind, std::string deviceName, Sink sink);

  std::thread thread_;
  SoundFormat format_;
  std::atomic<float> peak_{0.0f};
  std::atomic<bool> stopping_{false};
  // Start waits for the thread to say whether the device started: 0 not yet, 1 running, 2 refused.
  std::mutex startLock_;
  std::condition_variable startChanged_;
  int started_ = 0;
  SoundRefusal refusal_ = SoundRefusal::None;
};
