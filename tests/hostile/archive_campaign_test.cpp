// Hostile archives through Unpack: names that try to leave the folder, truncated, bit-flipped
// and lying archives, and archives that would write without bound. Each case answers with a
// result code within the hang bound, writes nothing outside its target and keeps memory flat.
#include <gtest/gtest.h>

#include <random>

#include "components/zip/zip.h"
#include "tests/hostile/archive_damage.h"
#include "tests/hostile/campaign_limits.h"
#include "tests/hostile/escape_watch.h"
#include "tests/hostile/hang_watch.h"
#include "tests/hostile/hostile_names.h"
#include "tests/support/temp_folder.h"

namespace {

const std::string kKept = "kept.txt";

class ArchiveCampaign : public testing::Test {
 protected:
  std::string Box() const { return area_ / "box"; }
  std::string Target() const { return area_ / "box\\target"; }

  // Unpacks `archive` into a fresh box\target and checks that nothing but the target was
  // written in the test's own folder (a name with parents would land in the box first).
  int UnpackInBox(const std::string& what, const Bytes& archive, unsigned limitSeconds = 20) {
    CaseWatch().Begin(what, limitSeconds);
    RemoveTree(Box());
    EXPECT_TRUE(MakeFolder(Box()));
    EXPECT_TRUE(WriteBytes(area_ / "h.zip", archive));
    const int result = Unpack(nullptr, area_ / "h.zip", Target());
    CaseWatch().Idle();
    EXPECT_TRUE(result == kZipDone || result == kZipFailed) << what << ": " << result;
    EXPECT_EQ(ListFolder(area_.path()), (std::vector<std::string>{"box", "h.zip"})) << what;
    EXPECT_EQ(ListFolder(Box()), std::vector<std::string>{"target"}) << what;
    return result;
  }

  // A kept entry, then `hostile`, then one that is never reached when `hostile` is refused.
  void ExpectRefusedOrInside(const HostileName& hostile, const TestEntry& entry) {
    const std::string what = std::string(hostile.what) + " (" + Printable(entry.name) + ")";
    watch_.AddLanding(Target(), entry.name);
    const int result = UnpackInBox(what, BuildArchive({{kKept, "kept"}, entry, {"late.txt", "late"}}));
    if (!hostile.harmless) {
      EXPECT_EQ(result, kZipFailed) << what;
      EXPECT_EQ(TreeOf(Target()), std::vector<std::string>{kKept}) << what;
    }
  }

  void TearDown() override {
    EXPECT_EQ(watch_.Escaped(), std::vector<std::string>{});
    EXPECT_LT(PeakWorkingSetMiB(), kPeakMemoryBoundMiB);
  }

  static std::string Printable(const std::string& name) {
    std::string shown = name.substr(0, 60);
    for (char& c : shown)
      if (static_cast<unsigned char>(c) < 0x20) c = '?';
    return shown;
  }

