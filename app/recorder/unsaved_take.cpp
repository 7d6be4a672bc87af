#include "app/recorder/unsaved_take.h"

#include <windows.h>

#include <algorithm>

#include "components/imaging/bmp_file.h"
#include "components/services/file_bytes.h"
#include "components/services/folder_entries.h"
#include "components/services/wide_text.h"
#include "components/services/win_handle.h"

namespace {

constexpr size_t kJpegMarkerSize = 2;

// The first and last bytes of a file, which is all the wholeness rules look at.
struct FileEnds {
  uint8_t head[kBmpFileHeaderSize] = {};
  size_t headSize = 0;
  uint8_t tail[kJpegMarkerSize] = {};
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
  const size_t tailWanted = static_cast<size_t>(std::min<uint64_t>(ends->size, kJpegMarkerSize));
  return ReadAt(file.get(), 0, ends->head, sizeof ends->head, &ends->headSize) &&
         ReadAt(file.get(), ends->size - tailWanted, ends->tail, tailWanted, &ends->tailSize);
}

bool IsWholeFrameFile(const std::wstring& path, bool jpeg) {
  FileEnds ends;
  if (!ReadFileEnds(path, &ends)) return false;
  return jpeg ? IsWholeJpegFile(ends.head, ends.headSize, ends.tail, ends.tailSize)
              : IsWholeBitmapFile(ends.head, ends.headSize, ends.size);
}

std::string FrameFilePath(const std::string& folder, const FrameFile& file) {
  return file.jpeg ? ConvertedFramePath(folder, file.number) : CapturedFramePath(folder, file.number);
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
  // Highest number first; of one number, the bitmap first, since a save reads it before the JPEG.
  std::sort(files.begin(), files.end(), [](const FrameFile& a, const FrameFile& b) {
    return a.number != b.number ? a.number > b.number : a.jpeg < b.jpeg;
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
    return IsWholeFrameFile(Widen(FrameFilePath(folder, file)), file.jpeg);
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

TakeFrameSource ReadTakeFrame(const std::string& folder, int number, ByteString& bytes) {
  if (ReadWholeFileInto(CapturedFramePath(folder, number), bytes)) return TakeFrameSource::Bitmap;
  if (ReadWholeFileInto(ConvertedFramePath(folder, number), bytes)) return TakeFrameSource::Jpeg;
  return TakeFrameSource::None;
}
