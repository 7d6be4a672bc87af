// The sound of a take: each source the settings turn on is recorded beside the frames, into the
// working folder (take_sound_files.h names the files), as it comes, in step with the take's clock
// (components/sound/sound_aligner.h) and flushed twice a second, so a kill loses at most the last
// half second. A pause takes the same stretch out of the sound as out of the frames. Each source
// runs on the capture thread of its own; this class only starts, steers and ends them.
#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "components/sound/sound_aligner.h"
#include "components/sound/sound_capture.h"
#include "components/sound/wav_file.h"

// A source the settings ask for, and what the system answered.
struct TakeSoundSource {
  SoundSourceKind kind = SoundSourceKind::Microphone;
  std::string deviceName;  // the microphone's; empty: the default
};
struct SoundSourceAnswer {
  SoundSourceKind kind = SoundSourceKind::Microphone;
  SoundRefusal refusal = SoundRefusal::None;
};

class TakeSound {
 public:
  static constexpr int64_t kFlushEveryMicroseconds = 500'000;

  ~TakeSound() { Finish(); }
  // Starts each source into its file in `folder`; a source the system refuses is left out.
  // Gives the answers, refusals included. Nothing is kept until GoOnAt.
  std::vector<SoundSourceAnswer> Begin(const std::string& folder, const std::vector<TakeSoundSource>& sources);
  // The take's clock runs from `takeMicroseconds` at `steadyAt` (its start, or after a pause).
  void GoOnAt(int64_t steadyAt, int64_t takeMicroseconds);
  void Pause();
  // A source's file could not be written (a full disk, a lost drive): the take must stop, as
  // for a frame. What was flushed before stays.
  bool Failed() const { return failed_; }
  // Ends every source at once and closes its file. Nothing when none runs.
  void Finish();
  // The corrections the sources' clocks asked for in the last take, in sample frames of all its
  // sources together, known once it has finished.
  uint64_t FramesCorrected() const { return corrected_; }

 private:
  struct Source {
    explicit Source(int rate) : aligner(rate) {}
    SoundCapture capture;
    std::mutex lock;  // the file and the aligner, between the capture thread and this one
    SoundFileWriter file;
    SoundAligner aligner;
    int64_t lastFlush = 0;
  };
  void Keep(Source& source, const float* samples, size_t frames, int64_t readAt);

  std::vector<std::unique_ptr<Source>> sources_;
  std::atomic<bool> failed_{false};
  uint64_t corrected_ = 0;
};
