// Owner of a view that MapViewOfFile gave, unmapped on every return path.
#pragma once
#include "components/services/win_handle.h"

inline void* NoView() { return nullptr; }
using MappedView = UniqueWinHandle<void*, UnmapViewOfFile, NoView>;
