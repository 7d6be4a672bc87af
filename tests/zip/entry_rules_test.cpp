// The small rules of entries: method by suffix, attributes, executable recognition, the
// archive check and progress percent.
#include <gtest/gtest.h>

#include "components/zip/archive_check.h"
#include "components/zip/entry_attributes.h"
#include "components/zip/entry_method.h"
#include "components/zip/progress.h"
#include "components/zip/zip_records.h"
#include "tests/zip/case_name.h"

namespace {

struct MethodCase {
  const char* what;
  const char* name;
  uint16_t method;
};

class Method : public testing::TestWithParam<MethodCase> {};

TEST_P(Method, StoresOnlyAlreadyCompressedFormats) { EXPECT_EQ(MethodForFile(GetParam().name), GetParam().method); }

INSTANTIATE_TEST_SUITE_P(
    Suffixes, Method,
    testing::Values(MethodCase{"jpeg frame", "12.jpg", kMethodDeflate}, MethodCase{"zip", "x.zip", kMethodStored},
                    MethodCase{"zip upper case", "X.ZIP", kMethodStored}, MethodCase{"gz mixed case", "a.Gz", kMethodStored},
                    MethodCase{"compress", "a.Z", kMethodStored}, MethodCase{"zoo", "a.zoo", kMethodStored},
                    MethodCase{"arc", "a.arc", kMethodStored}, MethodCase{"lzh", "a.lzh", kMethodStored},
                    MethodCase{"arj", "a.arj", kMethodStored}, MethodCase{"tgz", "a.tgz", kMethodStored},
                    MethodCase{"only the last suffix counts", "a.zip.txt", kMethodDeflate},
                    MethodCase{"suffix inside a folder name", "x.zip/readme", kMethodDeflate},
                    MethodCase{"no dot", "zip", kMethodDeflate}, MethodCase{"longer suffix", "a.zipx", kMethodDeflate}),
    CaseName());

struct AttributesCase {
  const char* what;
  uint32_t fileSystem;
  bool executable;
  uint32_t expected;
};

class Attributes : public testing::TestWithParam<AttributesCase> {};

TEST_P(Attributes, KeepDosBitsAndAddAUnixMode) {
  EXPECT_EQ(FileEntryAttributes(GetParam().fileSystem, GetParam().executable), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Attributes,
    testing::Values(AttributesCase{"typical frame", 0x20, false, 0x81800020},
                    AttributesCase{"normal without archive bit", 0x80, false, 0x81800000},
                    AttributesCase{"read-only loses owner write", 0x21, false, 0x81000021},
                    AttributesCase{"hidden and system", 0x26, false, 0x81800026},
                    AttributesCase{"executable", 0x20, true, 0x81C00020},
                    AttributesCase{"other bits dropped", 0x2000 | 0x100 | 0x20, false, 0x81800020}),
    CaseName());

TEST(Attributes, FolderEntriesAreRecognisedByEitherDirectoryBit) {
  EXPECT_TRUE(IsFolderEntry(kFolderEntryAttributes));
  EXPECT_TRUE(IsFolderEntry(0x10));
  EXPECT_TRUE(IsFolderEntry(0x41ED0000));
  EXPECT_FALSE(IsFolderEntry(0x81800020));
  EXPECT_FALSE(IsFolderEntry(0));
}

ByteString DosHeader(const char* magic, uint32_t newHeaderOffset) {
  ByteString head(64, 0);
  head[0] = static_cast<uint8_t>(magic[0]);
  head[1] = static_cast<uint8_t>(magic[1]);
  for (int i = 0; i < 4; ++i) head[60 + i] = static_cast<uint8_t>(newHeaderOffset >> (8 * i));
  return head;
}

TEST(Executable, NeedsMzAndAFullDosHeader) {
  ByteString head = DosHeader("MZ", 0x80);
  EXPECT_EQ(NewHeaderOffset(head.data(), head.size()), 0x80u);
  EXPECT_EQ(NewHeaderOffset(head.data(), 63), 0u);
  ByteString notMz = DosHeader("ZM", 0x80);
  EXPECT_EQ(NewHeaderOffset(notMz.data(), notMz.size()), 0u);
}

TEST(Executable, KnowsThePeNeAndLeSignatures) {
  const uint8_t pe[] = {'P', 'E', 0, 0}, ne[] = {'N', 'E', 1, 2}, le[] = {'L', 'E'}, peNoZeros[] = {'P', 'E', 1, 0},
                jpeg[] = {0xFF, 0xD8, 0xFF, 0xE0};
  EXPECT_TRUE(IsExecutableSignature(pe, 4));
  EXPECT_TRUE(IsExecutableSignature(ne, 4));
  EXPECT_TRUE(IsExecutableSignature(le, 2));
  EXPECT_FALSE(IsExecutableSignature(pe, 2));
  EXPECT_FALSE(IsExecutableSignature(peNoZeros, 4));
  EXPECT_FALSE(IsExecutableSignature(jpeg, 4));
  EXPECT_FALSE(IsExecutableSignature(ne, 1));
}

ByteString Head(uint32_t signature, int32_t wordAt24) {
  ByteString head(32, 0);
  for (int i = 0; i < 4; ++i) {
    head[i] = static_cast<uint8_t>(signature >> (8 * i));
    head[24 + i] = static_cast<uint8_t>(static_cast<uint32_t>(wordAt24) >> (8 * i));
  }
  return head;
}

TEST(ArchiveCheck, AcceptsALocalHeaderWithANamedFirstEntry) {
  ByteString named = Head(kLocalHeaderSignature, 5 << 16);
  EXPECT_TRUE(PassesArchiveCheck(named.data(), named.size()));
  ByteString hugeFirstEntry = Head(kLocalHeaderSignature, 1);
  EXPECT_TRUE(PassesArchiveCheck(hugeFirstEntry.data(), hugeFirstEntry.size()));
}

TEST(ArchiveCheck, RefusesShortFilesOtherSignaturesAndNamelessFirstEntries) {
  ByteString named = Head(kLocalHeaderSignature, 5 << 16);
  EXPECT_FALSE(PassesArchiveCheck(named.data(), 31));
  ByteString endRecordFirst = Head(kEndRecordSignature, 5 << 16);
  EXPECT_FALSE(PassesArchiveCheck(endRecordFirst.data(), endRecordFirst.size()));
  ByteString nameless = Head(kLocalHeaderSignature, 0);
  EXPECT_FALSE(PassesArchiveCheck(nameless.data(), nameless.size()));
  ByteString negative = Head(kLocalHeaderSignature, -1);
  EXPECT_FALSE(PassesArchiveCheck(negative.data(), negative.size()));
}

TEST(Progress, PercentIsTruncatedAndEndsAtAHundred) {
  EXPECT_EQ(PercentDone(0, 3), 0);
  EXPECT_EQ(PercentDone(1, 3), 33);
  EXPECT_EQ(PercentDone(2, 3), 66);
  EXPECT_EQ(PercentDone(3, 3), 100);
  EXPECT_EQ(PercentDone(199, 200), 99);
  EXPECT_EQ(PercentDone(0, 0), 100);
  EXPECT_EQ(PercentDone(5, 4), 100);
}

}  // namespace
