#include "components/zip/zip_time.h"

namespace {

constexpr int kFirstDosYear = 1980;
constexpr int kLastDosYear = 2107;

// Days from 1970-01-01 to the given date of the proleptic Gregorian calendar.
int64_t DaysFromCivil(int year, int month, int day) {
  int64_t y = month <= 2 ? year - 1 : year;
  int64_t era = (y >= 0 ? y : y - 399) / 400;
  int64_t yearOfEra = y - era * 400;
  int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// The same time of day on another date.
CivilTime OnDate(const CivilTime& t, int year, int month, int day) {
  return CivilTime{year, month, day, t.hour, t.minute, t.second};
}

}  // namespace

DosDateTime ToDosDateTime(const CivilTime& local) {
  CivilTime t = local;
  if (t.year < kFirstDosYear) t = CivilTime{kFirstDosYear, 1, 1, 0, 0, 0};
  if (t.year > kLastDosYear) t = CivilTime{kLastDosYear, 12, 31, 23, 59, 58};
  DosDateTime dos;
  dos.time = static_cast<uint16_t>(t.hour << 11 | t.minute << 5 | t.second / 2);
  dos.date = static_cast<uint16_t>((t.year - kFirstDosYear) << 9 | t.month << 5 | t.day);
  return dos;
}

CivilTime FromDosDateTime(uint16_t time, uint16_t date) {
  return CivilTime{kFirstDosYear + (date >> 9), date >> 5 & 0x0F, date & 0x1F,
                   time >> 11,                  time >> 5 & 0x3F, (time & 0x1F) * 2};
}

int32_t ToUnixTime(CivilTime local, int64_t localMinusUtcSeconds) {
  if (local.year < 1970) local = OnDate(local, 1970, 1, 1);
  if (local.year > 2037) local = OnDate(local, 2037, 12, 31);
  int64_t seconds = DaysFromCivil(local.year, local.month, local.day) * 86400 + local.hour * 3600 +
                    local.minute * 60 + local.second - localMinusUtcSeconds;
  return static_cast<int32_t>(seconds);
}
