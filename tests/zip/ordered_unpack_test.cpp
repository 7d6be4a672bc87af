// UnpackInOrder over real archives: ranked entries land first and in rank order, everything
// else follows in archive order, and whatever the archive's damage the folder ends exactly as
// Unpack leaves it.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "components/services/wide_text.h"
#include "components/zip/zip.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "tests/zip/archive_bytes.h"
#include "tests/zip/recording_sink.h"

namespace {

// Ranks "n.jpg" at the root as n; remembers what it was asked and told, and what the folder
// held each time it was told a rank was reached.
class NumberedFirst : public UnpackOrder {
 public:
  explicit NumberedFirst(std::string folder = "") : folder_(std::move(folder)) {}
  uint32_t Rank(const std::string& path) override {
    asked.push_back(path);
    const size_t dot = path.find(".jpg");
    if (dot == std::string::npos || dot == 0 || dot + 4 != path.size()) return 0;
    for (size_t i = 0; i < dot; ++i)
      if (path[i] < '0' || path[i] > '9') return 0;
    return static_cast<uint32_t>(std::stoul(path.substr(0, dot)));
  }
  void Listed() override { listedAfter = asked.size(); }
  void Reached(uint32_t rank) override {
    reached.push_back(rank);
    if (!folder_.empty()) held.push_back(ListFolder(folder_));
  }
  // Hands out the wishes in turn, each once the given number of entries has been reached.
  uint32_t Wanted() override {
    if (wishes.empty() || wishes.front().first != reached.size()) return 0;
    const uint32_t rank = wishes.front().second;
    wishes.erase(wishes.begin());
    return rank;
  }

  std::vector<std::pair<size_t, uint32_t>> wishes;  // (entries reached before it, rank wanted)
  std::vector<std::string> asked;
  size_t listedAfter = 0;
  std::vector<uint32_t> reached;
  std::vector<std::vector<std::string>> held;

 private:
  std::string folder_;
};

// Every file and folder below `folder` with its bytes ("<folder>" for folders).
std::map<std::string, std::string> TreeWithBytes(const std::string& folder, const std::string& prefix = "") {
  std::map<std::string, std::string> tree;
  for (const std::string& name : ListFolder(folder)) {
    const std::string path = folder + "\\" + name;
    if (FolderExists(path)) {
      tree[prefix + name] = "<folder>";
      tree.merge(TreeWithBytes(path, prefix + name + "\\"));
    } else {
      const Bytes bytes = ReadBytes(path);
      tree[prefix + name] = std::string(bytes.begin(), bytes.end());
    }
  }
  return tree;
}

// Frames 1..12 in the order a listing sorted by name gives them: 1, 10, 11, 12, 2, ..., 9.
std::vector<TestEntry> FramesInNameOrder() {
  std::vector<TestEntry> entries;
  for (int n : {1, 10, 11, 12, 2, 3, 4, 5, 6, 7, 8, 9})
    entries.push_back({std::to_string(n) + ".jpg", "frame " + std::to_string(n) + std::string(40, 'x')});
  return entries;
}

class OrderedUnpackTest : public testing::Test {
 protected:
  std::string Archive() const { return temp_ / "in.vmrc"; }
  std::string Plain() const { return temp_ / "plain"; }
  std::string Ordered() const { return temp_ / "ordered"; }

  // Unpacks `archive` both ways into fresh folders and expects the same result and the same
  // folder.
  void ExpectSameAsUnpack(const Bytes& archive, const std::string& what) {
    RemoveTree(Plain());
    RemoveTree(Ordered());
    ASSERT_TRUE(WriteBytes(Archive(), archive));
    const int plain = Unpack(nullptr, Archive(), Plain());
    NumberedFirst order;
    const int ordered = UnpackInOrder(nullptr, order, Archive(), Ordered());
    EXPECT_EQ(ordered, plain) << what;
    EXPECT_EQ(TreeWithBytes(Ordered()), TreeWithBytes(Plain())) << what;
  }

