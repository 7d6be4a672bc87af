// The frame files of a recording, as the recorder, its save pipeline and the player name, find
// and time them. A frame is a file named by its number in decimal (no sign, no leading zeros)
// with ".vlf" while captured (a lean frame: components/imaging/lean_frame.h), ".bmp" where an
// earlier version of the program captured it, and ".jpg" once converted; frames are numbered
// from 1 (how fast they play: frame_rate.h). Plain rules over names (UTF-16 where they come from a folder's listing, as the
// system gives them); only CountFrameFiles reads a folder.
#pragma once
#include <string>
#include <string_view>

// "n.vlf", "n.bmp" and "n.jpg" for frame number n (0 or more): "1.vlf", "1.bmp", "10.jpg".
std::string LeanFrameName(int frameNumber);
std::string BitmapFrameName(int frameNumber);
std::string JpegFrameName(int frameNumber);

// folder + "/" + "n.vlf": where the recorder writes frame n.
std::string LeanFramePath(const std::string& folder, int frameNumber);

// folder + "/" + "n.bmp": where an earlier version of the recorder wrote frame n.
std::string CapturedFramePath(const std::string& folder, int frameNumber);
// folder + "/" + "n.jpg": where the save pipeline converts frame n to.
std::string ConvertedFramePath(const std::string& folder, int frameNumber);
// folder + "\" + "n.jpg": the frame file the player opens.
std::string PlayedFramePath(const std::string& folder, int frameNumber);

// The forms a frame of a take is kept in, in the order a save reads them: captured (lean, or a
// bitmap from an earlier version), then the JPEG an earlier save converted it to.
enum class FrameForm { Lean, Bitmap, Jpeg };

// A frame file of a take by its name.
struct FrameFile {
  int number = 0;
  FrameForm form = FrameForm::Lean;
};
// The frame file a name names ("12.vlf", "12.bmp", "3.JPG"); number 0 when the name is not a
// frame's (no digits, a leading zero, another extension, more than nine digits).
FrameFile ParseFrameName(const std::wstring& name);

// The frame number a name's part before its extension gives ("12"); 0 when it is no frame's
// number (empty, a leading zero, anything but digits, more than nine of them).
int FrameNumberOf(std::wstring_view digits);

// Whether a file of this name, directly in the folder, counts as a frame: its name ends in ".jpg"
// in any case of letters (cover.jpg and 2.JPG count).
bool CountsAsFrameFile(std::wstring_view name);

// The frame count of a recording unpacked into `folder`: every entry directly in it that is not
// a folder and whose name ends in ".jpg" in any case of letters, so cover.jpg and 2.JPG count
// while .bmp leftovers, sub-folders' contents and a folder named 5.jpg do not. 0 for a missing
// or unreadable folder and for an empty name.
int CountFrameFiles(const std::string& folder);
