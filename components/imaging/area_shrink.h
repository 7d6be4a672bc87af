// Shrinking 24-bit rows by area averaging: each target pixel is the mean of the source pixels it
// covers, each weighed by how much of it lies inside. For mild shrinks this is what the system's
// halftone stretch gives a screen picture, at a fraction of its cost, so the save's canvas and
// the player's panel shrink frames with it there. Plain arithmetic over bytes.
#pragma once
#include <cstddef>
#include <cstdint>

// Whether a shrink is mild enough for averaging to give the halftone stretch's pixels within the
// tolerance its test holds: the target at least 79 percent of the source on both axes (the save's
// 80 percent, and the player's 80 percent display, which truncates 1536 to 1228). Stronger
// shrinks part further, since the halftone stretch then samples rather than averages, and stay
// with the system's stretch.
bool AveragesLikeHalftone(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight);

// The picture of `sourceWidth` × `sourceHeight` 3-byte pixels whose rows start `sourceStride`
// bytes apart, shrunk into `targetWidth` × `targetHeight` pixels whose rows start `targetStride`
// bytes apart (either row order, as long as both use the same). False, writing nothing, unless
// 0 < target ≤ source on both axes. The three bytes of a pixel are averaged apart, so any
// channel order works. Given a band, only target rows firstRow .. endRow − 1 are written
// (endRow −1: to the last), so that bands can be shrunk side by side, each exactly as the whole
// shrink writes it; false for a band outside the picture.
bool ShrinkPixelRows(const uint8_t* source, size_t sourceStride, int sourceWidth, int sourceHeight, uint8_t* target,
                     size_t targetStride, int targetWidth, int targetHeight, int firstRow = 0, int endRow = -1);
