// Entry names as stored bytes. Pack stores names in the system's ANSI code page without the
// UTF-8 flag; archives from elsewhere may carry UTF-8 names marked by flag bit 11.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The stored bytes for a path relative to the packed root (UTF-8, "\" or "/" between
// elements): every "\" becomes "/", a folder entry ends with "/", and the text is converted to
// the ANSI code page (characters it lacks become "?"). The separators are turned before the
// conversion, so a double-byte character whose second byte is 0x5C stays whole.
std::string StoredEntryName(std::string_view relativePath, bool folder);

// The UTF-8 text of a stored name: UTF-8 when `flags` has bit 11, the ANSI code page otherwise.
// Invalid sequences become U+FFFD or the code page's default character; a NUL byte is kept, for
// the name check to refuse.
std::string EntryNameText(std::string_view stored, uint16_t flags);
