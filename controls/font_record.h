// The stored font of a control: empty for the default GUI font, otherwise this 60-byte record.
#pragma once
#include <cstdint>
#include <string_view>

#include "components/services/byte_string.h"

inline constexpr size_t kFontRecordSize = 60;
inline constexpr uint8_t kGb2312CharSet = 134;

// A 60-byte LOGFONTA record, little-endian: height, width, escapement, orientation, weight
// (5 × i32); italic, underline, strike-out, character set, output precision, clip precision,
// quality, pitch and family (8 bytes); the face name, NUL-padded to 32 bytes. The face is in
// the code page of the character set (936 for GB2312), not in the running system's ANSI code
// page, so a record reads the same on every system; a reader widens it from that code page into
// a LOGFONTW. Every field not given is 0 (the system's default). A face longer than 31 bytes
// is cut so that the terminating NUL stays.
ByteString FontRecord(int32_t height, int32_t weight, uint8_t charSet, std::string_view face);
