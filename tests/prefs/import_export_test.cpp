#include "prefs/import_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "misc/paths.h"
#include "misc/text_file.h"
#include "model/messages.h"
#include "prefs/pref_lines.h"
#include "support/fake_platform.h"
#include "support/recording_window.h"
#include "support/temp_dir.h"

namespace ks {
namespace {
namespace fs = std::filesystem;

std::string Msg_(Msg id) { return std::string(Text(id, LangEnglish)); }

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  LineReader r(bytes);
  std::string line;
  while (r.ReadLine(line)) lines.push_back(line);
  return lines;
}

std::string Crlf(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

// A game folder and a program folder side by side, with the state pointing at them.
class PrefsFixture : public ::testing::Test {
 protected:
  PrefsFixture() : platform(dir.file("program")) {
    fs::create_directories(ToFsPath(platform.folder));
    state.GamePath = WithTrailingSeparator(dir.file("game"));
    prefs = dir.file("game") + "/gamedata/base/prefs/ClientPrefs.cs";
    tmp = dir.file("game") + "/gamedata/base/prefs/ClientPrefs.TMP";
    backup = JoinFile(platform.folder, "ClientPrefs_BACKUP.cs");
  }

  void UseSample() {
    test::CopySampleGame(dir.file("game"));
    original = test::ReadAll(prefs);
  }
  void UseFile(const std::string& bytes) {
    test::WriteAll(prefs, bytes);
    original = bytes;
  }
  void Import() { ImportFavs(state, window, platform); }
  void Export() { ExportFavs(state, window, platform); }

  test::TempDir dir;
  test::FakePlatform platform;
  test::RecordingWindow window;
  AppState state;
  std::string prefs, tmp, backup, original;
};

TEST_F(PrefsFixture, ImportReadsTheSample) {
  UseSample();
  Import();
  ASSERT_TRUE(window.notices.empty()) << window.notices[0];
  EXPECT_TRUE(state.ImportSucceeded);
  ASSERT_EQ(window.entries.size(), 20u);
  EXPECT_EQ(window.entries[0], "01 : \\c2Scout Sniper");
  EXPECT_EQ(window.entries[13], "14 : HO \\\"Base Wreck\\\"");
  EXPECT_EQ(window.calls.front(), "clear");
  EXPECT_EQ(window.calls.back(), "showfav");

  struct Want {
    int index;
    ArmorKind armor;
    std::array<WeaponCode, 5> weapons;
    PackCode pack;
    GrenCode gren;
  };
  const Want wants[] = {
      {0, 1, {10, 3, 2, 0, 0}, 2, 4},  // laser rifle with the energy pack
      {9, 2, {4, 6, 3, 2, 0}, 6, 3},
      {18, 3, {0, 2, 9, 7, 6}, 3, 4},
      {19, 1, {2, 0, 0, 0, 0}, 0, 0},
  };
  for (const Want& w : wants) {
    const FavRecord& f = state.Favs[static_cast<std::size_t>(w.index)];
    EXPECT_EQ(f.Armor, w.armor) << w.index;
    EXPECT_EQ(f.Weapon, w.weapons) << w.index;
    EXPECT_EQ(f.Pack, w.pack) << w.index;
    EXPECT_EQ(f.Gren, w.gren) << w.index;
  }

  // The sample is the demo default: it shows every armour and every item at least once.
  std::vector<bool> armor(4), weapon(11), pack(18), gren(6);
  for (const FavRecord& f : state.Favs) {
    armor[static_cast<std::size_t>(f.Armor)] = true;
    for (int k = 0; k < WeaponSlotCount(f.Armor); ++k) weapon[static_cast<std::size_t>(f.Weapon[k])] = true;
    pack[static_cast<std::size_t>(f.Pack)] = true;
    gren[static_cast<std::size_t>(f.Gren)] = true;
    EXPECT_FALSE(f.Name.empty());
  }
  for (auto* seen : {&weapon, &pack, &gren}) {
    for (std::size_t code = 1; code < seen->size(); ++code) EXPECT_TRUE((*seen)[code]) << code;
  }
  EXPECT_TRUE(armor[1] && armor[2] && armor[3]);
}

TEST_F(PrefsFixture, RoundTripOfTheSampleChangesNoByte) {
  UseSample();
  Import();
  Export();
  EXPECT_EQ(window.notices, std::vector<std::string>{Msg_(Msg::ExportSucceeded)});
  EXPECT_EQ(platform.log, std::vector<std::string>{"beep"});
  EXPECT_EQ(test::ReadAll(prefs), original);
  EXPECT_EQ(test::ReadAll(backup), original);
  EXPECT_EQ(test::ReadAll(tmp), original);

  // A second export backs up what the first one wrote.
  state.Favs[12].Name = "Renamed";
  state.Favs[12].Armor = 0;
  Export();
  const std::string second = test::ReadAll(prefs);
  EXPECT_EQ(test::ReadAll(backup), original);
  state.Favs[12].Name = "Again";
  Export();
  EXPECT_EQ(test::ReadAll(backup), second);
  EXPECT_EQ(test::ReadAll(tmp), second);
  const std::vector<std::string> before = Lines(original), after = Lines(test::ReadAll(prefs));
  ASSERT_EQ(before.size(), after.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (before[i].rfind("$pref::FavNames12 ", 0) == 0) {
      EXPECT_EQ(after[i], R"($pref::FavNames12 = "Again";)");
    } else if (before[i].rfind("$pref::Favorite12 ", 0) == 0) {
      EXPECT_EQ(after[i],
                R"($pref::Favorite12 = "tPack\tMortar Turret Barrel\tGrenade\tGrenade\tMine\tMine";)");
    } else {
      EXPECT_EQ(after[i], before[i]);
    }
  }
}

TEST_F(PrefsFixture, ExportRewritesEveryFavouriteLineAndKeepsTheRest) {
  // Favourite lines outside the block are replaced too; a missing one is not added; a last line
  // without a line end gets one.
  UseFile(Crlf({"$pref::A = \"1\";", "$pref::FavNames3 = \"outside\";", "$pref::FavCurrentSelect = \"0\";",
                "$pref::FavNames3 = \"Three\";",
                "$pref::Favorite3 = \"armor\\tScout\\tweapon\\tBlaster\\tweapon\\"
                "tEMPTY\\tweapon\\tEMPTY\\tPack\\tEMPTY\\tGrenade\\tGrenade\\tMine\\tMine\";",
                "$pref::FavoriteDefault0 = \"0\";"}) +
          "$pref::Z = \"2\";");
  Import();
  ASSERT_TRUE(state.ImportSucceeded);
  EXPECT_EQ(state.Favs[3].Name, "Three");
  state.Favs[3].Name = "New";
  state.Favs[3].Weapon[1] = 2;
  Export();
  EXPECT_EQ(
      test::ReadAll(prefs),
      Crlf({"$pref::A = \"1\";", "$pref::FavNames3 = \"New\";", "$pref::FavCurrentSelect = \"0\";",
            "$pref::FavNames3 = \"New\";",
            "$pref::Favorite3 = \"armor\\tScout\\tweapon\\tBlaster\\tweapon\\tChaingun\\tweapon\\tEMPTY\\"
            "tPack\\tEMPTY\\tGrenade\\tGrenade\\tMine\\tMine\";",
            "$pref::FavoriteDefault0 = \"0\";", "$pref::Z = \"2\";"}));
}

TEST_F(PrefsFixture, ImportReadsOnlyBetweenTheMarkers) {
  UseFile(Crlf({"$pref::FavNames1 = \"before\";", "$pref::FavCurrentSelect = \"0\";",
                "$pref::Favorite2 = \"junk without armour\";", "$pref::FavNames2 = \"first\";",
                "$pref::FavNames2 = \"later wins\";", "$pref::FavoriteDefault0 = \"0\";",
                "$pref::FavNames3 = \"after\";"}));
  Import();
  ASSERT_TRUE(state.ImportSucceeded);
  EXPECT_EQ(state.Favs[1].Name, "");
  EXPECT_EQ(state.Favs[2].Name, "later wins");
  EXPECT_EQ(state.Favs[2].Armor, 0);
  EXPECT_EQ(state.Favs[3].Name, "");
  EXPECT_EQ(window.entries[1], "02 : ");
  EXPECT_EQ(window.entries[2], "03 : later wins");

  // Without the end marker the block runs to the end of the file, last line included.
  UseFile("$pref::FavCurrentSelect = \"0\";\r\n$pref::FavNames19 = \"last\";");
  Import();
  ASSERT_TRUE(state.ImportSucceeded);
  EXPECT_EQ(state.Favs[19].Name, "last");
  EXPECT_EQ(state.Favs[2].Name, "") << "every import starts from a fresh table";
}

TEST_F(PrefsFixture, ImportFailures) {
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty file", ""},
      {"no start marker", Crlf({"$pref::A = \"1\";", "$pref::FavNames0 = \"x\";"})},
      {"start marker on the last line", Crlf({"$pref::A = \"1\";", "$pref::FavCurrentSelect = \"0\";"})},
      {"recognised line too short to cut",
       Crlf({"$pref::FavCurrentSelect = \"0\";", "$pref::FavNames0 = \"kept\";", "$pref::FavNames7 ="})},
      {"long favourite line too short to cut",
       Crlf({"$pref::FavCurrentSelect = \"0\";", "$pref::FavNames0 = \"kept\";", "$pref::Favorite12 = \";"})},
      {"loadout without closing backslash",
       Crlf({"$pref::FavCurrentSelect = \"0\";", "$pref::FavNames0 = \"kept\";",
             "$pref::Favorite4 = \"armor\\tScout\\tweapon\\\";"})},
  };
  for (const Case& c : cases) {
    UseFile(c.bytes);
    window = test::RecordingWindow{};
    state.ImportSucceeded = true;
    Import();
    EXPECT_EQ(window.notices, std::vector<std::string>{Msg_(Msg::ImportFailed)}) << c.what;
    EXPECT_TRUE(window.entries.empty()) << c.what;
    EXPECT_EQ(window.count("showfav"), 0) << c.what;
    EXPECT_FALSE(state.ImportSucceeded) << c.what;
    EXPECT_TRUE(platform.log.empty()) << c.what;
    if (c.bytes.find("kept") != std::string::npos) {
      EXPECT_EQ(state.Favs[0].Name, "kept") << c.what << ": what was read before the failure stays";
    }
  }
}

TEST_F(PrefsFixture, MissingFileShowsTheGameFolderNoticeAndQuits) {
  state.Lang = LangGerman;
  EXPECT_THROW(Import(), test::QuitCalled);
  EXPECT_EQ(window.notices, std::vector<std::string>{std::string(Text(Msg::GameFolderMissing, LangGerman))});
  EXPECT_EQ(platform.log, std::vector<std::string>{"quit"});
}

TEST_F(PrefsFixture, ExportAfterAFailedImportWritesNothing) {
  UseSample();
  Import();
  ASSERT_TRUE(state.ImportSucceeded);
  const std::string good = original;
  UseFile("no block here\r\n");
  Import();
  ASSERT_FALSE(state.ImportSucceeded);
  test::WriteAll(prefs, good);
  window = test::RecordingWindow{};
  Export();
  EXPECT_EQ(window.calls, (std::vector<std::string>{"lock", "notice " + Msg_(Msg::ImportFailed)}));
  EXPECT_EQ(test::ReadAll(prefs), good);
  EXPECT_FALSE(fs::exists(ToFsPath(backup)));
  EXPECT_FALSE(fs::exists(ToFsPath(tmp)));
}

// Failures of the export, each after a successful import of the sample with one name changed.
class ExportFailureTest : public PrefsFixture {
 protected:
  void SetUp() override {
    UseSample();
    Import();
    ASSERT_TRUE(state.ImportSucceeded);
    state.Favs[0].Name = "Changed";
    window = test::RecordingWindow{};
  }
  void ExpectFailed(const char* what) {
    EXPECT_EQ(window.calls, (std::vector<std::string>{"lock", "notice " + Msg_(Msg::ExportFailed)})) << what;
    EXPECT_EQ(platform.beeps, 0) << what;
    EXPECT_EQ(test::ReadAll(prefs), original) << what;
  }
};

TEST_F(ExportFailureTest, WriteFailureDuringTheRewriteKeepsTheGameFile) {
  struct Case {
    const char* what;
    WriteFault fault;
  };
  // Files opened by one export: 0 the backup, 1 the TMP copy, 2 the rewrite of ClientPrefs.cs.
  const Case cases[] = {
      {"disk full after some bytes", {WriteFault::At::AfterBytes, 1000, 28, 2}},
      {"disk full at once", {WriteFault::At::AfterBytes, 0, 28, 2}},
      {"create fails (file locked)", {WriteFault::At::Open, 0, 13, 2}},
      {"fsync fails", {WriteFault::At::Sync, 0, 5, 2}},
      {"close fails", {WriteFault::At::Close, 0, 5, 2}},
      {"replace fails", {WriteFault::At::Replace, 0, 16, 2}},
  };
  for (const Case& c : cases) {
    window = test::RecordingWindow{};
    {
      WriteFaultScope scope(c.fault);
      Export();
      EXPECT_EQ(scope.Fired(), 1) << c.what;
    }
    ExpectFailed(c.what);
    EXPECT_EQ(test::ReadAll(backup), original) << c.what;
    EXPECT_EQ(test::ReadAll(tmp), original) << c.what;
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e :
         fs::directory_iterator(ToFsPath(dir.file("game") + "/gamedata/base/prefs"))) {
      ++files;
    }
    EXPECT_EQ(files, 2u) << c.what << ": no half-written sibling may stay behind";
  }
}

