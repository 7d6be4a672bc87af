// Device bitmaps to BMP files: the Win32 side of the panel picture.
#pragma once
#include <windows.h>

#include "components/services/gdi_handle.h"
#include "forms/form_definition.h"

// The complete 24-bit BMP file of a device bitmap of `size` (not selected into any device
// context). Empty for a size below 1 × 1 or beyond the picture limits of pixel_buffer.h, or
// when the system refuses the conversion.
ByteString BmpFileOfBitmap(HBITMAP bitmap, SIZE size);

// A copy of what the screen shows of the window's client area, `size` large; none when the
// size is below 1 × 1 or the system refuses.
BitmapHandle CopyClientArea(HWND window, SIZE size);
