#include "store/preset.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "misc/file_exists.h"
#include "misc/text_file.h"
#include "model/messages.h"
#include "support/fake_platform.h"
#include "support/print_fav.h"
#include "support/recording_window.h"
#include "support/temp_dir.h"

namespace ks {

namespace {

using namespace std::string_literals;
using test::ReadAll;
using test::WriteAll;

FavRecord Sample() {
  FavRecord f;
  f.Armor = 3;
  f.Name = "Heavy #1 \xE4";
  f.Pack = 5;
  f.Gren = 2;
  f.Weapon = {1, 2, 3, NoSlot, -1};
  f.LoadoutText = "armor\\tHeavy";
  return f;
}

FavRecord Old() {
  FavRecord f;
  f.Armor = 1;
  f.Name = "old";
  f.Pack = 7;
  f.Gren = 4;
  f.Weapon = {9, 8, 7, 6, 5};
  f.LoadoutText = "kept";
  return f;
}

struct PresetTest : ::testing::Test {
  test::TempDir dir;
  test::FakePlatform platform{dir.path()};
  test::RecordingWindow window;
  AppState state;

  std::string path() const { return dir.file("preset.dat"); }
  std::string text(Msg id) const { return std::string(Text(id, state.Lang)); }
};

TEST_F(PresetTest, SaveWritesNineLinesWithGrenadeBeforePack) {
  state.CurrentFav = 4;
  state.current() = Sample();
  SavePreset(state, window, platform);
  EXPECT_EQ(ReadAll(path()), " 3\r\nHeavy #1 \xE4\r\n 2\r\n 5\r\n 1\r\n 2\r\n 3\r\n 99\r\n-1\r\n");
  EXPECT_EQ(window.notices, std::vector<std::string>{text(Msg::PresetSaved)});
}

TEST_F(PresetTest, SaveThenLoadCopiesIntoAnotherFavourite) {
  state.Lang = LangGerman;
  state.CurrentFav = 2;
  state.current() = Sample();
  SavePreset(state, window, platform);
  state.CurrentFav = 17;
  state.current() = Old();
  LoadPreset(state, window, platform);

  FavRecord expected = Sample();
  expected.LoadoutText = "kept";  // never saved, never loaded
  EXPECT_EQ(state.Favs[17], expected);
  EXPECT_EQ(state.Favs[2], Sample());
  EXPECT_EQ(window.notices, std::vector<std::string>{"Muster erfolgreich gespeichert..."});
  EXPECT_TRUE(FileExists(path()));
}

// What a load leaves in the current favourite (which held Old()) for a given file.
TEST_F(PresetTest, LoadReadsFieldByFieldAndDeletesDamagedFiles) {
  FavRecord fiveLines = Old();
  fiveLines.Armor = 2;
  fiveLines.Name = "five";
  fiveLines.Gren = 3;
  fiveLines.Pack = 11;
  fiveLines.Weapon[0] = 4;

  FavRecord blanks;  // nine empty lines: every number 0, the name empty
  blanks.LoadoutText = "kept";

  FavRecord garbage = Old();
  garbage.Armor = 0;
  garbage.Name = "\x00\xFF\x01\n"s;
  garbage.Gren = 0;
  garbage.Pack = 12;
  garbage.Weapon = {0, 0, -7, 0, 3};

  FavRecord damagedAtPack = Old();
  damagedAtPack.Armor = 2;
  damagedAtPack.Name = "x";
  damagedAtPack.Gren = 1;

  FavRecord lfOnly = Old();  // one line: only the armour is read before the file runs out
  lfOnly.Armor = 3;

  struct Case {
    const char* what;
    std::string bytes;
    FavRecord expected;
    bool damaged;
  };
  const Case cases[] = {
      {"extra lines ignored",
       " 3\r\nHeavy #1 \xE4\r\n 2\r\n 5\r\n 1\r\n 2\r\n 3\r\n 99\r\n-1\r\nmore\r\n 7\r\n",
       [] {
         FavRecord f = Sample();
         f.LoadoutText = "kept";
         return f;
       }(),
       false},
      {"five lines", " 2\r\nfive\r\n 3\r\n 11\r\n 4\r\n", fiveLines, true},
      {"CR-only file of nine lines", std::string(9, '\r'), blanks, false},
      {"binary bytes, no digits, odd number forms",
       "abc\r\x00\xFF\x01\n\r\x01\r 12junk\r0x5\r\r  -7.9\r\r+3"s, garbage, false},
      {"32768 is damage", " 2\r\nx\r\n 1\r\n 32768\r\n 1\r\n 1\r\n 1\r\n 1\r\n 1\r\n", damagedAtPack, true},
      {"-32769 is damage", " 2\r\nx\r\n 1\r\n-32769\r\n 1\r\n 1\r\n 1\r\n 1\r\n 1\r\n", damagedAtPack, true},
      {"LF-only file", " 3\nname\n 1\n 1\n 1\n 1\n 1\n 1\n 1\n", lfOnly, true},
      {"empty file", "", Old(), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::RecordingWindow win;
    state.CurrentFav = 9;
    state.current() = Old();
    WriteAll(path(), c.bytes);
    LoadPreset(state, win, platform);
    EXPECT_EQ(state.current(), c.expected);
    EXPECT_EQ(state.Favs[8], FavRecord{}) << "only the current favourite changes";
    if (c.damaged) {
      EXPECT_EQ(win.notices, std::vector<std::string>{text(Msg::PresetDamaged)});
      EXPECT_FALSE(FileExists(path()));
    } else {
      EXPECT_TRUE(win.notices.empty());
      EXPECT_EQ(ReadAll(path()), c.bytes) << "a good preset is left as it is";
    }
  }
}

TEST_F(PresetTest, MissingPresetChangesNothing) {
  const std::string folderInstead = path();
  for (bool asFolder : {false, true}) {
    SCOPED_TRACE(asFolder ? "preset.dat is a folder" : "no preset.dat");
    if (asFolder) std::filesystem::create_directory(folderInstead);
    test::RecordingWindow win;
    state.current() = Old();
    LoadPreset(state, win, platform);
    EXPECT_EQ(state.current(), Old());
    EXPECT_EQ(win.notices, std::vector<std::string>{text(Msg::PresetMissing)});
  }
  EXPECT_TRUE(std::filesystem::is_directory(folderInstead)) << "a folder is never deleted";
}

TEST_F(PresetTest, LoadClickRedrawsAndBeepsInEveryCase) {
  struct Case {
    const char* what;
    const char* bytes;  // nullptr: no file
    std::optional<Msg> notice;
  };
  const Case cases[] = {
      {"good preset", " 1\r\nn\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n", std::nullopt},
      {"no preset", nullptr, Msg::PresetMissing},
      {"damaged preset", " 1\r\n", Msg::PresetDamaged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(path());
    if (c.bytes) WriteAll(path(), c.bytes);
    test::RecordingWindow win;
    test::FakePlatform plat{dir.path()};
    LoadPresetClick(state, win, plat);
    std::vector<std::string> expected = {"refresh", "showfav"};
    if (c.notice) expected.insert(expected.begin(), "notice " + text(*c.notice));
    EXPECT_EQ(win.calls, expected);
    EXPECT_EQ(plat.log, std::vector<std::string>{"beep"});
  }
}

TEST_F(PresetTest, FailedSaveKeepsThePreviousPreset) {
  const std::string previous = " 1\r\nprevious\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n";
  state.current() = Sample();
  const WriteFault faults[] = {
      {WriteFault::At::Open},  {WriteFault::At::AfterBytes, 10}, {WriteFault::At::Sync},
      {WriteFault::At::Close}, {WriteFault::At::Replace},
  };
  for (const WriteFault& fault : faults) {
    SCOPED_TRACE(static_cast<int>(fault.at));
    WriteAll(path(), previous);
    test::RecordingWindow win;
    {
      WriteFaultScope scope(fault);
      SavePreset(state, win, platform);
      EXPECT_EQ(scope.Fired(), 1);
    }
    EXPECT_EQ(ReadAll(path()), previous);
    EXPECT_EQ(win.notices, std::vector<std::string>{text(Msg::PresetSaveFailed)});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no sibling left";
  }
}

TEST_F(PresetTest, NameWithCarriageReturnIsNotSaved) {
  // Its line would split in two and the next load would delete the preset as damaged.
  const std::string previous = " 1\r\nprevious\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n";
  WriteAll(path(), previous);
  state.current().Name = "a\rb";
  SavePreset(state, window, platform);
  EXPECT_EQ(ReadAll(path()), previous);
  EXPECT_EQ(window.notices, std::vector<std::string>{text(Msg::PresetSaveFailed)});
}

TEST_F(PresetTest, HugeFilesLoadWholeWithoutHanging) {
  const std::string bigName(1 << 20, 'n');
  std::string bytes = " 2\r\n" + bigName + "\r\n 1\r\n 2\r\n 3\r\n 4\r\n 5\r\n 6\r\n 7\r\n";
  // 10 MB of trailing lines, CR-only and binary, after the nine that count.
  std::string tail;
  tail.reserve(10u << 20);
  for (int i = 0; tail.size() < 10u << 20; ++i) tail.append(1000, static_cast<char>(i % 256)).push_back('\r');
  WriteAll(path(), bytes + tail);
  LoadPreset(state, window, platform);
  EXPECT_TRUE(window.notices.empty());
  EXPECT_EQ(state.current().Name, bigName);
  EXPECT_EQ(state.current().Weapon, (std::array<WeaponCode, 5>{3, 4, 5, 6, 7}));

  // A number line of a million digits is one number far outside 16 bits: damage.
  WriteAll(path(), std::string(1 << 20, '9') + "\r\n");
  LoadPreset(state, window, platform);
  EXPECT_EQ(window.notices.back(), text(Msg::PresetDamaged));
  EXPECT_EQ(state.current().Armor, 2);
}

}  // namespace
}  // namespace ks
