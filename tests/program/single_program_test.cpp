// One program at a time as a later start meets it: the claim is held once per session and let
// go with its holder; the running program's door takes a hand-over with the named file, quotes,
// spaces and Chinese characters intact, and turns away whatever else reaches it.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/single_program.h"

namespace {

constexpr ULONG_PTR kHandOverTag = 0x4F484D56;
const std::wstring kPath = L"D:\\我的 录像\\第一次 录制.vmrc";

std::vector<std::wstring> arrivals;
void Arrived(const std::wstring& path) { arrivals.push_back(path); }

COPYDATASTRUCT Message(ULONG_PTR tag, const void* data, size_t bytes) {
  return {tag, static_cast<DWORD>(bytes), const_cast<void*>(data)};
}

TEST(ProgramClaim, HeldOnceAndLetGoWithItsHolder) {
  std::optional<ProgramClaim> first(std::in_place);
  EXPECT_TRUE(first->alone());
  {
    const ProgramClaim second;
    EXPECT_FALSE(second.alone()) << "a second start finds the first";
  }
  first.reset();
  const ProgramClaim after;
  EXPECT_TRUE(after.alone()) << "nothing is left to block the next start";
}

TEST(HandOver, ThePathAsTheStartNamedIt) {
  EXPECT_EQ(FirstArgument((L"\"C:\\程序\\velmo.exe\" \"" + kPath + L"\"").c_str()), kPath);
  EXPECT_EQ(FirstArgument(L"\"C:\\程序\\velmo.exe\""), L"");
  EXPECT_EQ(FirstArgument(L"velmo.exe D:\\a.vmrc D:\\b.vmrc"), L"D:\\a.vmrc");
}

TEST(HandOver, OnlyAWholeTaggedPathGetsThrough) {
  const std::wstring withZero(L"D:\\a\0b.vmrc", 11);
  const std::wstring tooLong(kMaxHandedPath + 1, L'x');
  const std::wstring longest(kMaxHandedPath, L'x');
  const size_t pathBytes = kPath.size() * sizeof(wchar_t);
  EXPECT_EQ(HandedOverPath(Message(kHandOverTag, kPath.data(), pathBytes)), kPath);
  EXPECT_EQ(HandedOverPath(Message(kHandOverTag, nullptr, 0)), L"");
  EXPECT_EQ(HandedOverPath(Message(kHandOverTag, longest.data(), longest.size() * 2)), longest);
  EXPECT_EQ(HandedOverPath(Message(kHandOverTag + 1, kPath.data(), pathBytes)), std::nullopt) << "a stranger's tag";
  EXPECT_EQ(HandedOverPath(Message(kHandOverTag, kPath.data(), pathBytes - 1)), std::nullopt) << "half a character";
  EXPECT_EQ(HandedOverPath(Message(kHandOverTag, nullptr, 8)), std::nullopt) << "a size without data";
  EXPECT_EQ(HandedOverPath(Message(kHandOverTag, withZero.data(), withZero.size() * 2)), std::nullopt);
  EXPECT_EQ(HandedOverPath(Message(kHandOverTag, tooLong.data(), tooLong.size() * 2)), std::nullopt);
}

// The door as a window receives it: hostile copy-data messages are answered FALSE and reach
// nobody; a later start's hand-over is answered TRUE and arrives with its path.
TEST(HandOver, TheDoorTakesHandOversAndTurnsAwayTheRest) {
  arrivals.clear();
  EXPECT_FALSE(HandOverToRunningProgram(kPath, 0)) << "no program runs, so there is no door";
  const ProgramDoor door(Arrived);
  ASSERT_NE(door.window(), nullptr);
  COPYDATASTRUCT odd = Message(kHandOverTag, kPath.data(), 3);
  COPYDATASTRUCT foreign = Message(1, kPath.data(), kPath.size() * 2);
  COPYDATASTRUCT huge = Message(kHandOverTag, kPath.data(), 0x7FFFFFFE);
  for (COPYDATASTRUCT* hostile : {&odd, &foreign, &huge}) {
    EXPECT_EQ(SendMessageW(door.window(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(hostile)), FALSE);
  }
  EXPECT_EQ(SendMessageW(door.window(), WM_COPYDATA, 0, 0), FALSE) << "no message at all";
  EXPECT_TRUE(arrivals.empty());
  EXPECT_TRUE(HandOverToRunningProgram(kPath, 0));
  EXPECT_TRUE(HandOverToRunningProgram(L"", 0));
  EXPECT_EQ(arrivals, (std::vector<std::wstring>{kPath, L""}));
}

}  // namespace
