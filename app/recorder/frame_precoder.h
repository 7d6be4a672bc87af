// The save's work on a take's frames, done frame by frame while the take runs, on the take
// writer's thread: each frame drawn through a canvas as the save's hidden canvas draws it, coded
// to JPEG as the save codes it, and the archive entry's data made ahead (PrepareEntry) into a
// folder of its own. A save at the same quality and canvas then only writes the archive from
// what is ready. A frame whose shrunk picture equals the one before gets no file of its own: its
// entry takes that frame's, as its JPEG would have the same bytes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "components/services/byte_string.h"
#include "components/zip/zip.h"
#include "controls/offscreen_canvas.h"

// The quality and the canvas a take is coded ahead for: the save's at the take's start.
struct PrecodeTarget {
  int quality = 0;
  int canvasWidth = 0;
  int canvasHeight = 0;
  bool operator==(const PrecodeTarget&) const = default;
};

// The entries ready for a save: frame n's entry "n.jpg" takes its data from the prepared file
// of frame preparedOf(n), the highest prepared frame up to n.
struct PrecodedFrames {
  PrecodeTarget target;
  std::string folder;
  int codedUpTo = 0;   // frames 1 to this one are ready; 0 when none or the coding gave up
  uint64_t bytes = 0;  // about what the prepared files take on the disk
};

// The prepared-entry file of frame n in the coded folder: folder + "/" + "n.entry".
std::string PreparedEntryPath(const std::string& codedFolder, int frameNumber);

// The archive's entries for frames 1 to frameCount, "n.jpg" each from the prepared file of the
// highest prepared frame up to n, and the bytes of those files together (what the archive's
// data will take). No entries when frame 1 has no prepared file.
struct ReadyEntries {
  std::vector<PackedFile> entries;
  uint64_t bytes = 0;
};
ReadyEntries ReadyEntriesOf(const PrecodedFrames& coded, int frameCount);

class FramePrecoder {
 public:
  // Codes into `codedFolder`, created on the first frame.
  FramePrecoder(std::string codedFolder, PrecodeTarget target);

  // Codes frame `number`, the one after the last coded, from its 24-bit BMP file. A frame that
  // cannot be coded (a full disk, a screen of another size) ends the coding for the take: the
  // save then works from the captured frames.
  void Code(int number, const ByteString& frameFile);
  // Frame `number`, the one after the last coded, is the one before it again: its entry shares
  // that frame's data.
  void Repeat(int number);
  // Ends the coding for the take, as a frame that cannot be coded does; what was coded goes.
  void GiveUp();

  const PrecodedFrames& Coded() const { return coded_; }

 private:
  bool CodeNew(int number);

  PrecodedFrames coded_;
  bool gaveUp_ = false;
  bool folderMade_ = false;
  OffscreenCanvas canvas_;
  ByteString shrunk_;
  ByteString previousShrunk_;
  ByteString jpeg_;
  Colour backColour_;
  int pictureMode_;
};
