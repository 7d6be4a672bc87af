#include "app/recorder/unsaved_take.h"

#include <windows.h>

#include <algorithm>

#include "components/imaging/bmp_file.h"
#include "components/services/file_bytes.h"
#include "components/services/folder_entries.h"
#include "components/services/little_endian.h"
#include "components/services/wide_text.h"
#include "components/services/win_handle.h"

namespace {

constexpr size_t kJpegMarkerSize = 2;
constexpr size_t kHeadBytes = std::max<size_t>(kBmpFileHeaderSize, kLeanFrameHeadSize);
constexpr size_t kTailBytes = std::max<size_t>(kJpegMarkerSize, kLeanFrameTailSize);

// The first and last bytes of a file, which is all the wholeness rules look at.
struct FileEnds {
  uint8_t head[kHeadBytes] = {};
  size_t headSize = 0;
  uint8_t tail[kTailBytes] = {};
  size_t tailSize = 0;
  uint64_t size = 0;
};

bool ReadAt(HANDLE file, uint64_t offset, uint8_t* buffer, size_t wanted, size_t* got) {
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(offset);
  DWORD read = 0;
  if (!SetFilePointerEx(file, at, nullptr, FILE_BEGIN) || !ReadFile(file, buffer, static_cast<DWORD>(wanted), &read, nullptr))
    return false;
  *got = read;
  return true;
}

bool ReadFileEnds(const std::wstring& path, FileEnds* ends) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file || !GetFileSizeEx(file.get(), &size)) return false;
  ends->size = static_cast<uint64_t>(size.QuadPart);
  const size_t tailWanted = static_cast<size_t>(std::min<uint64_t>(ends->size, kTailBytes));
  return ReadAt(file.get(), 0, ends->head, sizeof ends->head, &ends->headSize) &&
         ReadAt(file.get(), ends->size - tailWanted, ends->tail, tailWanted, &ends->tailSize);
}

// A JPEG's end marker is its last two bytes, whatever the tail read holds before them.
bool IsWholeFrameFile(const std::wstring& path, FrameForm form) {
  FileEnds ends;
  if (!ReadFileEnds(path, &ends)) return false;
  switch (form) {
    case FrameForm::Lean:
      return IsWholeLeanFrame(ends.head, ends.headSize, ends.tail, ends.tailSize, ends.size);
    case FrameForm::Bitmap:
      return IsWholeBitmapFile(ends.head, ends.headSize, ends.size);
    case FrameForm::Jpeg: {
      const size_t marker = std::min(ends.tailSize, kJpegMarkerSize);
      return IsWholeJpegFile(ends.head, ends.headSize, ends.tail + ends.tailSize - marker, marker);
    }
  }
  return false;
}

constexpr size_t kBmpWidthOffset = 18;
constexpr size_t kBmpHeightOffset = 22;

// A bitmap's size from its info header; rows stored bottom-up, as the recorder wrote them.
std::optional<FrameShape> BitmapShape(const FileEnds& ends) {
  if (ends.headSize < kBmpHeightOffset + 4 || ends.head[0] != 'B' || ends.head[1] != 'M') return std::nullopt;
  const auto width = static_cast<int32_t>(GetLe32(ends.head, kBmpWidthOffset));
  const auto height = static_cast<int32_t>(GetLe32(ends.head, kBmpHeightOffset));
  if (width < 1 || height < 1) return std::nullopt;
  return FrameShape{width, height};
}

// Calls `visit` with each frame file directly in the folder until it answers false.
void ForEachFrameFile(const std::string& folder, const std::function<bool(const FrameFile&)>& visit) {
  ForEachFolderEntry(folder, [&](const WIN32_FIND_DATAW& entry) {
    const FrameFile file = IsSubfolder(entry) ? FrameFile{} : ParseFrameName(entry.cFileName);
    return file.number == 0 || visit(file);
  });
}

}  // namespace

