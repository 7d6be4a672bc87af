// Video export: the frames of a take or a recording as one MP4 video (H.264 through openh264,
// in an MP4 file whose index stands before the pictures, with the sound as AAC where there is
// one) or one animated GIF, at the frames' own rate, through FFmpeg's libraries.
#pragma once
#include <cstdint>
#include <string>

#include "components/imaging/bgr_rows.h"

enum class VideoFormat { kMp4, kGif };

// Results of ExportVideo.
constexpr int kVideoWritten = 1;
constexpr int kVideoTargetRefused = -2;    // the file beside the target or the renaming was refused
constexpr int kVideoFrameUnreadable = -3;  // a frame is missing or cannot be decoded
constexpr int kVideoWriteFailed = -4;      // writing failed part way (a full disk, a lost drive)
constexpr int kVideoFrameSizeDiffers = -5; // a frame's size is not that of frame 1
constexpr int kVideoEncoderFailed = -6;    // the encoder, muxer or filters refused their work
constexpr int kVideoBadArgument = -7;      // no frames, a rate outside 1..60, quality outside
                                           // 1..100, empty target, a picture too small for the
                                           // format (MP4: 2 × 2)
constexpr int kVideoSoundUnreadable = -8;  // the MP4's sound is no WAV file that can be read

// The sound of an MP4: a WAV file this program reads (components/sound/wav_file.h) and the sample
// frames of it to use, `frames` of them from `firstFrame` on (silence where the file ends
// sooner). 0 frames is no sound.
struct VideoSound {
  std::string path;
  uint64_t firstFrame = 0;
  uint64_t frames = 0;
};

// Where ExportVideo takes the frames from, in order, and tells how far it is.
class VideoFrames {
 public:
  virtual ~VideoFrames() = default;
  // Decodes frame `number` (1 .. the count) into `rows`, which is asked for the size; false
  // when the frame is missing or damaged. A GIF reads every frame twice (the palette first).
  virtual bool ReadFrame(int number, BgrRows& rows) = 0;
  // Called after frame `number` of pass `pass` (1 .. passes) has been taken in.
  virtual void FrameDone(int pass, int passes, int number) = 0;
};

// Passes over the frames that `format` needs: 1 for MP4, 2 for GIF.
int VideoPasses(VideoFormat format);

// The rates a video is written at, in frames a second.
inline constexpr int kLowestVideoRate = 1;
inline constexpr int kHighestVideoRate = 60;

// Writes frames 1 .. frameCount of `frames` into `target` (UTF-8 path), created or replaced,
// `frameRate` frames a second, at the size of frame 1 (MP4: one column and one row less where
// that side is odd). A GIF's delays are whole hundredths of a second, each frame's rounded from
// its time, so at rates such as 15 they alternate (7, 6, 7) and add up to the real length. `quality`
// 1..100 trades size for sharpness as for a JPEG; 100 keeps screen content visually lossless.
// The file is written beside the target under a temporary name and renamed only when complete;
// on any failure nothing is left of it and an existing target is unchanged. Memory stays flat
// over the frames. With a `sound`, an MP4 gets it as an AAC-LC track (FFmpeg's own encoder,
// about 128 kbit/s for stereo, 96 for mono) at the WAV's rate where AAC has that rate, else at
// 48000, its sample 0 with frame 1's start, never longer than the frames; a GIF has no sound.
int ExportVideo(VideoFrames& frames, int frameCount, int frameRate, const std::string& target, VideoFormat format,
                int quality, const VideoSound* sound = nullptr);
