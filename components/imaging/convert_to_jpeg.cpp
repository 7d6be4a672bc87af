#include "components/imaging/imaging.h"

#include "components/imaging/decoders.h"
#include "components/imaging/depth_conversion.h"
#include "components/imaging/jpeg_encoder.h"
#include "components/imaging/source_file.h"

namespace {

bool ArgumentsInRange(const std::string& source, const std::string& target, int quality, int smoothing) {
  return !source.empty() && !target.empty() && quality >= 1 && quality <= 100 && smoothing >= 0 && smoothing <= 100;
}

int WriteBmpRows(ByteSpan bytes, const std::string& target, const JpegSettings& settings) {
  const std::optional<PixelRows> rows = FindBmpRows(bytes);
  if (!rows) return kJpegSourceUnreadable;
  return WriteJpeg(target, *rows, settings) ? kJpegWritten : kJpegWriteFailed;
}

}  // namespace

int ConvertToJpeg(const std::string& source, const std::string& target, bool grayscale, int quality,
                  bool optimizeCoding, int smoothing) {
  if (!ArgumentsInRange(source, target, quality, smoothing)) return kJpegBadArgument;

  if (!SourceExists(source)) return kJpegSourceMissing;
  // The source stays open, refusing writers, until the target is complete: a target that names
  // the source under any spelling then fails to open instead of destroying it.
  MappedSource sourceFile;
  if (!sourceFile.Open(source)) return kJpegSourceUnreadable;
  const ByteSpan bytes = sourceFile.bytes();
  const JpegSettings settings{quality, optimizeCoding, smoothing};

  // A 24-bit BMP in colour, every frame the save converts, is encoded from its rows where the
  // mapped file holds them: no pixel file and no copy, the same JPEG bytes.
  if (!grayscale && !AcceptsJpeg(bytes) && FindBmpRows(bytes)) return WriteBmpRows(bytes, target, settings);

  PixelBuffer pixels;
  if (!DecodePicture(bytes, pixels)) return kJpegSourceUnreadable;
  // The depth conversion comes before the target is created, so its failure leaves no file.
  PixelBuffer converted;
  const PixelBuffer* rows = PixelsForEncoder(pixels, grayscale, converted);
  if (!rows || !WriteJpeg(target, RowsOf(*rows), settings)) return kJpegWriteFailed;
  return kJpegWritten;
}  // every buffer's file is deleted here, whatever the result

int ConvertBitmapToJpeg(const std::vector<uint8_t>& bitmap, const std::string& target, int quality,
                        bool optimizeCoding, int smoothing) {
  if (!ArgumentsInRange("memory", target, quality, smoothing)) return kJpegBadArgument;
  return WriteBmpRows(ByteSpan(bitmap.data(), bitmap.size()), target, {quality, optimizeCoding, smoothing});
}
