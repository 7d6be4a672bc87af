// Which kind of picture file a run of bytes holds, told by its first bytes alone.
#pragma once
#include "components/imaging/byte_span.h"

enum class PictureFormat { None, Jpeg, Bmp, Icon, Cursor, Gif, Pcx };

// JPEG FF D8, BMP "BM", icon 00 00 01 00, cursor 00 00 02 00, "GIF87a" / "GIF89a", PCX 0A;
// anything else, or too few bytes, is None.
PictureFormat PictureFormatOf(ByteSpan bytes);