bool IsWholeJpegFile(const uint8_t* head, size_t headSize, const uint8_t* tail, size_t tailSize) {
  return headSize >= kJpegMarkerSize && tailSize == kJpegMarkerSize && head[0] == 0xFF && head[1] == 0xD8 &&
         tail[0] == 0xFF && tail[1] == 0xD9;
}

TakeFound TakeFromFrameFiles(std::vector<FrameFile> files, const std::function<bool(const FrameFile&)>& isWhole) {
  // Highest number first; of one number, in the order a save reads the forms.
  std::sort(files.begin(), files.end(), [](const FrameFile& a, const FrameFile& b) {
    return a.number != b.number ? a.number > b.number : a.form < b.form;
  });
  TakeFound take;
  for (size_t i = 0; i < files.size();) {
    size_t next = i;
    bool whole = false;
    for (; next < files.size() && files[next].number == files[i].number; ++next) whole = whole || isWhole(files[next]);
    if (whole) {
      take.frameCount = files[i].number;
      break;
    }
    take.cutShort.insert(take.cutShort.end(), files.begin() + static_cast<ptrdiff_t>(i),
                         files.begin() + static_cast<ptrdiff_t>(next));
    i = next;
  }
  return take;
}

TakeFound FindUnsavedTake(const std::string& folder) {
  std::vector<FrameFile> files;
  ForEachFrameFile(folder, [&](const FrameFile& file) {
    files.push_back(file);
    return true;
  });
  return TakeFromFrameFiles(std::move(files), [&](const FrameFile& file) {
    return IsWholeFrameFile(Widen(FrameFilePath(folder, file)), file.form);
  });
}

void RemoveCutShortFrames(const std::string& folder, const TakeFound& take) {
  for (const FrameFile& file : take.cutShort) DeleteFileW(Widen(FrameFilePath(folder, file)).c_str());
}

bool AnyFrameFileExists(const std::string& folder) {
  bool found = false;
  ForEachFrameFile(folder, [&](const FrameFile&) {
    found = true;
    return false;
  });
  return found;
}

std::optional<FrameShape> TakeFrameShape(const std::string& folder) {
  FileEnds ends;
  LeanFrameHead head;
  if (ReadFileEnds(Widen(LeanFramePath(folder, 1)), &ends) && ReadLeanFrameHead(ends.head, ends.headSize, head))
    return head.shape;
  ends = {};
  if (ReadFileEnds(Widen(CapturedFramePath(folder, 1)), &ends)) return BitmapShape(ends);
  return std::nullopt;
}

std::string FrameFilePath(const std::string& folder, const FrameFile& file) {
  switch (file.form) {
    case FrameForm::Lean:
      return LeanFramePath(folder, file.number);
    case FrameForm::Bitmap:
      return CapturedFramePath(folder, file.number);
    case FrameForm::Jpeg:
      return ConvertedFramePath(folder, file.number);
  }
  return {};
}

TakeReader::TakeReader(std::string folder) : folder_(std::move(folder)) {}

// A lean frame that cannot be read (damaged, or changing a frame this reader does not hold)
// counts as missing, as a bitmap that cannot be read does; the next whole frame reads again.
TakeFrameSource TakeReader::Read(int number, ByteString& bytes) {
  if (ReadWholeFileInto(CapturedFramePath(folder_, number), bytes)) return TakeFrameSource::Bitmap;
  if (ReadWholeFileInto(LeanFramePath(folder_, number), file_)) {
    FrameShape shape{};
    const bool decoded = decoder_.Decode(file_, heldNumber_, shape, rows_);
    heldNumber_ = decoded ? number : 0;
    if (decoded && ShapeBmpFile(shape.width, shape.height, bytes) && bytes.size() == kBmpHeadersSize + rows_.size()) {
      std::copy(rows_.begin(), rows_.end(), bytes.begin() + kBmpHeadersSize);
      return TakeFrameSource::Bitmap;
    }
    bytes.clear();
    return TakeFrameSource::None;
  }
  if (ReadWholeFileInto(ConvertedFramePath(folder_, number), bytes)) return TakeFrameSource::Jpeg;
  return TakeFrameSource::None;
}
