// Lying archives: Unpack answers with a result code, never crashes, hangs or writes outside its
// target. Archives cut short or with bytes flipped are swept by the hostile campaign
// (tests/hostile/archive_campaign_test.cpp).
#include <gtest/gtest.h>

#include "components/zip/zip.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "tests/zip/archive_bytes.h"

namespace {

void PutLe16At(Bytes& bytes, size_t at, uint16_t value) {
  bytes.at(at) = static_cast<uint8_t>(value);
  bytes.at(at + 1) = static_cast<uint8_t>(value >> 8);
}

void PutLe32At(Bytes& bytes, size_t at, uint32_t value) {
  PutLe16At(bytes, at, static_cast<uint16_t>(value));
  PutLe16At(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

class HostileArchive : public testing::Test {
 protected:
  void SetUp() override {
    std::string source = temp_ / "src";
    ASSERT_TRUE(MakeFolder(source));
    ASSERT_TRUE(MakeFolder(source + "\\sub"));
    ASSERT_TRUE(WriteText(source + "\\1.jpg", std::string(300, 'a') + "frame one"));
    ASSERT_TRUE(WriteText(source + "\\x.zip", "stored"));
    ASSERT_TRUE(WriteText(source + "\\sub\\2.jpg", "frame two"));
    ASSERT_EQ(Pack(nullptr, source, temp_ / "good.vmrc"), kZipDone);
    good_ = ReadBytes(temp_ / "good.vmrc");
  }

  // Unpacks `bytes` into a fresh target and checks that only the target was written to.
  int UnpackBytes(const Bytes& bytes) {
    std::string target = temp_ / "out";
    RemoveTree(target);
    EXPECT_TRUE(WriteBytes(temp_ / "bad.vmrc", bytes));
    int result = Unpack(nullptr, temp_ / "bad.vmrc", target);
    EXPECT_TRUE(result == kZipDone || result == kZipFailed) << result;
    EXPECT_EQ(ListFolder(temp_.path()), (std::vector<std::string>{"bad.vmrc", "good.vmrc", "out", "src"}));
    return result;
  }

  size_t EndRecord() const { return good_.size() - 22; }
  size_t FirstCentralHeader() const { return Le32(good_, EndRecord() + 16); }

  TempFolder temp_;
  Bytes good_;
};

TEST_F(HostileArchive, LyingCountsSizesAndLengthsAreHandled) {
  Bytes manyEntries = good_;
  PutLe16At(manyEntries, EndRecord() + 8, 0xFFFF);
  PutLe16At(manyEntries, EndRecord() + 10, 0xFFFF);
  EXPECT_EQ(UnpackBytes(manyEntries), kZipFailed);

  Bytes longName = good_;
  PutLe16At(longName, FirstCentralHeader() + 28, 0xFFFF);
  EXPECT_EQ(UnpackBytes(longName), kZipFailed);

  Bytes longExtra = good_;
  PutLe16At(longExtra, 28, 0xFFFF);
  EXPECT_EQ(UnpackBytes(longExtra), kZipFailed);

  Bytes directoryAtStart = good_;
  PutLe32At(directoryAtStart, EndRecord() + 16, 0);
  EXPECT_EQ(UnpackBytes(directoryAtStart), kZipFailed);
}

TEST_F(HostileArchive, AHugeClaimedSizeExtractsOnlyTheBytesThatAreThere) {
  Bytes archive = BuildArchive({{"1.jpg", "short"}});
  PutLe32At(archive, 22, 0xFFFFFFF0);
  PutLe32At(archive, Le32(archive, archive.size() - 6) + 24, 0xFFFFFFF0);
  UnpackBytes(archive);
  EXPECT_LE(ReadBytes(temp_ / "out\\1.jpg").size(), archive.size());
}

}  // namespace
