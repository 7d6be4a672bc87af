#include "components/zip/file_times.h"

namespace {

constexpr int64_t kTicksPerSecond = 10000000;
// Seconds from 1601-01-01, where FILETIME counts from, to 1970-01-01.
constexpr int64_t kUnixEpochInFileTimeSeconds = 11644473600;

int64_t Ticks(const FILETIME& time) {
  return static_cast<int64_t>(static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime);
}

FILETIME FromTicks(int64_t ticks) {
  uint64_t value = static_cast<uint64_t>(ticks);
  return FILETIME{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
}

// A UTC time as local calendar time, with the offset the conversion used, so that the Unix
// time computed back from it is the true UTC second whatever the daylight-saving state.
struct LocalTime {
  CivilTime civil;
  int64_t localMinusUtcSeconds = 0;
};

LocalTime ToLocal(const FILETIME& utc) {
  LocalTime local;
  FILETIME localTime;
  SYSTEMTIME parts;
  if (!FileTimeToLocalFileTime(&utc, &localTime) || !FileTimeToSystemTime(&localTime, &parts)) return local;
  local.civil = CivilTime{parts.wYear, parts.wMonth, parts.wDay, parts.wHour, parts.wMinute, parts.wSecond};
  local.localMinusUtcSeconds = (Ticks(localTime) - Ticks(utc)) / kTicksPerSecond;
  return local;
}

int32_t UnixTimeOf(const FILETIME& utc) {
  LocalTime local = ToLocal(utc);
  return ToUnixTime(local.civil, local.localMinusUtcSeconds);
}

}  // namespace

EntryTimes EntryTimesOf(const FILETIME& written, const FILETIME& accessed, const FILETIME& created) {
  EntryTimes times;
  times.dos = ToDosDateTime(ToLocal(written).civil);
  times.unixTimes = UnixTimes{UnixTimeOf(written), UnixTimeOf(accessed), UnixTimeOf(created)};
  return times;
}

EntryTimes EntryTimesNow() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return EntryTimesOf(now, now, now);
}

FILETIME FileTimeFromUnix(int32_t unixTime) {
  return FromTicks((unixTime + kUnixEpochInFileTimeSeconds) * kTicksPerSecond);
}

bool FileTimeFromDosAsUtc(uint16_t time, uint16_t date, FILETIME* out) {
  CivilTime civil = FromDosDateTime(time, date);
  SYSTEMTIME parts{};
  parts.wYear = static_cast<WORD>(civil.year);
  parts.wMonth = static_cast<WORD>(civil.month);
  parts.wDay = static_cast<WORD>(civil.day);
  parts.wHour = static_cast<WORD>(civil.hour);
  parts.wMinute = static_cast<WORD>(civil.minute);
  parts.wSecond = static_cast<WORD>(civil.second);
  return SystemTimeToFileTime(&parts, out) != 0;
}
