// Time rules of ZIP entries over plain calendar values: the 2-second DOS time and date, and
// the signed 32-bit Unix time of the extended-timestamp field.
#pragma once
#include <cstdint>

// A calendar date and time of day, month and day counted from 1. No time zone of its own.
struct CivilTime {
  int year = 1970;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

struct DosDateTime {
  uint16_t time = 0;  // hour << 11 | minute << 5 | second / 2
  uint16_t date = 0;  // (year - 1980) << 9 | month << 5 | day
};

// DOS time and date of a local time. The format covers 1980 to 2107 only: an earlier time
// becomes 1980-01-01 00:00:00 and a later one 2107-12-31 23:59:58.
DosDateTime ToDosDateTime(const CivilTime& local);

// The calendar fields a DOS time and date hold, unchecked: a damaged archive may give month 0
// or hour 31, which the caller's calendar conversion refuses.
CivilTime FromDosDateTime(uint16_t time, uint16_t date);

// Seconds since 1970-01-01 00:00 UTC of a local time, where local time runs
// `localMinusUtcSeconds` ahead of UTC. A year before 1970 is replaced by 1 January 1970 and a
// year after 2037 by 31 December 2037, the time of day kept, so the result always fits.
int32_t ToUnixTime(CivilTime local, int64_t localMinusUtcSeconds);
