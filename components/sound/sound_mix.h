// The one track of a recording, made from a take's sources, and a part of it cut out.
#pragma once
#include <string>
#include <vector>

// A source of a take as kept in the working folder, and the level it is mixed at, in percent.
struct SoundSourceFile {
  std::string path;
  int levelPercent = 100;
};

// Writes into `target` (UTF-8, created or replaced) a 16-bit PCM WAV that mixes `sources` at
// their levels, clipped where the sum overflows: the highest rate and the most channels among
// them (a mono source is heard on both sides of a stereo one; a source at another rate is
// resampled), exactly as long as `videoFrames` frames at `frameRate` (SoundFramesBefore), a
// source that is shorter padded with silence, a longer one cut. Sources that cannot be read are
// left out; false when none can be, or writing fails (nothing is left at `target` then). Memory
// stays flat over the length.
bool MixSoundFiles(const std::vector<SoundSourceFile>& sources, int videoFrames, int frameRate,
                   const std::string& target);

// Writes into `target` the part of the WAV `source` that plays with video frames
// `firstFrame`..`lastFrame` at `frameRate`, as 16-bit PCM of the source's format; false when the
// source cannot be read or writing fails (nothing is left at `target` then).
bool CutSoundAtFrames(const std::string& source, int firstFrame, int lastFrame, int frameRate,
                      const std::string& target);