  TempFolder temp_;
};

TEST_F(OrderedUnpackTest, RankedEntriesComeFirstByRankTheRestFollowInArchiveOrder) {
  const std::vector<TestEntry> entries = {{"10.jpg", "ten"},  FolderEntry("sub/"), {"2.jpg", "two"},
                                          {"sub/a.txt", "a"}, {"./1.jpg", "one"},  {"2.jpg", "two again"}};
  ASSERT_TRUE(WriteBytes(Archive(), BuildArchive(entries)));
  NumberedFirst order(Ordered());
  RecordingSink sink;
  EXPECT_EQ(UnpackInOrder(&sink, order, Archive(), Ordered()), kZipDone);

  // The order sees each entry's path below the folder once, before any entry is taken.
  EXPECT_EQ(order.asked, (std::vector<std::string>{"10.jpg", "sub\\", "2.jpg", "sub\\a.txt", "1.jpg", "2.jpg"}));
  EXPECT_EQ(order.listedAfter, 6u);
  EXPECT_EQ(order.reached, (std::vector<uint32_t>{1, 2, 2, 10}));
  EXPECT_EQ(order.held.front(), std::vector<std::string>{"1.jpg"});
  EXPECT_EQ(order.held.back(), (std::vector<std::string>{"1.jpg", "10.jpg", "2.jpg"})) << "the folder comes after the frames";
  // Entries of one rank keep their archive order, so the later 2.jpg wins as it does in Unpack.
  EXPECT_EQ(ReadBytes(Ordered() + "\\2.jpg"), (Bytes{'t', 'w', 'o', ' ', 'a', 'g', 'a', 'i', 'n'}));
  EXPECT_EQ(TreeWithBytes(Ordered()).size(), 5u);
  EXPECT_EQ(sink.percents, (std::vector<int>{0, 16, 33, 50, 66, 83, 100}));
}

// Damage the ordered way meets out of archive order: a refused name, a damaged or unreadable
// frame, a frame whose data another entry already claimed, a folder in the way of a frame, a
// frame in a folder not yet made. Each leaves what Unpack leaves.
// A seek far ahead: the wanted frame comes next, the frames after it follow in their order,
// and the ones passed over come after the last; a wish for a frame already taken, or one the
// archive does not hold, changes nothing.
TEST_F(OrderedUnpackTest, AWantedRankComesNextAndTheOrderGoesOnFromIt) {
  ASSERT_TRUE(WriteBytes(Archive(), BuildArchive(FramesInNameOrder())));
  NumberedFirst order(Ordered());
  order.wishes = {{2, 9}, {5, 3}, {7, 4}, {8, 40}};
  EXPECT_EQ(UnpackInOrder(nullptr, order, Archive(), Ordered()), kZipDone);
  EXPECT_EQ(order.reached, (std::vector<uint32_t>{1, 2, 9, 10, 11, 3, 4, 5, 6, 7, 8, 12}));
  EXPECT_EQ(order.held[2], (std::vector<std::string>{"1.jpg", "2.jpg", "9.jpg"})) << "9 landed right after the wish";
  EXPECT_EQ(TreeWithBytes(Ordered()).size(), 12u);
}

TEST_F(OrderedUnpackTest, EveryFailureLeavesTheFolderUnpackLeaves) {
  std::vector<TestEntry> refused = FramesInNameOrder();
  refused.insert(refused.begin() + 3, {"../escape.jpg", "out"});
  std::vector<TestEntry> damaged = FramesInNameOrder();
  damaged[6] = {"4.jpg", "\xFF\xFF\xFF not deflate", 0x81800020, 0x0002, 8};
  std::vector<TestEntry> encrypted = FramesInNameOrder();
  encrypted[2].flags = 0x0001;
  std::vector<TestEntry> folderInTheWay = FramesInNameOrder();
  folderInTheWay.insert(folderInTheWay.begin() + 1, FolderEntry("5.jpg/"));
  std::vector<TestEntry> folderComesLater = FramesInNameOrder();
  folderComesLater.push_back({"sub/1.jpg", "inner"});
  folderComesLater.push_back(FolderEntry("sub/"));

  // Two central headers over one local header: 2.jpg (listed first) keeps the data, and 1.jpg,
  // which the ordered way takes first, must not.
  Bytes shared = BuildArchive({{"2.jpg", "shared"}, {"1.jpg", "other!"}});
  const std::vector<ReadRecord> central = CentralRecords(shared);
  ASSERT_EQ(central.size(), 2u);
  for (int i = 0; i < 4; ++i) shared[central[1].offset + 42 + i] = shared[central[0].offset + 42 + i];

  const std::vector<std::pair<std::string, Bytes>> cases = {
      {"sound", BuildArchive(FramesInNameOrder())},      {"refused name", BuildArchive(refused)},
      {"damaged frame data", BuildArchive(damaged)},     {"encrypted frame", BuildArchive(encrypted)},
      {"folder in a frame's way", BuildArchive(folderInTheWay)},
      {"file before its folder", BuildArchive(folderComesLater)},
      {"data claimed twice", shared}};
  for (const auto& [what, archive] : cases) ExpectSameAsUnpack(archive, what);
  EXPECT_FALSE(FileExists(temp_ / "escape.jpg"));
}

// Archives cut short anywhere and with bits flipped anywhere end alike both ways.
TEST_F(OrderedUnpackTest, CutAndFlippedArchivesLeaveTheFolderUnpackLeaves) {
  std::vector<TestEntry> frames = FramesInNameOrder();
  frames[3] = DeflatedEntry(frames[3].name, std::string(2000, 'd'));
  const Bytes good = BuildArchive(frames);
  std::mt19937 random(14);
  for (int i = 0; i < 60; ++i) {
    Bytes bad = good;
    if (i % 2 == 0) {
      bad.resize(random() % good.size());
    } else {
      for (int flip = 0; flip < 2; ++flip) bad[random() % bad.size()] ^= static_cast<uint8_t>(1u << (random() % 8));
    }
    ExpectSameAsUnpack(bad, "case " + std::to_string(i));
  }
}

TEST_F(OrderedUnpackTest, AStopWhileTheDirectoryIsReadTakesNoEntry) {
  std::vector<TestEntry> many;
  for (int n = 1; n <= 5000; ++n) many.push_back({std::to_string(n) + ".jpg", "f"});
  ASSERT_TRUE(WriteBytes(Archive(), BuildArchive(many)));
  NumberedFirst order;
  RecordingSink stopAtOnce(1);
  EXPECT_EQ(UnpackInOrder(&stopAtOnce, order, Archive(), Ordered()), kZipDone);
  EXPECT_EQ(stopAtOnce.percents, std::vector<int>{0}) << "asked after 4096 entries, and no final event";
  EXPECT_EQ(order.listedAfter, 0u);
  EXPECT_EQ(ListFolder(Ordered()), std::vector<std::string>{});

  RecordingSink stopAfterTwo(3);
  EXPECT_EQ(UnpackInOrder(&stopAfterTwo, order, Archive(), Ordered()), kZipDone);
  EXPECT_EQ(ListFolder(Ordered()), (std::vector<std::string>{"1.jpg", "2.jpg"}));
}

}  // namespace
