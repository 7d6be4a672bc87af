// A block of bytes: a file image, a picture, a font record or a property's byte value.
#pragma once
#include <cstdint>
#include <vector>

using ByteString = std::vector<uint8_t>;
