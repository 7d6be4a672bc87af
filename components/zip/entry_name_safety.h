// Whether an entry name from an archive may be joined to the extraction folder. Archives come
// from anywhere, so a name must never lead out of the folder, onto another drive, into an
// alternate data stream or onto a device.
#pragma once
#include <string_view>

// True when `name` (UTF-8, "/" or "\" between elements) is a plain relative path: not empty;
// no leading separator (so no root and no "\\server\share"); no ":" anywhere (no drive such as
// "C:\" or "C:", no stream such as "a.txt:s"); no control character; no element that is only
// dots and spaces ("." and ".." among them, and ". ." which Windows trims to "."); no reserved
// device name as an element (CON, PRN, AUX, NUL, COM0-9, LPT0-9 and their superscript forms,
// CONIN$, CONOUT$; any case, with or without an extension); no empty element except the one
// after a final separator that marks a folder entry.
bool IsSafeEntryName(std::string_view name);
