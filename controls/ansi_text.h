// Byte-counted texts in the ANSI code page (936 here): the tray tip keeps its first bytes
// without cutting a double-byte character in half.
#pragma once
#include <cstddef>
#include <string>

// The longest prefix of `ansi` of at most `maxBytes` bytes that ends on a character boundary
// (a byte 0x81..0xFE starts a two-byte character in code page 936).
std::string CutAnsiText(const std::string& ansi, size_t maxBytes);

// The tray tip as shown: the UTF-8 tip's first 62 ANSI bytes, back in UTF-16.
std::wstring TrayTipText(const std::string& utf8Tip);
