// A sound at another rate: a tone keeps its strength and its moments, and a tone above half the
// new rate is filtered out rather than folded back into what is heard.
#include <gtest/gtest.h>

#include <cmath>

#include "components/sound/sound_resampler.h"
#include "tests/sound/sound_samples.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// One second of a sine of amplitude 0.5 in, pushed in two parts; measured where it is heard out.
TEST(SoundResampler, KeepsTonesInTimeAndFiltersWhatTheNewRateCannotHold) {
  const struct {
    int from, to;
    double frequency, heardAt, amplitude;
  } cases[] = {{44100, 48000, 1000, 1000, 0.5}, {48000, 44100, 1000, 1000, 0.5}, {192000, 48000, 440, 440, 0.5},
               {192000, 48000, 30000, 18000, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to) + " at " + std::to_string(c.frequency));
    const std::vector<float> in = Sine({c.from, 1}, c.frequency, 0.5, static_cast<size_t>(c.from));
    std::vector<float> out(static_cast<size_t>(c.to));
    SoundResampler resampler(c.from, c.to, 1);
    resampler.Push(in.data(), in.size() / 2);
    resampler.Push(in.data() + in.size() / 2, in.size() - in.size() / 2);
    const size_t made = resampler.Pull(out.data(), out.size());
    ASSERT_GT(made, out.size() * 9 / 10) << "all but the last moments are reached";
    // Away from the silence before the sound and the end of what was pushed.
    const size_t from = out.size() / 10;
    out.resize(made * 9 / 10);
    EXPECT_NEAR(ToneAmplitude({out.begin() + from, out.end()}, c.to, c.heardAt), c.amplitude, 0.005);
    for (size_t n = from; c.amplitude > 0 && n < out.size(); n += 97)
      ASSERT_NEAR(out[n], 0.5 * std::sin(2 * kPi * c.frequency * n / c.to), 0.01) << "sample " << n;
  }
}

}  // namespace
