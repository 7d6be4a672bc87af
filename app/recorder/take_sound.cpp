#include "app/recorder/take_sound.h"

#include "app/recorder/take_sound_files.h"

std::vector<SoundSourceAnswer> TakeSound::Begin(const std::string& folder, const std::vector<TakeSoundSource>& sources) {
  Finish();
  failed_ = false;
  corrected_ = 0;
  std::vector<SoundSourceAnswer> answers;
  for (const TakeSoundSource& wanted : sources) {
    // The rate is known once the device has started; until the file is open the packets that
    // come are dropped, as before GoOnAt.
    auto source = std::make_unique<Source>(0);
    Source* kept = source.get();
    SoundRefusal refusal = kept->capture.Start(wanted.kind, wanted.deviceName,
                                               [this, kept](const float* samples, size_t frames, int64_t readAt) {
                                                 Keep(*kept, samples, frames, readAt);
                                               });
    if (refusal == SoundRefusal::None) {
      const std::lock_guard<std::mutex> hold(kept->lock);
      kept->aligner = SoundAligner(kept->capture.format().rate);
      if (!kept->file.Open(TakeSoundPath(folder, wanted.kind), kept->capture.format())) refusal = SoundRefusal::Failed;
    }
    if (refusal == SoundRefusal::None)
      sources_.push_back(std::move(source));
    answers.push_back({wanted.kind, refusal});
  }
  return answers;
}

void TakeSound::GoOnAt(int64_t steadyAt, int64_t takeMicroseconds) {
  for (auto& source : sources_) {
    const std::lock_guard<std::mutex> hold(source->lock);
    source->aligner.GoOnAt(steadyAt, takeMicroseconds);
  }
}

void TakeSound::Pause() {
  for (auto& source : sources_) {
    const std::lock_guard<std::mutex> hold(source->lock);
    source->aligner.Pause();
  }
}

// On the source's capture thread. After a failure nothing more is written: the file keeps what
// its last good flush left, and the take stops at the next tick.
void TakeSound::Keep(Source& source, const float* samples, size_t frames, int64_t readAt) {
  const std::lock_guard<std::mutex> hold(source.lock);
  if (failed_ || source.file.format().channels == 0) return;
  const SoundAligner::Placement placement = source.aligner.Place(source.file.Frames(), frames, readAt);
  if (placement.dropFirst >= frames) return;
  source.file.AppendSilence(placement.silenceBefore);
  source.file.Append(samples + placement.dropFirst * source.file.format().channels, frames - placement.dropFirst);
  if (readAt - source.lastFlush < kFlushEveryMicroseconds) return;
  source.lastFlush = readAt;
  if (!source.file.Flush()) failed_ = true;
}

void TakeSound::Finish() {
  for (auto& source : sources_) {
    source->capture.Stop();
    if (!source->file.Close()) failed_ = true;
    corrected_ += source->aligner.FramesAdded() + source->aligner.FramesDropped();
  }
  sources_.clear();
}
