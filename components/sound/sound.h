// The sound room: what a take hears, kept in WAV files, mixed, cut and played. Its headers:
//   sound_format.h   SoundFormat, and where a video frame's sound begins (plain arithmetic)
//   wav_file.h       WAV files written as the sound comes (kept whole at every flush) and read
//                    back as float samples, a file cut short by a kill included (plain C++)
//   wav_header.h     the bytes of a WAV file's header, written and read back (plain C++)
//   sound_resampler.h a sound at another rate, band-limited (plain C++ over numbers)
//   sound_stream.h   a WAV file read from a sample frame on at a chosen rate, silence after its
//                    end (plain C++ over files)
//   sound_mix.h      the sources of a take mixed into one 16-bit track at their levels, and a
//                    track cut at video frames (plain C++ over files)
//   sound_aligner.h  keeps a source's samples in step with the take's clock, whatever the
//                    device's own clock does (plain C++ over numbers)
//   sound_capture.h  the microphone and the computer's own sound through WASAPI (Win32 edge);
//                    sound_devices.h finds its endpoints, sample_conversion.h turns a device's
//                    samples to floats
//   sound_output.h   plays a track through the default output (Win32 edge)
#pragma once
#include "components/sound/sound_format.h"
