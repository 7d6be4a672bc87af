// Reading files into a buffer that is kept from call to call, as the save reads frame after
// frame: nothing of an earlier file may show through.
#include "components/services/file_bytes.h"

#include <gtest/gtest.h>

#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

Bytes Filled(size_t size, uint8_t value) { return Bytes(size, value); }

TEST(ReadWholeFileInto, AReusedBufferHoldsExactlyTheFileJustRead) {
  TempFolder temp;
  const std::string large = temp / "large.bmp";
  const std::string small = temp / "small.bmp";
  const std::string same = temp / "same.bmp";
  ASSERT_TRUE(WriteBytes(large, Filled(70000, 0xAA)));
  ASSERT_TRUE(WriteBytes(small, Filled(300, 0x11)));
  ASSERT_TRUE(WriteBytes(same, Filled(70000, 0x22)));

  Bytes buffer;
  ASSERT_TRUE(ReadWholeFileInto(large, buffer));
  EXPECT_EQ(buffer, Filled(70000, 0xAA));
  ASSERT_TRUE(ReadWholeFileInto(small, buffer));
  EXPECT_EQ(buffer, Filled(300, 0x11));
  ASSERT_TRUE(ReadWholeFileInto(same, buffer));
  EXPECT_EQ(buffer, Filled(70000, 0x22));
  ASSERT_TRUE(WriteBytes(same, Bytes{}));
  ASSERT_TRUE(ReadWholeFileInto(same, buffer));
  EXPECT_TRUE(buffer.empty());
}

TEST(ReadWholeFileInto, AMissingFileLeavesTheBufferEmpty) {
  TempFolder temp;
  Bytes buffer = Filled(50, 7);
  EXPECT_FALSE(ReadWholeFileInto(temp / "missing.bmp", buffer));
  EXPECT_TRUE(buffer.empty());
  EXPECT_TRUE(ReadWholeFile(temp / "missing.bmp").empty());
}

}  // namespace
