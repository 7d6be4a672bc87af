// Samples as devices give them (16-, 24- or 32-bit integers, 32-bit floats) turned to floats in
// -1..1. Plain arithmetic over bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

enum class DeviceSamples { Unknown, Int16, Int24, Int32, Float32 };

// The kind of samples a device's format describes: its tag (1 PCM, 3 IEEE float, or the tag of
// an extensible format's sub-format), the bits of each container and the bits that are valid.
DeviceSamples DeviceSamplesOf(int formatTag, int containerBits);

// `count` samples (frames × channels) from `bytes`, appended to `floats` as -1..1.
void AppendAsFloats(DeviceSamples kind, const uint8_t* bytes, size_t count, std::vector<float>& floats);
