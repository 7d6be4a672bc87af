// A sound device as the aligner meets it, in simulated time: it fills 10 ms packets by a clock
// of its own, `clockRatio` times as fast as the system's, and the capture thread wakes every 10
// ms plus up to 8 ms, and now and then a stall, taking every packet complete by then. Each
// packet goes through the program's SoundAligner; a sample's offset is where the file puts it in
// the take's time less the take's time at which it was heard. For the sound bench and the
// aligner's tests: minutes of a take in milliseconds.
#pragma once
#include <cstdint>

inline constexpr int kModelRate = 44100;

struct DeviceRun {
  double clockRatio = 1.0;
  int64_t seconds = 0;  // the take's length, pause excluded
  int64_t pauseAt = -1;  // a pause at this second of the take, for pauseSeconds
  int64_t pauseSeconds = 0;
  int64_t stallEverySeconds = 0;  // a 60 ms stall of the capture thread this often; 0: none
};

struct RunOutcome {
  double worstOffsetMs = 0;
  uint64_t written = 0;    // sample frames in the file
  uint64_t corrected = 0;  // sample frames the aligner put in or left out for drift
};

RunOutcome RunSimulatedDevice(const DeviceRun& run);
