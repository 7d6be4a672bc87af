// The picture readers. Each works on the bytes of a whole picture file (a mapped file or bytes
// in memory) and has a cheap acceptance test; a decoder fills an empty PixelBuffer and answers
// false, without crashing or reserving more than the picture limits allow, for any damaged or
// hostile input. On false the buffer's contents are unspecified.
#pragma once
#include <optional>

#include "components/imaging/bgr_rows.h"
#include "components/imaging/byte_span.h"
#include "components/imaging/pixel_buffer.h"
#include "components/imaging/pixel_rows.h"

// Tries the decoders in the fixed order JPEG, BMP, TIFF, PNG, PCX, PhotoCD; the first that
// accepts the bytes decodes them. False when none accepts or that one fails; the later ones are
// then not tried.
bool DecodePicture(ByteSpan bytes, PixelBuffer& pixels);

// JPEG: starts with FF D8 and libjpeg reads a header with 1 or 3 colour components. Decodes to
// 8 bits with a grey-ramp palette (1 component) or to 24 bits. A file that libjpeg would warn
// about (truncated or damaged data) fails, and so does a progressive one of more than 64 scans.
bool AcceptsJpeg(ByteSpan bytes);
bool DecodeJpeg(ByteSpan bytes, PixelBuffer& pixels);
// The same picture straight into blue, green, red rows (a grey one with the three equal), the
// very values DecodeJpeg gives; on false the rows hold anything.
bool DecodeJpegToBgr(ByteSpan bytes, BgrRows& rows);

// BMP: "BM" or "BA", a 12-byte OS/2 or a Windows info header (the latter with width at least 1,
// height not 0 and compression 0 to 3), 24 bits per pixel. Decodes bottom-up (positive height)
// or top-down (negative height) rows to 24 bits; fails when the file is shorter than the rows.
bool AcceptsBmp(ByteSpan bytes);
bool DecodeBmp(ByteSpan bytes, PixelBuffer& pixels);
// The same picture with its stored blue, green, red bytes copied row by row, top row first.
bool DecodeBmpToBgr(ByteSpan bytes, BgrRows& rows);
// The rows of a file DecodeBmp decodes, where they lie in `bytes` (blue, green, red; valid
// while the bytes are); none for any other file.
std::optional<PixelRows> FindBmpRows(ByteSpan bytes);

// TIFF: libtiff opens it and finds the image width and length tags. Decodes to 32 bits.
bool AcceptsTiff(ByteSpan bytes);
bool DecodeTiff(ByteSpan bytes, PixelBuffer& pixels);

// PNG: libpng reads the signature and header. Decodes to 24 bits, transparency laid on white.
bool AcceptsPng(ByteSpan bytes);
bool DecodePng(ByteSpan bytes, PixelBuffer& pixels);

// PCX: byte 0x0A, largest x other than smallest x, largest y other than smallest y, planes ×
// bits per plane 8 or 24. Decodes run-length coded 1 × 8 bits (with the palette at the end of
// the file) to 8 bits and 3 × 8 bits to 24 bits.
bool AcceptsPcx(ByteSpan bytes);
bool DecodePcx(ByteSpan bytes, PixelBuffer& pixels);

// PhotoCD: at least 1 MiB. Decodes the 768 × 512 base image of an image pack to 24 bits.
bool AcceptsPhotoCd(ByteSpan bytes);
bool DecodePhotoCd(ByteSpan bytes, PixelBuffer& pixels);
