// How fast a recording's frames follow one another. A take is recorded at one of the offered
// rates; a recording at any rate but ten to the second says its rate in one small entry after
// the frames, which players that know only frames ignore, so a recording at ten is what it has
// always been. Plain rules over numbers and bytes; only RecordingFrameRate reads a file.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The rate of a recording without the entry, and of a take with the default settings.
inline constexpr int kDefaultFrameRate = 10;
// The rates the settings offer, in frames a second.
inline constexpr int kOfferedFrameRates[] = {10, 15, 20, 30};
bool IsOfferedFrameRate(int rate);

// The entry and its text: the rate in decimal, then CR LF ("30\r\n").
inline constexpr char kFrameRateEntryName[] = "framerate.txt";
std::string FrameRateEntryText(int rate);
// The rate an entry's text gives: 1 to 60 frames a second, with spaces, tabs and line ends
// around the digits allowed; 0 when it gives none (empty, not digits, a leading zero, out of range).
int ParseFrameRateEntry(std::string_view text);
// Whether an entry's path below an unpack's folder is the rate entry: the name at the root, in
// any case of letters, as the file system finds it ("FrameRate.TXT" too, not "x\framerate.txt").
bool IsFrameRateEntry(std::string_view path);
// folder + "\" + "framerate.txt": where an unpack of a recording puts its rate entry.
std::string FrameRateEntryPath(const std::string& folder);
// The rate of a recording unpacked into `folder` (UTF-8): its entry's when that is readable and
// valid, kDefaultFrameRate otherwise. An entry over 64 bytes is not read.
int RecordingFrameRate(const std::string& folder);

// The time in microseconds from the start of a take or a playback at which frame n shows
// (frame 1 at 0), and the slot a moment falls in: the frame shown `elapsed` microseconds in.
int64_t FrameStartMicroseconds(int frameNumber, int rate);
int64_t FrameSlotAt(int64_t elapsedMicroseconds, int rate);

// n ÷ rate: the length in seconds of n frames, the second frame n+1 shows at.
double FrameSeconds(int frameNumber, int rate);
// FrameSeconds as the user reads it, in whole tenths, cut toward zero: "0", "0.1", "1", "2.5",
// "12.3" (at ten to the second exactly n ÷ 10; at 15, frame 16 reads "1", frame 17 "1.1").
std::string FrameSecondsText(int frameNumber, int rate);
