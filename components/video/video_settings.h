// The pure rules of a video export: the picture size a format takes, what a quality percent
// means to each encoder, and which format a file name asks for.
#pragma once
#include <optional>
#include <string>

#include "components/video/video.h"

struct VideoSize {
  int width;
  int height;
};

// The size a format stores a frame of width × height at: MP4's 4:2:0 colour needs even sides,
// so an odd side loses its last column or row; GIF keeps the size. Sides are at most 65535
// (both containers); none when a side is 0 or would be.
std::optional<VideoSize> StoredVideoSize(VideoFormat format, int width, int height);

// The H.264 quantiser for a quality percent 1..100: 100 gives 14, screen text without visible
// loss; every 20 percent less adds 6, which halves the bits; 20 gives 38.
int H264Quantiser(int quality);

// Frames between two key frames of the MP4 at `frameRate` frames a second: one every 10 seconds,
// so a player can seek while the unchanged screen between them costs nearly nothing.
int H264KeyFrameInterval(int frameRate);

// Entries of the GIF palette for a quality percent 1..100: 256 from 80 up, halved per 20 percent
// less, at least 16. One entry stays free for the pixels a frame leaves unchanged.
int GifPaletteEntries(int quality);

// The format the name's extension asks for: ".mp4" or ".gif" in any case of letters.
std::optional<VideoFormat> VideoFormatOfName(const std::string& name);
