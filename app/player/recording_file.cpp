#include "app/player/recording_file.h"

#include <windows.h>

#include <string_view>

#include "components/services/number_text.h"
#include "components/services/wide_text.h"
#include "components/services/win_handle.h"

namespace {

constexpr int kFramesPerSecond = 10;

wchar_t LowerAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

// What the "*.jpg" search pattern means, judged on the long name alone: the search itself also
// matches 8.3 short names, so "x.jpgx" (short name X~1.JPG) would count as a frame.
bool EndsInJpg(std::wstring_view name) {
  constexpr std::wstring_view suffix = L".jpg";
  if (name.size() < suffix.size()) return false;
  name.remove_prefix(name.size() - suffix.size());
  for (size_t i = 0; i < suffix.size(); ++i)
    if (LowerAscii(name[i]) != suffix[i]) return false;
  return true;
}

}  // namespace

std::string BitmapFrameName(int frameNumber) { return IntegerText(frameNumber) + ".bmp"; }
std::string JpegFrameName(int frameNumber) { return IntegerText(frameNumber) + ".jpg"; }

// The recorder and the save pipeline write "/" between folder and name; the player and the
// take-start check use "\". Windows accepts both.
std::string CapturedFramePath(const std::string& folder, int frameNumber) {
  return folder + "/" + BitmapFrameName(frameNumber);
}

std::string ConvertedFramePath(const std::string& folder, int frameNumber) {
  return folder + "/" + JpegFrameName(frameNumber);
}

std::string PlayedFramePath(const std::string& folder, int frameNumber) {
  return folder + "\\" + JpegFrameName(frameNumber);
}

std::string FirstCapturedFramePath(const std::string& folder) { return folder + "\\" + BitmapFrameName(1); }

int CountFrameFiles(const std::string& folder) {
  int count = 0;
  // An empty name would search the root of the current drive.
  if (folder.empty()) return count;
  WIN32_FIND_DATAW found;
  FindHandle search(FindFirstFileW(Widen(folder + "\\*").c_str(), &found));
  if (!search) return count;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && EndsInJpg(found.cFileName)) ++count;
  } while (FindNextFileW(search.get(), &found));
  return count;
}

double FrameSeconds(int frameNumber) { return frameNumber / static_cast<double>(kFramesPerSecond); }

std::string FrameSecondsText(int frameNumber) { return DecimalText(FrameSeconds(frameNumber)); }
