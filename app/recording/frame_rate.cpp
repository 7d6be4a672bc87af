#include "app/recording/frame_rate.h"

#include <windows.h>

#include "components/services/ascii_case.h"
#include "components/services/file_bytes.h"
#include "components/services/number_text.h"
#include "components/services/wide_text.h"

namespace {

constexpr int kHighestRate = 60;
constexpr size_t kLongestEntry = 64;
constexpr int64_t kMicrosecondsPerSecond = 1'000'000;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

bool IsOfferedFrameRate(int rate) {
  for (const int offered : kOfferedFrameRates)
    if (rate == offered) return true;
  return false;
}

std::string FrameRateEntryText(int rate) { return std::to_string(rate) + "\r\n"; }

int ParseFrameRateEntry(std::string_view text) {
  const std::string_view digits = Trimmed(text);
  if (digits.empty() || digits.size() > 2 || digits.front() == '0') return 0;
  int rate = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return 0;
    rate = rate * 10 + (c - '0');
  }
  return rate <= kHighestRate ? rate : 0;
}

bool IsFrameRateEntry(std::string_view path) { return EqualIgnoringAsciiCase(path, kFrameRateEntryName); }

std::string FrameRateEntryPath(const std::string& folder) { return folder + "\\" + kFrameRateEntryName; }

// The size is asked first, so an entry made huge is never read into memory.
int RecordingFrameRate(const std::string& folder) {
  const std::string path = FrameRateEntryPath(folder);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) return kDefaultFrameRate;
  if (data.nFileSizeHigh != 0 || data.nFileSizeLow > kLongestEntry) return kDefaultFrameRate;
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  const int rate = ParseFrameRateEntry({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  return rate != 0 ? rate : kDefaultFrameRate;
}

// Rounded up, so the start of frame n always falls in slot n whatever the rate (at 15 a
// second frame 2 starts at 66,667 µs, not 66,666, which still belongs to frame 1's slot).
int64_t FrameStartMicroseconds(int frameNumber, int rate) {
  const int64_t periods = (static_cast<int64_t>(frameNumber) - 1) * kMicrosecondsPerSecond;
  return (periods + rate - 1) / rate;
}

int64_t FrameSlotAt(int64_t elapsedMicroseconds, int rate) {
  if (elapsedMicroseconds < 0) return 1;
  return elapsedMicroseconds * rate / kMicrosecondsPerSecond + 1;
}

double FrameSeconds(int frameNumber, int rate) { return frameNumber / static_cast<double>(rate); }

std::string FrameSecondsText(int frameNumber, int rate) {
  const int64_t tenths = static_cast<int64_t>(frameNumber) * 10 / rate;
  return DecimalText(tenths / 10.0);
}
