#include "app/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

#include "app/links.h"
#include "misc/file_exists.h"
#include "misc/paths.h"
#include "misc/text_file.h"
#include "model/messages.h"
#include "support/fake_platform.h"
#include "support/recording_window.h"
#include "support/temp_dir.h"

namespace ks {
namespace {

using test::ReadAll;
using test::WriteAll;

std::string Header() {
  return "// [QZW]-Kitsmith v1.0\r\n// " + std::string(CompanyUrl) +
         "\r\n//\r\n// Configfile\r\n//\r\n// Do not change anything at all :-)\r\n//\r\n";
}
std::string FileBytes(std::string_view lang, const std::string& folder) {
  return Header() + "Lang=" + std::string(lang) + "\r\nTribes2=" + folder + "\r\n";
}

// A window that also keeps the settings file's bytes at each notice, to see what each browser
// answer left behind.
class SnapshotWindow : public test::RecordingWindow {
 public:
  explicit SnapshotWindow(std::string settings) : settings_(std::move(settings)) {}
  std::vector<std::string> filesAtNotice;
  void ShowNotice(const std::string& text) override {
    RecordingWindow::ShowNotice(text);
    filesAtNotice.push_back(FileExists(settings_) ? ReadAll(settings_) : std::string("<none>"));
  }

 private:
  std::string settings_;
};

class LoadSettingsTest : public ::testing::Test {
 protected:
  test::TempDir program;
  test::TempDir games;
  test::FakePlatform platform{program.path()};
  AppState state;
  SnapshotWindow window{program.file("kitsmith.dat")};
  std::string game = games.file("Tribes2");  // holds the game
  std::string moved = games.file("Moved");   // exists, but without the game

