// Which entry names may be joined to the extraction folder.
#include "components/zip/entry_name_safety.h"

#include <gtest/gtest.h>

#include "tests/zip/case_name.h"

namespace {

struct NameCase {
  const char* what;
  std::string name;
  bool safe;
};

class EntryNameSafety : public testing::TestWithParam<NameCase> {};

TEST_P(EntryNameSafety, RefusesEveryWayOutOfTheFolder) { EXPECT_EQ(IsSafeEntryName(GetParam().name), GetParam().safe); }

INSTANTIATE_TEST_SUITE_P(
    Plain, EntryNameSafety,
    testing::Values(NameCase{"frame", "1.jpg", true}, NameCase{"nested", "sub/deeper/a.jpg", true},
                    NameCase{"backslashes", "sub\\a.jpg", true}, NameCase{"folder entry", "sub/", true},
                    NameCase{"chinese", "屏幕/录像.jpg", true}, NameCase{"inner dots", "a..b/c...d", true},
                    NameCase{"leading dot name", ".keep", true}, NameCase{"trailing dot", "a./b", true},
                    NameCase{"device name inside a longer name", "console/comma/nully.txt", true},
                    NameCase{"COM without digit", "COM/x", true}, NameCase{"COM with two digits", "COM10", true}),
    CaseName());

// Elements that name nothing, as other tools write them: the entry lands where the rest of its
// name says.
INSTANTIATE_TEST_SUITE_P(
    NamingNothing, EntryNameSafety,
    testing::Values(NameCase{"dot", "./a", true}, NameCase{"dot alone", ".", true}, NameCase{"dot folder", "./", true},
                    NameCase{"dot inside", "a/./b", true}, NameCase{"dot backslash", ".\\a", true},
                    NameCase{"empty middle element", "a//b", true}, NameCase{"two trailing separators", "a//", true},
                    NameCase{"dot then empty", ".//1.jpg", true}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    OutOfTheFolder, EntryNameSafety,
    testing::Values(NameCase{"empty", "", false}, NameCase{"parent", "../evil.txt", false},
                    NameCase{"parent backslash", "..\\evil.txt", false}, NameCase{"parent inside", "a/../../b", false},
                    NameCase{"parent at the end", "a/..", false}, NameCase{"dot then parent", "./../a", false},
                    NameCase{"empty then parent", "a//../../b", false}, NameCase{"three dots", ".../a", false},
                    NameCase{"dots and spaces", ". ./a", false}, NameCase{"parent with trailing space", ".. /a", false},
                    NameCase{"space only", " /a", false}, NameCase{"absolute", "/abs.txt", false},
                    NameCase{"absolute backslash", "\\abs.txt", false},
                    NameCase{"server share", "\\\\server\\share\\x.txt", false},
                    NameCase{"device path", "\\\\?\\C:\\x", false}, NameCase{"drive", "C:/x.txt", false},
                    NameCase{"drive backslash", "C:\\x.txt", false}, NameCase{"drive relative", "C:x.txt", false},
                    NameCase{"stream", "a.txt:stream", false}, NameCase{"stream type", "a.txt::$DATA", false},
                    NameCase{"slash colon parent", "/:../x", false}, NameCase{"root then dot", "/./a", false},
                    NameCase{"two leading separators", "//a", false}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    DevicesAndControls, EntryNameSafety,
    testing::Values(NameCase{"con", "CON", false}, NameCase{"con lower with extension", "con.txt", false},
                    NameCase{"nul in a folder", "a/NUL.jpg", false}, NameCase{"aux as folder", "aux/x", false},
                    NameCase{"prn", "Prn.tar.gz", false}, NameCase{"com1", "COM1", false},
                    NameCase{"lpt9 with extension", "lpt9.log", false}, NameCase{"com0", "com0", false},
                    NameCase{"trailing space before extension", "CON .txt", false},
                    NameCase{"superscript one", "COM\xC2\xB9.txt", false}, NameCase{"console input", "CONIN$", false},
                    NameCase{"console output", "conout$.txt", false}, NameCase{"newline", "a\nb", false},
                    NameCase{"nul byte", std::string("a\0b", 3), false}, NameCase{"delete", "a\x7F", false},
                    NameCase{"tab", "a\tb", false}),
    CaseName());

struct PathCase {
  const char* what;
  std::string name;
  std::string path;
};

class EntryPath : public testing::TestWithParam<PathCase> {};

TEST_P(EntryPath, LeavesOutTheElementsThatNameNothing) { EXPECT_EQ(EntryPathInFolder(GetParam().name), GetParam().path); }

INSTANTIATE_TEST_SUITE_P(
    Names, EntryPath,
    testing::Values(PathCase{"frame", "1.jpg", "1.jpg"}, PathCase{"nested", "sub/a.jpg", "sub\\a.jpg"},
                    PathCase{"folder entry", "sub/", "sub\\"}, PathCase{"dot prefix", "./1.jpg", "1.jpg"},
                    PathCase{"dot folder", "./", ""}, PathCase{"dot alone", ".", ""},
                    PathCase{"doubled separator", "a//1.jpg", "a\\1.jpg"}, PathCase{"mixed", ".\\a/.//b\\", "a\\b\\"},
                    PathCase{"trailing dot", "a/.", "a"},
                    PathCase{"dots inside names kept", "a..b/.keep", "a..b\\.keep"}),
    CaseName());

}  // namespace
