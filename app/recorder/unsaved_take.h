// A take left in the working folder: by a crash, a power cut or a kill in the middle of a take,
// or by a save that failed half-way (frames converted to n.jpg, the rest still n.bmp). The
// rules that say which frames are whole are plain functions over what the folder holds.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/recording/recording_file.h"
#include "components/services/byte_string.h"

// A bitmap frame is whole by IsWholeBitmapFile (components/imaging/bmp_file.h).
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

// Where frame n of the take was read from: its captured bitmap, else the JPEG an earlier, failed
// save converted it to; none when the folder holds neither.
enum class TakeFrameSource { None, Bitmap, Jpeg };
// Reads frame n of the take in `folder` into `bytes` (their memory reused), bitmap first, as
// every save takes its frames.
TakeFrameSource ReadTakeFrame(const std::string& folder, int number, ByteString& bytes);
