// Bringing a decoded picture to the depth the encoder takes: 24 bits for colour output, 8 bits
// of grey for grayscale output.
#pragma once
#include "components/imaging/pixel_buffer.h"

// The buffer to hand to the encoder: `pixels` itself when it already has the wanted form, else
// the empty `converted` filled with a copy at the wanted depth. Null when that copy cannot be
// allocated. Palette entries are expanded, 32-bit pixels are laid on white, grey is the luma of
// red, green and blue with JPEG's weights (an 8-bit picture is written unchanged only when its
// palette is the grey ramp).
const PixelBuffer* PixelsForEncoder(const PixelBuffer& pixels, bool grayscale, PixelBuffer& converted);
