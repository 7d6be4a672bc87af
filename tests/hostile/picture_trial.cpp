#include "tests/hostile/picture_trial.h"

#include <windows.h>

#include "components/imaging/imaging.h"
#include "components/services/wide_text.h"
#include "controls/property_indexes.h"
#include "tests/imaging/picture_files.h"
#include "tests/recorder/scripted_user.h"

namespace {

std::wstring Variable(const wchar_t* name) {
  wchar_t value[MAX_PATH + 1];
  DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH + 1);
  return length == 0 || length > MAX_PATH ? std::wstring() : std::wstring(value, length);
}

}  // namespace

// The system takes its temporary folder from TMP first.
PictureTrial::PictureTrial() : savedTmp_(Variable(L"TMP")) {
  SetEnvironmentVariableW(L"TMP", Widen(temporary_.path()).c_str());
}

PictureTrial::~PictureTrial() { SetEnvironmentVariableW(L"TMP", savedTmp_.empty() ? nullptr : savedTmp_.c_str()); }

int PictureTrial::Convert(const std::string& what, const Bytes& bytes) {
  EXPECT_TRUE(WriteBytes(scratch_ / "damaged", bytes));
  const std::string target = scratch_ / "damaged.jpg";
  const int result = ConvertToJpeg(scratch_ / "damaged", target, false, 80, true, 0);
  EXPECT_TRUE(result == kJpegWritten || result == kJpegSourceUnreadable) << what << ": " << result;
  PixelBuffer written;
  EXPECT_EQ(result == kJpegWritten, FileExists(target) && DecodeJpegFile(target, written)) << what;
  DeleteFileW(Widen(target).c_str());
  return result;
}

bool PictureTrial::ShowInPanel(const Bytes& bytes) {
  WriteProperty(kPanel, draw_panel_property::kBackPicture, ByteString(bytes));
  RedrawWindow(LiveHwnd(kPanel), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const int picture = LoadPicture(bytes);
  const bool found = picture != 0 && PictureWidth(kPanel, picture) > 0;
  UnloadPicture(picture);
  return found;
}
