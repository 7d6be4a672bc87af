// File-system times (UTC FILETIME) to and from the time fields of ZIP entries.
#pragma once
#include <windows.h>

#include <cstdint>

#include "components/zip/extended_timestamp.h"
#include "components/zip/zip_time.h"

struct EntryTimes {
  DosDateTime dos;  // of the last-write time, in local time
  UnixTimes unixTimes;
};

// The times Pack writes for a file: the DOS time and date of its last-write time converted to
// local time, and the three Unix times through the same local time (clamped to 1970..2037).
EntryTimes EntryTimesOf(const FILETIME& written, const FILETIME& accessed, const FILETIME& created);

// The times Pack writes for a folder entry: now, converted the same way.
EntryTimes EntryTimesNow();

// The FILETIME of a Unix time (negative values lie before 1970).
FILETIME FileTimeFromUnix(int32_t unixTime);

// The FILETIME of a DOS time and date read as UTC; false when the fields are not a real date.
bool FileTimeFromDosAsUtc(uint16_t time, uint16_t date, FILETIME* out);
