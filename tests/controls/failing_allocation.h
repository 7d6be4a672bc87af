// A request no heap can meet: the largest the C++ library lets a container ask for, half the
// address space, which the program's operator new must turn into the runtime's fatal error. It
// fails at once, where a merely huge one can take Wine seconds to refuse or an overcommitting
// system grant.
#pragma once
#include <cstddef>
#include <cstdint>

inline constexpr std::size_t kFailingAllocation = PTRDIFF_MAX;
