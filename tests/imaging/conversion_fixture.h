// A test of ConvertToJpeg in a fresh folder. The system temporary folder points at a private
// folder for the test's duration, so that every pixel file a conversion makes lands there and
// the test can show that none is left behind, whatever the result.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/imaging/imaging.h"
#include "tests/imaging/picture_files.h"
#include "tests/support/temp_folder.h"

class ConversionTest : public testing::Test {
 protected:
  ConversionTest();
  ~ConversionTest() override;
  void TearDown() override;

  // Writes `bytes` as `name` in the folder; the file's path.
  std::string Source(const std::string& name, const Bytes& bytes);
  // ConvertToJpeg with the program's own arguments: colour, optimised coding, no smoothing.
  int Convert(const std::string& source, const std::string& target, int quality = 80);
  // Converts `source` to a JPEG file at quality 90 and decodes that into `jpeg`; true when both
  // steps succeed.
  bool ConvertAndDecode(const std::string& source, PixelBuffer& jpeg);

  TempFolder folder_;
  // The private temporary folder and the names a test put there itself.
  std::string pixelFolder_;
  std::vector<std::string> ownPixelFolderFiles_;

 private:
  std::wstring savedTmp_;
  std::wstring savedTemp_;
};
