#include "tests/imaging/conversion_fixture.h"

#include <windows.h>

#include "components/services/wide_text.h"

namespace {

std::wstring Variable(const wchar_t* name) {
  wchar_t value[MAX_PATH + 1] = L"";
  GetEnvironmentVariableW(name, value, MAX_PATH + 1);
  return value;
}

}  // namespace

ConversionTest::ConversionTest() : pixelFolder_(folder_ / "temp"), savedTmp_(Variable(L"TMP")), savedTemp_(Variable(L"TEMP")) {
  MakeFolder(pixelFolder_);
  SetEnvironmentVariableW(L"TMP", Widen(pixelFolder_).c_str());
  SetEnvironmentVariableW(L"TEMP", Widen(pixelFolder_).c_str());
}

ConversionTest::~ConversionTest() {
  SetEnvironmentVariableW(L"TMP", savedTmp_.c_str());
  SetEnvironmentVariableW(L"TEMP", savedTemp_.c_str());
}

void ConversionTest::TearDown() { EXPECT_EQ(ListFolder(pixelFolder_), ownPixelFolderFiles_) << "pixel files left behind"; }

std::string ConversionTest::Source(const std::string& name, const Bytes& bytes) {
  std::string path = folder_ / name;
  EXPECT_TRUE(WriteBytes(path, bytes));
  return path;
}

int ConversionTest::Convert(const std::string& source, const std::string& target, int quality) {
  return ConvertToJpeg(source, target, false, quality, true, 0);
}

bool ConversionTest::ConvertAndDecode(const std::string& source, PixelBuffer& jpeg) {
  std::string target = folder_ / "converted.jpg";
  return Convert(source, target, 90) == kJpegWritten && DecodeJpegFile(target, jpeg);
}