TEST_F(ExportFailureTest, BackupOrCopyFailureStopsBeforeTheGameFile) {
  struct Case {
    const char* what;
    WriteFault fault;
    bool backupWritten;
  };
  const Case cases[] = {
      {"backup", {WriteFault::At::AfterBytes, 10, 28, 0}, false},
      {"TMP copy", {WriteFault::At::Sync, 0, 28, 1}, true},
  };
  for (const Case& c : cases) {
    window = test::RecordingWindow{};
    fs::remove(ToFsPath(backup));
    fs::remove(ToFsPath(tmp));
    {
      WriteFaultScope scope(c.fault);
      Export();
    }
    ExpectFailed(c.what);
    EXPECT_EQ(fs::exists(ToFsPath(backup)), c.backupWritten) << c.what;
    EXPECT_FALSE(fs::exists(ToFsPath(tmp))) << c.what;
  }
}

TEST_F(ExportFailureTest, EmptyGameFileFails) {
  UseFile("");
  Export();
  ExpectFailed("empty file");
  EXPECT_EQ(test::ReadAll(prefs), "");
}

// Makes a folder immutable for the life of the guard, so that even root cannot create files in it.
class Immutable {
 public:
  explicit Immutable(std::string path) : path_(std::move(path)) {
    ok_ = std::system(("chattr +i '" + path_ + "' 2>/dev/null").c_str()) == 0;
  }
  ~Immutable() {
    if (ok_) (void)std::system(("chattr -i '" + path_ + "'").c_str());
  }
  bool ok() const { return ok_; }

