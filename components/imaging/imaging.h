// Image conversion: turns one picture file into a baseline JFIF file through libjpeg.
#pragma once
#include <string>

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
