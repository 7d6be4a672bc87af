// The bytes of a WAV file before its samples, written and read back: a RIFF "WAVE" file with a
// "fmt " chunk (16-bit PCM, 32-bit IEEE float, or either inside WAVE_FORMAT_EXTENSIBLE with the
// usual speaker mask where there are more than two channels, as players expect) and a "data"
// chunk. Plain C++ over bytes; the file is read through a callback.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "components/services/byte_string.h"
#include "components/sound/wav_file.h"

// Bytes of one sample of the kind.
int WavSampleBytes(SampleKind kind);

// The speakers of `channels` (1 to 8) channels, in the order the system's shared-mode devices
// give them and the bits of WAVE_FORMAT_EXTENSIBLE's mask: mono centre, stereo, 3.0, quad, 5.0,
// 5.1, 6.1, 7.1.
uint32_t WavSpeakerMask(int channels);

// The header of a WAV of `format` and `kind` whose data chunk holds `dataBytes` bytes; sizes
// beyond 32 bits are written as 0xFFFFFFFF, which the reader takes as "up to the file's end".
ByteString WavHeaderBytes(SoundFormat format, SampleKind kind, uint64_t dataBytes);

// Where the header's two sizes stand: the RIFF chunk's and the data chunk's.
inline constexpr uint64_t kWavRiffSizeAt = 4;
inline uint64_t WavDataSizeAt(const ByteString& header) { return header.size() - 4; }

// The 32-bit size fields for `dataBytes` of samples after a header of `headerBytes`.
uint32_t WavRiffSize(uint64_t headerBytes, uint64_t dataBytes);
uint32_t WavDataSize(uint64_t dataBytes);

// Reads `count` bytes at `offset` into `bytes`; false when the file has fewer there.
using WavReadAt = std::function<bool(uint64_t offset, uint8_t* bytes, size_t count)>;

// The shape of a file of `fileSize` bytes read through `readAt`, under ReadWavShape's rules.
std::optional<WavShape> ParseWavHeader(uint64_t fileSize, const WavReadAt& readAt);
