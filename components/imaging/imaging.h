// Image conversion: turns one picture file into a baseline JFIF file through libjpeg.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Results of ConvertToJpeg.
constexpr int kJpegWritten = 1;
constexpr int kJpegSourceMissing = -1;
constexpr int kJpegSourceUnreadable = -3;  // no decoder accepted the source, or its decoder failed
constexpr int kJpegWriteFailed = -4;       // the partly written target stays
constexpr int kJpegBadArgument = -7;       // empty path, quality outside 1..100, smoothing outside 0..100

// Converts `source` (JPEG, 24-bit BMP, TIFF, PNG, PCX or PhotoCD, tried in that order) into the
// JPEG file `target`, created or replaced. The program passes grayscale false, its quality
// percent, optimizeCoding true and smoothing 0. The target is created only after the source
// decoded; the source is never changed. A 24-bit BMP converted in colour is read in place from
// the mapped source; the pixels of any other source live in mapped temporary files that are
// gone when the call returns.
int ConvertToJpeg(const std::string& source, const std::string& target, bool grayscale, int quality,
                  bool optimizeCoding, int smoothing);

// The conversion of a 24-bit BMP file held in memory, in colour, as the save converts each
// rescaled frame without writing it to disk first: the target's bytes are those ConvertToJpeg
// writes for the same file. kJpegSourceUnreadable when the bytes are no 24-bit BMP whose rows
// they hold whole; the other results as for ConvertToJpeg.
int ConvertBitmapToJpeg(const std::vector<uint8_t>& bitmap, const std::string& target, int quality,
                        bool optimizeCoding, int smoothing);
