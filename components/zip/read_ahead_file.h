// File functions for minizip that read an archive through a buffer of their own. minizip reads
// each header field with a call of its own (two or four bytes at a time), and under Wine every
// ReadFile is a trip through the system: walking the directory of 36,000 entries took seconds.
// Here a field comes from memory, and the file is read in large pieces.
#pragma once
#include <ioapi.h>

// Read-only functions over UTF-16 paths (the file name minizip passes is a const wchar_t*).
void FillReadAheadFunctions(zlib_filefunc64_def* functions);
