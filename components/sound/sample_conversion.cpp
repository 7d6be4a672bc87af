#include "components/sound/sample_conversion.h"

#include <cstring>

DeviceSamples DeviceSamplesOf(int formatTag, int containerBits) {
  constexpr int kPcm = 1, kFloat = 3;
  if (formatTag == kFloat) return containerBits == 32 ? DeviceSamples::Float32 : DeviceSamples::Unknown;
  if (formatTag != kPcm) return DeviceSamples::Unknown;
  switch (containerBits) {
    case 16: return DeviceSamples::Int16;
    case 24: return DeviceSamples::Int24;
    case 32: return DeviceSamples::Int32;
    default: return DeviceSamples::Unknown;
  }
}

void AppendAsFloats(DeviceSamples kind, const uint8_t* bytes, size_t count, std::vector<float>& floats) {
  floats.reserve(floats.size() + count);
  for (size_t i = 0; i < count; ++i) {
    switch (kind) {
      case DeviceSamples::Int16: {
        const auto value = static_cast<int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
        floats.push_back(value / 32768.0f);
        break;
      }
      case DeviceSamples::Int24: {
        const uint8_t* p = bytes + 3 * i;
        // The top byte shifted into place carries the sign; the division brings it back.
        const int32_t value = static_cast<int32_t>(static_cast<uint32_t>(p[0]) << 8 | static_cast<uint32_t>(p[1]) << 16 |
                                                   static_cast<uint32_t>(p[2]) << 24);
        floats.push_back(static_cast<float>(value / 2147483648.0));
        break;
      }
      case DeviceSamples::Int32: {
        int32_t value;
        std::memcpy(&value, bytes + 4 * i, 4);
        floats.push_back(static_cast<float>(value / 2147483648.0));
        break;
      }
      case DeviceSamples::Float32: {
        float value;
        std::memcpy(&value, bytes + 4 * i, 4);
        floats.push_back(value);
        break;
      }
      case DeviceSamples::Unknown: floats.push_back(0.0f); break;
    }
  }
}
