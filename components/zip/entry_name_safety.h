// Whether an entry name from an archive may be joined to the extraction folder, and what it
// names there. Archives come from anywhere, so a name must never lead out of the folder, onto
// another drive, into an alternate data stream or onto a device.
#pragma once
#include <string>
#include <string_view>

// True when `name` (UTF-8, "/" or "\" between elements) is a plain relative path: not empty;
// no leading separator (so no root and no "\\server\share"); no ":" anywhere (no drive such as
// "C:\" or "C:", no stream such as "a.txt:s"); no control character; no element of dots and
// spaces other than a single "." (".." among them, and ". ." which Windows trims to "."); no
// reserved device name as an element (CON, PRN, AUX, NUL, COM0-9, LPT0-9 and their
// superscript forms, CONIN$, CONOUT$; any case, with or without an extension). "." elements
// and empty elements ("./1.jpg", "a//1.jpg", "./") are harmless: they name nothing, as the
// tools that write them mean.
bool IsSafeEntryName(std::string_view name);

// The elements of a safe `name` that name something, joined with "\": "./a//1.jpg" gives
// "a\1.jpg"; a name that ends with a separator keeps one ("./sub//" gives "sub\"). Empty when
// the name names the extraction folder itself ("./", ".").
std::string EntryPathInFolder(std::string_view name);
