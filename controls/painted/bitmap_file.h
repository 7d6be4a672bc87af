// Device bitmaps to BMP files: the Win32 side of the panel picture and of the screen snapshot.
#pragma once
#include <windows.h>

#include "components/services/byte_string.h"
#include "components/services/gdi_handle.h"

// The complete 24-bit BMP file of a device bitmap of `size` (not selected into any device
// context). Empty for a size below 1 × 1 or beyond the picture limits of pixel_buffer.h, or
// when the system refuses the conversion.
ByteString BmpFileOfBitmap(HBITMAP bitmap, SIZE size);

// The same file, made in `file` (its bytes replaced, its memory reused): a caller that takes
// frame after frame of one size keeps one buffer instead of touching a new one each time.
// False, leaving `file` empty, in the cases BmpFileOfBitmap gives an empty file.
bool TakeBmpFileOfBitmap(HBITMAP bitmap, SIZE size, ByteString& file);

// A copy of what the screen shows of the window's client area, `size` large; none when the
// size is below 1 × 1 or the system refuses.
BitmapHandle CopyClientArea(HWND window, SIZE size);

// The same copy into an existing device bitmap of at least `size`, through the memory device
// context `copyDc` (compatible with the screen); the bitmap is left unselected. False only
// when the size is below 1 × 1.
bool CopyClientAreaInto(HWND window, HDC copyDc, HBITMAP copy, SIZE size);
