// Text at the Win32 boundary. Inside the program texts are UTF-8; the W APIs take UTF-16, and
// the few byte-counted 8-bit texts (ZIP entry names, the tray tip) use the ANSI code page.
#pragma once
#include <string>
#include <string_view>

// UTF-8 to UTF-16 for a W API. Invalid sequences become U+FFFD.
std::wstring Widen(std::string_view utf8);

// UTF-16 from a W API back to UTF-8.
std::string Narrow(std::wstring_view wide);

// UTF-16 to the bytes of the system's ANSI code page (936 on a Simplified Chinese system).
// Characters the code page lacks become '?'.
std::string ToAnsi(std::wstring_view wide);

// Bytes in the ANSI code page to UTF-16.
std::wstring FromAnsi(std::string_view ansi);
