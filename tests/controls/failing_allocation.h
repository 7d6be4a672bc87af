// A request no heap can meet (16 TB), which the program's operator new must turn into the
// runtime's fatal error.
#pragma once
#include <cstddef>

inline constexpr std::size_t kFailingAllocation = std::size_t{1} << 44;