  TempFolder area_;
  EscapeWatch watch_{Target()};
};

// Every name as a file entry and as a folder entry, its bytes read as the ANSI code page and
// (flag bit 11) as UTF-8; outside long mode each name in one of the two code pages, in turn.
TEST_F(ArchiveCampaign, NamesThatLeaveTheFolderAreRefused) {
  size_t turn = 0;
  for (const HostileName& hostile : HostileNames()) {
    for (uint16_t flags : {uint16_t{0}, kFlagUtf8Name}) {
      if (!LongMode() && (turn++ % 2 == 0)) continue;
      ExpectRefusedOrInside(hostile, {.name = hostile.name, .data = "escaped", .flags = flags});
      if (hostile.name.size() < 65535) {
        TestEntry folder = FolderEntry(hostile.name + "/");
        folder.flags = flags;
        ExpectRefusedOrInside(hostile, folder);
      }
    }
  }
}

struct EntrySequence {
  const char* what;
  std::vector<TestEntry> entries;
  int result;
  std::vector<std::string> tree;  // what the target holds afterwards
};

// A symbolic link as an archiver on Unix stores it: mode 0120777 in the high half.
TestEntry LinkEntry(const std::string& name, const std::string& to) { return {name, to, 0xA1FF0000}; }

TEST_F(ArchiveCampaign, FoldersLinksAndDuplicatesCannotOpenAWayOut) {
  const std::vector<EntrySequence> cases = {
      {"a folder, then a file through it and its parents",
       {FolderEntry("velmo-escape-d/"), {"velmo-escape-d/../../velmo-escape.txt", "x"}},
       kZipFailed,
       {"velmo-escape-d"}},
      {"a link to the parent, then a file through it",
       {LinkEntry("velmo-escape-l", "../"), {"velmo-escape-l/velmo-escape.txt", "x"}},
       kZipFailed,
       {"velmo-escape-l"}},
      {"a link to the root, then a folder through it",
       {LinkEntry("velmo-escape-l", "/"), FolderEntry("velmo-escape-l/velmo-escape-d/")},
       kZipFailed,
       {"velmo-escape-l"}},
      {"a folder, then a file of the same name", {FolderEntry("d/"), {"d", "x"}}, kZipFailed, {"d"}},
      {"a file, then a folder of the same name", {{"d", "x"}, FolderEntry("d/"), {"d/e", "y"}}, kZipFailed, {"d"}},
      {"the same name twice", {{"1.jpg", "first"}, {"1.jpg", "second"}}, kZipDone, {"1.jpg"}},
      {"names that differ in case only", {{"A.jpg", "first"}, {"a.jpg", "second"}}, kZipDone, {"A.jpg"}},
      {"a folder met again in another case",
       {FolderEntry("sub/"), {"SUB/x.jpg", "x"}},
       kZipDone,
       {"sub", "sub\\x.jpg"}},
      {"a folder with a trailing dot", {FolderEntry("sub./"), {"sub/x.jpg", "x"}}, kZipDone, {"sub", "sub\\x.jpg"}},
  };
  for (const EntrySequence& sequence : cases) {
    for (const TestEntry& entry : sequence.entries) watch_.AddLanding(Target(), entry.name);
    EXPECT_EQ(UnpackInBox(sequence.what, BuildArchive(sequence.entries)), sequence.result) << sequence.what;
    EXPECT_EQ(TreeOf(Target()), sequence.tree) << sequence.what;
  }
}

// A packed folder (deflated and stored entries, a subfolder) cut at every length, or at a
// dense sample of them outside long mode.
TEST_F(ArchiveCampaign, TruncatedArchivesGiveAResult) {
  const Bytes good = PackedSample();
  const size_t step = LongMode() ? 1 : 11;
  for (size_t size = 0; size < good.size(); size += step)
    UnpackInBox("cut at " + std::to_string(size), Bytes(good.begin(), good.begin() + static_cast<ptrdiff_t>(size)));
}

TEST_F(ArchiveCampaign, BitFlippedArchivesGiveAResult) {
  const Bytes good = PackedSample();
  std::mt19937 random(6061);
  const size_t cases = CampaignSize(150, 6000);
  for (size_t i = 0; i < cases; ++i) {
    Bytes damaged = good;
    const int flips = 1 + static_cast<int>(random() % 4);
    for (int flip = 0; flip < flips; ++flip)
      damaged[random() % damaged.size()] ^= static_cast<uint8_t>(1u << (random() % 8));
    UnpackInBox("flip case " + std::to_string(i), damaged);
  }
}

// Each byte of the packed folder flipped in turn (four of its bits), so every field of every
// record and every byte of data is met at least once in long mode; outside long mode every
// seventh byte.
TEST_F(ArchiveCampaign, EachByteFlippedInTurnGivesAResult) {
  const Bytes good = PackedSample();
  for (size_t at = 0; at < good.size(); at += LongMode() ? 1 : 7) {
    Bytes flipped = good;
    flipped[at] ^= 0xA5;
    UnpackInBox("byte " + std::to_string(at) + " flipped", flipped);
  }
}

// Every field of every record set to values that lie: zero, one, all ones, the largest signed
// value, the file's size and beyond it; outside long mode every third of them.
TEST_F(ArchiveCampaign, LyingFieldsGiveAResult) {
  const std::vector<FieldLie> lies = LyingFields(PackedSample());
  for (size_t i = 0; i < lies.size(); i += LongMode() ? 1 : 3) UnpackInBox(lies[i].what, lies[i].archive);
}

TEST_F(ArchiveCampaign, LyingZip64RecordsGiveAResult) {
  for (const FieldLie& lie : LyingZip64Records()) UnpackInBox(lie.what, lie.archive);
}

// Many entries, every one a folder of the same name, read twice (counting, then extracting):
// the largest count a plain end record holds in long mode, where the walk (linear, about half a
// millisecond an entry under Wine) gets a bound to match.
TEST_F(ArchiveCampaign, AFullEntryCountIsWalked) {
  const size_t count = CampaignSize(3000, 65535);
  std::vector<TestEntry> entries(count, FolderEntry("d/"));
  entries.back() = {"last.txt", "last"};
  EXPECT_EQ(UnpackInBox(std::to_string(count) + " entries", BuildArchive(entries), LongMode() ? 180 : 20), kZipDone);
  EXPECT_EQ(TreeOf(Target()), (std::vector<std::string>{"d", "last.txt"}));
}

// Deflate cannot expand more than about 1032 to 1, so one entry writes at most that much of
// its own size: the write is streamed, memory stays flat, and the entry ends where its
// declared size does.
TEST_F(ArchiveCampaign, AHighRatioEntryIsStreamedAndEndsAtItsDeclaredSize) {
  const uint32_t size = 64u << 20;
  const Bytes bomb = ZeroBomb("zeros.bin", size, size);
  const double peakBefore = PeakWorkingSetMiB();
  EXPECT_EQ(UnpackInBox("64 MiB of zeros", bomb), kZipDone);
  EXPECT_EQ(FileSize(Target() + "\\zeros.bin"), size);
  EXPECT_LT(PeakWorkingSetMiB() - peakBefore, 32.0) << "the entry was held in memory";

  EXPECT_EQ(UnpackInBox("declared 1000 bytes", ZeroBomb("zeros.bin", size, 1000)), kZipDone);
  EXPECT_EQ(FileSize(Target() + "\\zeros.bin"), 1000u);
}

// Entries whose data overlap are the way a small archive writes without bound (each one
// inflates the same bytes again). Only the first is extracted.
TEST_F(ArchiveCampaign, EntriesSharingTheirDataAreRefused) {
  const uint32_t size = 1u << 20;
  EXPECT_EQ(UnpackInBox("1000 entries over one data", SharedDataBomb(1000, size)), kZipFailed);
  EXPECT_EQ(TreeOf(Target()), std::vector<std::string>{"0000.bin"});
  EXPECT_EQ(FileSize(Target() + "\\0000.bin"), size);

  EXPECT_EQ(UnpackInBox("an entry quoted inside another", QuotedEntryBomb()), kZipFailed);
  EXPECT_EQ(TreeOf(Target()), std::vector<std::string>{"outer.bin"});
}

}  // namespace
