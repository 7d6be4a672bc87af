#include "app/recording/recording_file.h"

#include <windows.h>

#include <string_view>

#include "components/services/folder_entries.h"
#include "components/services/number_text.h"

namespace {

wchar_t LowerAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

// Whether `name` ends in `suffix` (lower case), letters compared without regard to case.
bool EndsInIgnoringCase(std::wstring_view name, std::wstring_view suffix) {
  if (name.size() < suffix.size()) return false;
  name.remove_prefix(name.size() - suffix.size());
  for (size_t i = 0; i < suffix.size(); ++i)
    if (LowerAscii(name[i]) != suffix[i]) return false;
  return true;
}

// What the "*.jpg" search pattern means, judged on the long name alone: the search itself also
// matches 8.3 short names, so "x.jpgx" (short name X~1.JPG) would count as a frame.
bool EndsInJpg(std::wstring_view name) { return EndsInIgnoringCase(name, L".jpg"); }

}  // namespace

std::string LeanFrameName(int frameNumber) { return IntegerText(frameNumber) + ".vlf"; }
std::string BitmapFrameName(int frameNumber) { return IntegerText(frameNumber) + ".bmp"; }
std::string JpegFrameName(int frameNumber) { return IntegerText(frameNumber) + ".jpg"; }

// The recorder and the save pipeline write "/" between folder and name; the player and the
// take-start check use "\". Windows accepts both.
std::string LeanFramePath(const std::string& folder, int frameNumber) {
  return folder + "/" + LeanFrameName(frameNumber);
}

std::string CapturedFramePath(const std::string& folder, int frameNumber) {
  return folder + "/" + BitmapFrameName(frameNumber);
}

std::string ConvertedFramePath(const std::string& folder, int frameNumber) {
  return folder + "/" + JpegFrameName(frameNumber);
}

std::string PlayedFramePath(const std::string& folder, int frameNumber) {
  return folder + "\\" + JpegFrameName(frameNumber);
}

int FrameNumberOf(std::wstring_view digits) {
  if (digits.empty() || digits.size() > 9 || digits[0] == L'0') return 0;
  int number = 0;
  for (wchar_t c : digits) {
    if (c < L'0' || c > L'9') return 0;
    number = number * 10 + (c - L'0');
  }
  return number;
}

FrameFile ParseFrameName(const std::wstring& name) {
  FrameForm form = FrameForm::Jpeg;
  if (EndsInIgnoringCase(name, L".vlf")) {
    form = FrameForm::Lean;
  } else if (EndsInIgnoringCase(name, L".bmp")) {
    form = FrameForm::Bitmap;
  } else if (!EndsInJpg(name)) {
    return {};
  }
  const int number = FrameNumberOf(std::wstring_view(name).substr(0, name.size() - 4));
  if (number == 0) return {};
  return {number, form};
}

bool CountsAsFrameFile(std::wstring_view name) { return EndsInJpg(name); }

int CountFrameFiles(const std::string& folder) {
  int count = 0;
  ForEachFolderEntry(folder, [&](const WIN32_FIND_DATAW& entry) {
    if (!IsSubfolder(entry) && CountsAsFrameFile(entry.cFileName)) ++count;
    return true;
  });
  return count;
}
