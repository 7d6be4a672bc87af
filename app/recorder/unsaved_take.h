// A take left in the working folder: by a crash, a power cut or a kill in the middle of a take,
// or by a save that failed half-way. Its frames are lean frames (n.vlf); a folder an earlier
// version of the program left holds bitmaps (n.bmp), and after a save of that version failed
// half-way, JPEG files (n.jpg) for the frames it converted. The
// rules that say which frames are whole are plain functions over what the folder holds.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/recording/recording_file.h"
#include "components/imaging/lean_frame.h"
#include "components/services/byte_string.h"

// A lean frame is whole by IsWholeLeanFrame (components/imaging/lean_frame.h), a bitmap frame by
// IsWholeBitmapFile (components/imaging/bmp_file.h).
// A JPEG frame is whole when it begins with the start-of-image marker and ends with the
// end-of-image marker (the converter writes both).
bool IsWholeJpegFile(const uint8_t* head, size_t headSize, const uint8_t* tail, size_t tailSize);

// The take the files make up. Frames are numbered 1 to frameCount; a number the folder lacks
// is a frame whose write failed, which the save turns white. The frame with the highest
// number, if none of its files is whole (the one a crash cut short), is left out, and so on
// down until a whole frame is found; the files left out are in cutShort, to be removed.
// `isWhole` is asked only about those top frames, so a long take costs no reading of the rest.
struct TakeFound {
  int frameCount = 0;
  std::vector<FrameFile> cutShort;
};
TakeFound TakeFromFrameFiles(std::vector<FrameFile> files, const std::function<bool(const FrameFile&)>& isWhole);

// Reads the working folder: the take it holds (frameCount 0 when none, or when the folder is
// missing). Reads only each file's first and last bytes.
TakeFound FindUnsavedTake(const std::string& folder);

// Removes the files of the frames a crash cut short.
void RemoveCutShortFrames(const std::string& folder, const TakeFound& take);

// Whether the folder holds any frame file, captured (n.bmp) or converted by a save that failed
// later (n.jpg): a take that has not been saved. Reads the folder's names only.
bool AnyFrameFileExists(const std::string& folder);

// The size of the take's frames in `folder`: frame 1's, from the head of its lean frame or the
// header of its bitmap; none when the folder holds neither.
std::optional<FrameShape> TakeFrameShape(const std::string& folder);

// Where a frame file of the take in `folder` is.
std::string FrameFilePath(const std::string& folder, const FrameFile& file);

// What frame n of a take was read as: the captured picture as a 24-bit BMP file (from its lean
// frame or its bitmap), else the JPEG an earlier, failed save converted it to; none when the
// folder holds neither, or its lean frame cannot be read.
enum class TakeFrameSource { None, Bitmap, Jpeg };

// Reads the frames of the take in a folder, as every save takes them. A lean frame holds what
// changed since the frame before it, so the reader keeps the picture of the last one it read:
// a save reads frames 1, 2, 3 ... in order, and a whole frame can be read at any point.
class TakeReader {
 public:
  explicit TakeReader(std::string folder);
  // Frame n into `bytes` (their memory reused).
  TakeFrameSource Read(int number, ByteString& bytes);

 private:
  std::string folder_;
  LeanFrameDecoder decoder_;
  ByteString file_;
  ByteString rows_;  // the picture of lean frame heldNumber_
  int heldNumber_ = 0;
};
