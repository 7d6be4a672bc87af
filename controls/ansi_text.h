// Texts the system counts in bytes of its ANSI code page: the tray tip keeps its first 62 bytes,
// as the shell's own limit had it, without cutting a character in half.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The longest prefix of `text` that takes at most `maxBytes` bytes in code page `codePage`, as
// the system converts each character (WideCharToMultiByte): one byte or two in a double-byte
// code page such as 936, up to four in GB18030 or UTF-8. It ends between characters; a
// surrogate pair is one character. A character the code page lacks counts as the byte of its
// substitute. The text stops before a character the system cannot convert at all.
std::wstring CutToCodePageBytes(std::wstring_view text, size_t maxBytes, unsigned codePage);

// The tray tip as shown: the UTF-8 tip's first 62 bytes in the code page the system reports as
// its ANSI code page (GetACP).
std::wstring TrayTipText(const std::string& utf8Tip);
