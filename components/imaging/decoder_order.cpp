#include "components/imaging/decoders.h"

namespace {

struct PictureDecoder {
  bool (*accepts)(ByteSpan bytes);
  bool (*decode)(ByteSpan bytes, PixelBuffer& pixels);
};

constexpr PictureDecoder kDecoderOrder[] = {
    {AcceptsJpeg, DecodeJpeg}, {AcceptsBmp, DecodeBmp}, {AcceptsTiff, DecodeTiff},
    {AcceptsPng, DecodePng},   {AcceptsPcx, DecodePcx}, {AcceptsPhotoCd, DecodePhotoCd},
};

}  // namespace

bool DecodePicture(ByteSpan bytes, PixelBuffer& pixels) {
  for (const PictureDecoder& decoder : kDecoderOrder) {
    if (decoder.accepts(bytes)) return decoder.decode(bytes, pixels);
  }
  return false;
}
