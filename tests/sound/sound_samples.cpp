#include "tests/sound/sound_samples.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
}  // namespace

std::vector<float> Sine(SoundFormat format, double frequency, double amplitude, size_t frames) {
  std::vector<float> samples;
  for (size_t i = 0; i < frames; ++i) {
    const double moment = static_cast<double>(i) / format.rate;
    samples.insert(samples.end(), static_cast<size_t>(format.channels),
                   static_cast<float>(amplitude * std::sin(2 * kPi * frequency * moment)));
  }
  return samples;
}

bool WriteWav(const std::string& path, SoundFormat format, const std::vector<float>& samples, SampleKind kind) {
  SoundFileWriter writer;
  if (!writer.Open(path, format, kind)) return false;
  writer.Append(samples.data(), samples.size() / static_cast<size_t>(format.channels));
  return writer.Close();
}

std::vector<float> ReadWavSamples(const std::string& path) {
  SoundFileReader reader;
  if (!reader.Open(path)) return {};
  const size_t channels = static_cast<size_t>(reader.shape().format.channels);
  std::vector<float> samples(static_cast<size_t>(reader.shape().frames) * channels);
  samples.resize(reader.Read(samples.data(), reader.shape().frames) * channels);
  return samples;
}

double ToneAmplitude(const std::vector<float>& samples, int rate, double frequency) {
  const double coefficient = 2 * std::cos(2 * kPi * frequency / rate);
  double s1 = 0, s2 = 0;
  for (float sample : samples) {
    const double s = sample + coefficient * s1 - s2;
    s2 = s1;
    s1 = s;
  }
  // A real sine puts half its strength at +frequency.
  return 2 * std::sqrt(std::fabs(s1 * s1 + s2 * s2 - coefficient * s1 * s2)) / static_cast<double>(samples.size());
}

int LoudestFrequency(const std::vector<float>& samples, int rate, int lowest, int highest) {
  std::vector<double> amplitudes;
  for (int f = lowest; f <= highest; ++f) amplitudes.push_back(ToneAmplitude(samples, rate, f));
  return lowest + static_cast<int>(std::max_element(amplitudes.begin(), amplitudes.end()) - amplitudes.begin());
}
