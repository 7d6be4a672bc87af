// Sounds made and measured for the sound and video tests: sines, WAV files written through the
// sound room's own writer, and the strength of a tone in samples read back.
#pragma once
#include <string>
#include <vector>

#include "components/sound/wav_file.h"

// `frames` sample frames of a sine of `frequency` Hz and `amplitude` on every channel.
std::vector<float> Sine(SoundFormat format, double frequency, double amplitude, size_t frames);
// Writes interleaved `samples` as a WAV of `format` and `kind`; true when it was written.
bool WriteWav(const std::string& path, SoundFormat format, const std::vector<float>& samples,
              SampleKind kind = SampleKind::Float32);
// The file's samples, interleaved; empty when it cannot be read.
std::vector<float> ReadWavSamples(const std::string& path);
// The amplitude of the tone of `frequency` Hz in `samples` at `rate` (a sine of amplitude A
// gives about A, over a whole number of its periods or a long run of them): a Goertzel filter.
double ToneAmplitude(const std::vector<float>& samples, int rate, double frequency);
// The whole frequency from `lowest` to `highest` Hz whose tone is the strongest.
int LoudestFrequency(const std::vector<float>& samples, int rate, int lowest, int highest);
