#include <gtest/gtest.h>

#include <filesystem>

#include "misc/cp1252.h"
#include "misc/file_exists.h"
#include "misc/numbers.h"
#include "misc/paths.h"
#include "support/temp_dir.h"

namespace ks {
namespace {

TEST(LeadingNumberTest, ReadsTheNumberAtTheStart) {
  struct Case {
    const char* text;
    std::int16_t value;
    bool overflow;
  };
  const Case cases[] = {
      {" 3", 3, false},         {"-7", -7, false},        {"  12abc", 12, false}, {"", 0, false},
      {"abc", 0, false},        {" ", 0, false},          {"1.5", 1, false},      {"32767", 32767, false},
      {"-32768", -32768, false}, {"32768", 0, true},      {"-32769", 0, true},    {" 99", 99, false},
      {"+5", 5, false},         {"- 5", 0, false},        {"0x10", 0, false},
      {"99999999999999999999999", 0, true},
  };
  for (const Case& c : cases) {
    const LeadingNumber n = ReadLeadingNumber(c.text);
    EXPECT_EQ(n.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(n.overflow, c.overflow) << '"' << c.text << '"';
  }
}

TEST(FileExistsTest, OnlyReadableFilesCount) {
  test::TempDir dir;
  test::WriteAll(dir.file("a.txt"), "x");
  EXPECT_TRUE(FileExists(dir.file("a.txt")));
  EXPECT_FALSE(FileExists(dir.file("b.txt")));
  EXPECT_FALSE(FileExists(dir.path()));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists(std::string("a\0b", 3)));
  EXPECT_FALSE(FileExists(dir.file("a.txt") + std::string(1, NativeSeparator) + "below"));
}

TEST(PathsTest, TrailingSeparator) {
  const std::string sep(1, NativeSeparator);
  EXPECT_EQ(WithTrailingSeparator(""), sep);
  EXPECT_EQ(WithTrailingSeparator("games" + sep), "games" + sep);
  EXPECT_EQ(WithTrailingSeparator("games"), "games" + sep);
  EXPECT_EQ(JoinFile("prog", "kitsmith.dat"), "prog" + sep + "kitsmith.dat");
}

#ifdef _WIN32
TEST(PathsTest, WindowsOnly_BackslashFolders) {
  EXPECT_EQ(WithTrailingSeparator("C:\\Games\\Tribes2"), "C:\\Games\\Tribes2\\");
  EXPECT_EQ(WithTrailingSeparator("C:\\"), "C:\\");
  EXPECT_EQ(JoinGamePath("C:\\Games\\Tribes2\\", {"gamedata", "base", "prefs", "ClientPrefs.cs"}),
            "C:\\Games\\Tribes2\\gamedata\\base\\prefs\\ClientPrefs.cs");
}
#else
TEST(PathsTest, PosixOnly_GameComponentsResolveCaseInsensitively) {
  test::TempDir dir;
  const std::string root = dir.path() + "/";
  test::WriteAll(root + "GameData/Base/Prefs/ClientPrefs.cs", "x");
  const std::string p = JoinGamePath(root, {"gamedata", "base", "prefs", "ClientPrefs.cs"});
  EXPECT_EQ(p, root + "GameData/Base/Prefs/ClientPrefs.cs");
  EXPECT_TRUE(FileExists(p));
  // A component that exists in no spelling is used as given; the exact spelling wins.
  EXPECT_EQ(JoinGamePath(root, {"gamedata", "base", "prefs", "ClientPrefs.TMP"}),
            root + "GameData/Base/Prefs/ClientPrefs.TMP");
  test::WriteAll(root + "gamedata/x", "x");
  EXPECT_EQ(JoinGamePath(root, {"gamedata"}), root + "gamedata");
}
#endif

TEST(Cp1252Test, RoundTripsEveryByteAndReplacesWhatItCannotHold) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");    // euro sign
  EXPECT_EQ(Cp1252ToUtf8("\xE4"), "\xC3\xA4");        // a umlaut
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC"), "\x80");
  EXPECT_EQ(Utf8ToCp1252("\xE6\x97\xA5x"), "?x");     // a CJK character
  EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80"), "?");   // an emoji
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");               // cut-off sequence
}

}  // namespace
}  // namespace ks
