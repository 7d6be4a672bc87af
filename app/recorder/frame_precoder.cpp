#include "app/recorder/frame_precoder.h"

#include <windows.h>

#include <algorithm>

#include "app/recording/recording_file.h"
#include "components/imaging/imaging.h"
#include "components/services/file_bytes.h"
#include "components/services/folder_entries.h"
#include "components/services/number_text.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "components/zip/zip.h"
#include "forms/save_dialog.h"

namespace {

// The hidden canvas's own properties, from its form, so the two can never draw apart.
const DrawPanelProperties& HiddenCanvasProperties() {
  static const FormDefinition form = SaveDialog::Definition();
  for (const UnitDefinition& unit : form.units) {
    if (unit.id == SaveDialog::隐藏画板) return std::get<DrawPanelProperties>(unit.properties);
  }
  static const DrawPanelProperties none;
  return none;
}

}  // namespace

std::string PreparedEntryPath(const std::string& codedFolder, int frameNumber) {
  return codedFolder + "/" + IntegerText(frameNumber) + ".entry";
}

// One listing of the coded folder gives every prepared file's size by its frame number.
ReadyEntries ReadyEntriesOf(const PrecodedFrames& coded, int frameCount) {
  std::vector<uint64_t> sizes(static_cast<size_t>(std::max(frameCount, 0)) + 1, 0);
  std::vector<bool> prepared(sizes.size(), false);
  ForEachFolderEntry(coded.folder, [&](const WIN32_FIND_DATAW& entry) {
    const std::wstring name = entry.cFileName;
    const size_t dot = name.find(L'.');
    if (IsSubfolder(entry) || dot == std::wstring::npos || name.substr(dot) != L".entry") return true;
    const int number = FrameNumberOf(std::wstring_view(name).substr(0, dot));
    if (number > 0 && number <= frameCount) {
      prepared[static_cast<size_t>(number)] = true;
      sizes[static_cast<size_t>(number)] = (static_cast<uint64_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
    }
    return true;
  });
  ReadyEntries ready;
  if (frameCount < 1 || !prepared[1]) return ready;
  int source = 1;
  for (int n = 1; n <= frameCount; ++n) {
    if (prepared[static_cast<size_t>(n)]) source = n;
    ready.entries.push_back({PreparedEntryPath(coded.folder, source), JpegFrameName(n)});
    ready.bytes += sizes[static_cast<size_t>(source)];
  }
  return ready;
}

FramePrecoder::FramePrecoder(std::string codedFolder, PrecodeTarget target)
    : backColour_(HiddenCanvasProperties().backColour), pictureMode_(HiddenCanvasProperties().pictureMode) {
  coded_.target = target;
  coded_.folder = std::move(codedFolder);
}

void FramePrecoder::Code(int number, const ByteString& frameFile) {
  if (gaveUp_) return;
  const PrecodeTarget& target = coded_.target;
  if (number != coded_.codedUpTo + 1 ||
      !canvas_.Draw(target.canvasWidth, target.canvasHeight, backColour_, pictureMode_, frameFile, shrunk_))
    return GiveUp();
  // The coded-ahead frame's shrunk picture, compared with the one before's: a still screen then
  // costs neither the coding nor the disk.
  const bool same = number > 1 && shrunk_ == previousShrunk_;
  if (!same && !CodeNew(number)) return GiveUp();
  shrunk_.swap(previousShrunk_);
  coded_.codedUpTo = number;
}

void FramePrecoder::Repeat(int number) {
  if (gaveUp_) return;
  if (number != coded_.codedUpTo + 1) return GiveUp();
  coded_.codedUpTo = number;
}

void FramePrecoder::GiveUp() {
  if (gaveUp_) return;
  gaveUp_ = true;
  coded_.codedUpTo = 0;
  if (folderMade_) RemoveFolderTree(coded_.folder);
}

// The JPEG goes through a file, as the save's converter writes it, then into the entry's data.
bool FramePrecoder::CodeNew(int number) {
  if (!folderMade_) {
    folderMade_ = CreateDirectoryW(Widen(coded_.folder).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
    if (!folderMade_) return false;
  }
  const std::string coding = coded_.folder + "/coding.jpg";
  if (ConvertBitmapToJpeg(shrunk_, coding, coded_.target.quality, true, 0) != kJpegWritten ||
      !ReadWholeFileInto(coding, jpeg_) ||
      PrepareEntry(JpegFrameName(number), jpeg_, PreparedEntryPath(coded_.folder, number)) != kZipDone)
    return false;
  // Deflating a JPEG hardly changes its size.
  coded_.bytes += jpeg_.size();
  return true;
}