  void SetUp() override {
    WriteAll(JoinFile(game, "gamedata/base/prefs/ClientPrefs.cs"), "$pref::FavNames0 = \"A\";\r\n");
    std::filesystem::create_directories(ToFsPath(moved));
  }
  std::string settings() const { return program.file("kitsmith.dat"); }
  void Load() { LoadSettings(state, window, platform, {}); }
  std::string Notice(Msg id, LangIndex lang) const { return std::string(Text(id, lang)); }
};

TEST_F(LoadSettingsTest, FirstStartAsksAndStoresTheFolderAsChosen) {
  platform.browseAnswers = {game};
  Load();
  EXPECT_EQ(window.notices, std::vector<std::string>{Notice(Msg::FirstStart, LangEnglish)});
  EXPECT_EQ(window.filesAtNotice, std::vector<std::string>{"<none>"});
  EXPECT_EQ(platform.log, std::vector<std::string>{"browse Show me your TRIBES-2 ROOT(!)-directory !"});
  EXPECT_EQ(ReadAll(settings()), FileBytes("E", game));
  EXPECT_EQ(state.GamePath, game + NativeSeparator);
  EXPECT_EQ(state.Lang, LangEnglish);
  EXPECT_EQ(window.calls.back(), "language");
}

TEST_F(LoadSettingsTest, CancelWritesAnEmptyFolderAndAsksAgain) {
  platform.browseAnswers = {"", "", game};
  Load();
  const std::string notFound = Notice(Msg::FolderNotFound, LangEnglish);
  EXPECT_EQ(window.notices,
            (std::vector<std::string>{Notice(Msg::FirstStart, LangEnglish), notFound, notFound}));
  // Each cancel left a file whose last line is only the key.
  EXPECT_EQ(window.filesAtNotice[1], FileBytes("E", ""));
  EXPECT_EQ(window.filesAtNotice[2], FileBytes("E", ""));
  EXPECT_EQ(platform.count("browse Show me your TRIBES-2 ROOT(!)-directory !"), 3);
  EXPECT_EQ(ReadAll(settings()), FileBytes("E", game));
  EXPECT_EQ(state.GamePath, game + NativeSeparator);
  EXPECT_EQ(window.count("language"), 1);
}

TEST_F(LoadSettingsTest, StoredFileCases) {
  struct Case {
    std::string name;
    std::string file;
    LangIndex lang;        // after LoadSettings
    std::string gamePath;  // after LoadSettings
    std::vector<Msg> notices;
    int browses;
    bool applied;
    std::string fileAfter;  // "" = unchanged
  };
  const std::string sep(1, NativeSeparator);
  const std::vector<Case> cases = {
      {"german, no trailing separator", FileBytes("D", game), LangGerman, game + sep, {}, 0, true, ""},
      {"german, separator already there",
       FileBytes("D", game + sep),
       LangGerman,
       game + sep,
       {},
       0,
       true,
       ""},
      {"german, folder lost the game",
       FileBytes("D", moved),
       LangEnglish,
       game + sep,
       {Msg::FolderNotFound},
       1,
       true,
       FileBytes("E", game)},
      {"two folder lines: the later counts",
       Header() + "Lang=D\r\nTribes2=" + moved + "\r\nTribes2=" + game + "\r\n",
       LangGerman,
       game + sep,
       {},
       0,
       true,
       ""},
      {"two folder lines: the later counts, also when lost",
       Header() + "Tribes2=" + game + "\r\nTribes2=" + moved + "\r\n",
       LangEnglish,
       game + sep,
       {Msg::FolderNotFound},
       1,
       true,
       FileBytes("E", game)},
      {"no folder line",
       "Lang=D\r\n",
       LangEnglish,
       game + sep,
       {Msg::FolderNotFound},
       1,
       true,
       FileBytes("E", game)},
      {"keys are exact and case-sensitive",
       "lang=D\r\n Lang=D\r\nLANG=D\r\nTribes2=" + game + "\r\n",
       LangEnglish,
       game + sep,
       {},
       0,
       true,
       ""},
      {"last language wins, lines without LF",
       "Lang=D\rLang=E\rLang=D\rTribes2=" + game,
       LangGerman,
       game + sep,
       {},
       0,
       true,
       ""},
      {"empty file ends quietly", "", LangEnglish, "", {}, 0, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    state = AppState{};
    window = SnapshotWindow{settings()};
    platform.log.clear();
    platform.browseAnswers = {game};
    WriteAll(settings(), c.file);
    Load();
    EXPECT_EQ(state.Lang, c.lang);
    EXPECT_EQ(state.GamePath, c.gamePath);
    std::vector<std::string> expected;
    // The not-found notice speaks the language the file asked for.
    const LangIndex noticeLang = c.file.find("\nLang=D") != std::string::npos || c.file.starts_with("Lang=D")
                                     ? LangGerman
                                     : LangEnglish;
    for (Msg m : c.notices) expected.push_back(Notice(m, noticeLang));
    EXPECT_EQ(window.notices, expected);
    EXPECT_EQ(platform.count("browse Show me your TRIBES-2 ROOT(!)-directory !"), c.browses);
    EXPECT_EQ(window.count("language"), c.applied ? 1 : 0);
    EXPECT_EQ(ReadAll(settings()), c.fileAfter.empty() ? c.file : c.fileAfter);
  }
}

TEST(SettingsLine, FolderIsCutAt999Characters) {
  struct Case {
    std::string line;
    std::string gamePath;
  };
  const std::string longPath(1200, 'x');
  for (const Case& c : {Case{"Tribes2=", ""}, Case{"Tribes2=C:\\T2", "C:\\T2"},
                        Case{"Tribes2=" + longPath, longPath.substr(0, 999)}, Case{"Tribes2", "keep"},
                        Case{"tribes2=C:\\T2", "keep"}}) {
    AppState state;
    state.GamePath = "keep";
    ApplySettingsLine(c.line, state);
    EXPECT_EQ(state.GamePath, c.gamePath) << c.line.substr(0, 20);
  }
}

// Root cannot be kept out of a folder by its permission bits; the writer seam fails it instead.
TEST_F(LoadSettingsTest, FirstStartThatCannotWriteGoesOnWithTheChosenFolder) {
  platform.browseAnswers = {game};
  {
    WriteFaultScope readOnly({WriteFault::At::Open, 0, 30, 0});  // EROFS
    Load();
    EXPECT_EQ(readOnly.Fired(), 1);
  }
  EXPECT_FALSE(FileExists(settings()));
  // Only the question: the language list reports the file once, right after start-up.
  EXPECT_EQ(window.notices, std::vector<std::string>{Notice(Msg::FirstStart, LangEnglish)});
  EXPECT_EQ(state.GamePath, game + NativeSeparator);
  EXPECT_EQ(window.count("language"), 1);
}

TEST_F(LoadSettingsTest, StoredFileThatCannotBeRewrittenKeepsItsBytesAndTheFolderIsStillChecked) {
  const std::string old = FileBytes("D", moved);
  WriteAll(settings(), old);
  platform.browseAnswers = {game};
  {
    WriteFaultScope full({WriteFault::At::AfterBytes, 10, 28, 0});
    Load();
    EXPECT_EQ(full.Fired(), 1);
  }
  EXPECT_EQ(ReadAll(settings()), old);
  // The chosen folder is checked and completed like any other, so the game's files are found.
  EXPECT_EQ(state.GamePath, game + NativeSeparator);
  EXPECT_EQ(state.Lang, LangEnglish);
  EXPECT_EQ(window.notices, std::vector<std::string>{Notice(Msg::FolderNotFound, LangGerman)});
  EXPECT_EQ(window.count("language"), 1);
}

TEST_F(LoadSettingsTest, SaveSettingsWritesLanguageAndFolderOrReportsFailure) {
  state.GamePath = game + NativeSeparator;
  state.Lang = LangGerman;
  ASSERT_TRUE(SaveSettings(state, platform));
  EXPECT_EQ(ReadAll(settings()), FileBytes("D", game + NativeSeparator));
  state.Lang = LangEnglish;
  {
    WriteFaultScope fault({WriteFault::At::Replace, 0, 13, 0});
    EXPECT_FALSE(SaveSettings(state, platform));
  }
  EXPECT_EQ(ReadAll(settings()), FileBytes("D", game + NativeSeparator));
}

TEST(BrowseStart, ParentOfTheLastFolderThenUsualPlaces) {
  const std::string sep(1, NativeSeparator);
  const std::vector<std::string> roots = {"R1" + sep, "R2" + sep};
  const auto candidates = BrowseStartCandidates("base" + sep + "old" + sep, roots);
  ASSERT_FALSE(candidates.empty());
  EXPECT_EQ(candidates.front(), "base");
  EXPECT_EQ(candidates[1], "R1" + sep + "Dynamix" + sep + "Tribes2");
  // The root of the drive and an empty folder have no parent to offer.
  for (const std::string& none : {std::string(), sep}) {
    const auto c = BrowseStartCandidates(none, roots);
    EXPECT_EQ(c.front(), roots[0] + "Dynamix" + sep + "Tribes2");
  }
  EXPECT_TRUE(BrowseStartCandidates(sep, {}).empty());

  const std::set<std::string> present = {"R2" + sep + "Games" + sep + "Tribes2", "R1" + sep + "Tribes2"};
  auto exists = [&](const std::string& p) { return present.count(p) > 0; };
  EXPECT_EQ(FirstExisting(BrowseStartCandidates(sep, roots), exists), "R1" + sep + "Tribes2");
  EXPECT_EQ(FirstExisting(BrowseStartCandidates(sep, {roots[1]}), exists),
            "R2" + sep + "Games" + sep + "Tribes2");
  EXPECT_EQ(FirstExisting(BrowseStartCandidates(sep, {"R3" + sep}), exists), "");
}

#ifndef _WIN32
TEST(BrowseStart, FindsAnInstallInsideAWinePrefixWhateverItsSpelling) {
  test::TempDir home;
  std::filesystem::create_directories(ToFsPath(home.path() + "/.wine/drive_c/windows"));
  std::filesystem::create_directories(ToFsPath(home.path() + "/.wine-t2/drive_c/DYNAMIX/TRIBES2/GameData"));
  std::filesystem::create_directories(ToFsPath(home.path() + "/.wine-empty"));  // no drive_c
  const auto roots = InstallRoots(home.path());
  EXPECT_EQ(roots,
            (std::vector<std::string>{home.path() + "/.wine/drive_c/", home.path() + "/.wine-t2/drive_c/"}));

  test::TempDir program;
  test::FakePlatform platform{program.path()};
  test::RecordingWindow window;
  AppState state;
  platform.browseAnswers = {home.path() + "/.wine-t2/drive_c/DYNAMIX/TRIBES2"};
  WriteAll(home.path() + "/.wine-t2/drive_c/DYNAMIX/TRIBES2/GameData/base/prefs/ClientPrefs.cs", "");
  LoadSettings(state, window, platform, roots);
  EXPECT_EQ(platform.browseStartFolders,
            std::vector<std::string>{home.path() + "/.wine-t2/drive_c/DYNAMIX/TRIBES2"});
  EXPECT_EQ(window.count("language"), 1);
}
#endif

TEST_F(LoadSettingsTest, BrowserReopensBesideTheFolderLastChosen) {
  WriteAll(settings(), FileBytes("E", moved));
  platform.browseAnswers = {game};
  Load();
  EXPECT_EQ(platform.browseStartFolders, std::vector<std::string>{games.path()});
}

}  // namespace
}  // namespace ks