 private:
  std::string path_;
  bool ok_ = false;
};

TEST_F(ExportFailureTest, PosixOnly_UnwritableProgramFolderStopsAtTheBackup) {
  Immutable guard(platform.folder);
  if (!guard.ok()) GTEST_SKIP() << "chattr +i is not available here; the unwritable folder cannot be made";
  Export();
  ExpectFailed("unwritable program folder");
  EXPECT_FALSE(fs::exists(ToFsPath(backup)));
  EXPECT_FALSE(fs::exists(ToFsPath(tmp)));
}

#ifndef _WIN32  // symbolic links need a privilege on Windows
TEST_F(PrefsFixture, PosixOnly_SymlinkedGameFileStaysALink) {
  UseSample();
  const std::string real = dir.file("elsewhere.cs");
  fs::rename(ToFsPath(prefs), ToFsPath(real));
  fs::create_symlink(ToFsPath(real), ToFsPath(prefs));
  Import();
  state.Favs[5].Name = "Linked";
  Export();
  EXPECT_EQ(window.notices.back(), Msg_(Msg::ExportSucceeded));
  EXPECT_TRUE(fs::is_symlink(ToFsPath(prefs)));
  EXPECT_NE(test::ReadAll(real).find("$pref::FavNames5 = \"Linked\";\r\n"), std::string::npos);
}
#endif

TEST_F(PrefsFixture, NamesThatWouldBreakTheScriptAreEscapedAtExport) {
  UseSample();
  Import();
  state.Favs[1].Name = "Say \"hi\"";
  state.Favs[2].Name = "two\nlines";
  state.Favs[3].Name = "ends\\";
  Export();
  const std::vector<std::string> lines = Lines(test::ReadAll(prefs));
  EXPECT_EQ(lines.size(), Lines(original).size());
  auto has = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has(R"($pref::FavNames1 = "Say \"hi\"";)"));
  EXPECT_TRUE(has(R"($pref::FavNames2 = "two\nlines";)"));
  EXPECT_TRUE(has(R"($pref::FavNames3 = "ends\\";)"));
  // What the game wrote itself, escapes and colour codes included, went back byte for byte.
  EXPECT_TRUE(has(R"($pref::FavNames0 = "\c2Scout Sniper";)"));
  EXPECT_TRUE(has(R"($pref::FavNames13 = "HO \"Base Wreck\"";)"));
}

}  // namespace
}  // namespace ks
