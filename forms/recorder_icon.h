// RecorderWindow's own icon, drawn by code rather than kept as a binary: a red record dot on a
// dark monitor. The window shows it on its caption bar and the tray icon is made from it.
#pragma once
#include <cstddef>

#include "components/services/byte_string.h"

inline constexpr size_t kRecorderIconFileSize = 2238;

// The complete .ico file image: one 32 × 32 picture at 8 bits per pixel with its 256-colour
// palette and AND mask (6 + 16 + 40 + 1024 + 1024 + 128 bytes). Pixels outside the monitor are
// transparent.
ByteString RecorderIconFile();
