#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/language.h"
#include "app/links.h"
#include "app/settings.h"
#include "misc/paths.h"
#include "misc/text_file.h"
#include "model/messages.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/editor.h"

namespace ks::ui {
namespace {

using test::ReadAll;
using test::WriteAll;

const std::string Sep(1, NativeSeparator);

std::string SettingsBytes(std::string_view lang, const std::string& folder) {
  return "// [QZW]-Kitsmith v1.0\r\n// " + std::string(CompanyUrl) +
         "\r\n//\r\n// Configfile\r\n//\r\n// Do not change anything at all :-)\r\n//\r\nLang=" +
         std::string(lang) + "\r\nTribes2=" + folder + "\r\n";
}

std::string Say(Msg id, LangIndex lang) { return std::string(Text(id, lang)); }

// Every text the window shows, by control: caption, tooltip and list items.
using TextSnapshot = std::map<std::string, std::vector<std::string>>;
TextSnapshot Texts(const MainForm& f) {
  TextSnapshot s;
  for (const Control* c : f.controls()) {
    std::vector<std::string> texts{c->caption, c->tooltip};
    if (auto* list = dynamic_cast<const ListControl*>(c)) {
      texts.insert(texts.end(), list->items.begin(), list->items.end());
      texts.push_back(std::to_string(list->value()));
    }
    s[c->name()] = texts;
  }
  return s;
}

class StartupTest : public ::testing::Test {
 protected:
  test::TempDir program;
  test::TempDir games;
  test::FakePlatform platform{program.path()};
  AppState state;
  Editor editor{state, platform};
  MainForm& f = editor.form();
  std::string game = games.file("Tribes2");
  std::string prefs = game + "/gamedata/base/prefs/ClientPrefs.cs";
  std::vector<std::string> notices;  // every notice, in the order the OK presses answered them

  void SetUp() override { test::CopySampleGame(game); }
  std::string settings() const { return program.file("kitsmith.dat"); }

  // The player presses OK on every notice that comes.
  void PressOkOnNotices(int n = 12) {
    for (int i = 0; i < n; ++i) {
      platform.actions.push_back([this] {
        notices.push_back(f.lblError.caption);
        f.cmdErrorOK.click();
      });
    }
  }
  void Launch() {
    PressOkOnNotices();
    editor.Form_Load();
  }
  void ExpectFavouriteZeroShown() {
    EXPECT_TRUE(editor.FavSelected);
    EXPECT_EQ(state.CurrentFav, 0);
    EXPECT_EQ(f.lstFav.items.size(), 20u);
    EXPECT_EQ(f.lstFav.value(), 0);
    EXPECT_TRUE(f.imgAbout.enabled);
    EXPECT_EQ(f.cmbLang.items, (std::vector<std::string>{"ENGLISH", "DEUTSCH"}));
    EXPECT_EQ(f.cmbLang.value(), state.Lang);
    const Control* live[] = {&f.cmbLang, &f.lstFav,  &f.cmdImport, &f.cmdExport,  &f.cmbPack,
                             &f.cmbGren, &f.txtName, &f.picArmor,  &f.cmdSavePre, &f.cmdLoadPre};
    for (const Control* c : live) EXPECT_TRUE(c->enabled) << c->name();
    EXPECT_EQ(f.txtName.text(), state.Favs[0].Name);
    EXPECT_EQ(f.cmbPack.value(), state.Favs[0].Pack);
    EXPECT_EQ(f.cmbGren.value(), state.Favs[0].Gren);
    EXPECT_EQ(f.cmbPack.items.size(), 18u);
    EXPECT_EQ(f.cmbGren.items.size(), 6u);
    EXPECT_EQ(editor.PalettePicWidth, 1830);
    EXPECT_EQ(editor.PalettePicHeight, 1200);
    EXPECT_TRUE(f.shown);
    EXPECT_FALSE(f.frmError.visible);
  }
};

TEST_F(StartupTest, FirstStartAsksForTheFolderAndStoresItWithTheSeparator) {
  platform.browseAnswers = {game};
  platform.tppX = 12.4;
  platform.tppY = 15.6;
  Launch();
  EXPECT_EQ(notices, std::vector<std::string>{Say(Msg::FirstStart, LangEnglish)});
  // The events are handled once before anything is asked.
  ASSERT_GE(platform.log.size(), 2u);
  EXPECT_EQ(platform.log[0], "pump");
  EXPECT_EQ(platform.count("browse " + std::string(BrowseTitle)), 1);
  EXPECT_EQ(ReadAll(settings()), SettingsBytes("E", game + Sep));
  EXPECT_EQ(state.GamePath, game + Sep);
  ExpectFavouriteZeroShown();
  EXPECT_EQ(editor.TwipsPerPixelX, 12);
  EXPECT_EQ(editor.TwipsPerPixelY, 16);
  EXPECT_EQ(f.cmdSavePre.caption, "SAVE PRESET");
  EXPECT_EQ(f.lblArmour.caption, std::string(lang::ArmourLabel(state.Favs[0].Armor)->english));
}

TEST_F(StartupTest, StoredSettingsCases) {
  struct Case {
    std::string name;
    std::string file;  // "{game}" stands for the game folder, "{moved}" for one without the game
    std::vector<std::string> notices;
    int browses;
    LangIndex lang;
    std::string fileAfter;
  };
  const std::string moved = games.file("Moved");
  std::filesystem::create_directories(ToFsPath(moved));
  const std::vector<Case> cases = {
      {"german, no trailing separator",
       SettingsBytes("D", game),
       {},
       0,
       LangGerman,
       SettingsBytes("D", game + Sep)},
      {"german, folder lost the game",
       SettingsBytes("D", moved),
       {Say(Msg::FolderNotFound, LangGerman)},
       1,
       LangEnglish,
       SettingsBytes("E", game + Sep)},
      {"cancel, then the folder",
       SettingsBytes("E", moved),
       {Say(Msg::FolderNotFound, LangEnglish), Say(Msg::FolderNotFound, LangEnglish)},
       2,
       LangEnglish,
       SettingsBytes("E", game + Sep)},
      {"two folder lines",
       "Lang=D\r\nTribes2=" + moved + "\r\nTribes2=" + game + "\r\n",
       {},
       0,
       LangGerman,
       SettingsBytes("D", game + Sep)},
      {"no folder line",
       "Lang=D\r\n",
       {Say(Msg::FolderNotFound, LangGerman)},
       1,
       LangEnglish,
       SettingsBytes("E", game + Sep)},
      {"keys differing in case or with a blank",
       "lang=D\r\n Lang=D\r\nTribes2=" + game + "\r\n",
       {},
       0,
       LangEnglish,
       SettingsBytes("E", game + Sep)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AppState fresh;
    test::FakePlatform p{program.path()};
    Editor e{fresh, p};
    std::vector<std::string> seen;
    for (int i = 0; i < 5; ++i) {
      p.actions.push_back([&] {
        seen.push_back(e.form().lblError.caption);
        e.form().cmdErrorOK.click();
      });
    }
    p.browseAnswers = c.browses == 2 ? std::deque<std::string>{"", game} : std::deque<std::string>{game};
    WriteAll(settings(), c.file);
    e.Form_Load();
    EXPECT_EQ(seen, c.notices);
    EXPECT_EQ(p.count("browse " + std::string(BrowseTitle)), c.browses);
    EXPECT_EQ(fresh.Lang, c.lang);
    EXPECT_EQ(fresh.GamePath, game + Sep);
    EXPECT_EQ(ReadAll(settings()), c.fileAfter);
    EXPECT_TRUE(e.FavSelected);
    EXPECT_EQ(e.form().cmdLoadPre.caption, c.lang == LangGerman ? "MUSTER LADEN" : "LOAD PRESET");
    EXPECT_EQ(e.form().lblArmour.caption,
              std::string(lang::Pick(*lang::ArmourLabel(fresh.Favs[0].Armor), c.lang)));
  }
}

TEST_F(StartupTest, EmptySettingsFileLooksInTheCurrentFolderAndIsRewrittenWhole) {
  WriteAll(settings(), "");
  PressOkOnNotices();
  EXPECT_THROW(editor.Form_Load(), test::QuitCalled);
  // No question from the settings step; the import does not find the game and ends the tool.
  EXPECT_EQ(notices, std::vector<std::string>{Say(Msg::GameFolderMissing, LangEnglish)});
  EXPECT_EQ(platform.count("browse " + std::string(BrowseTitle)), 0);
  EXPECT_EQ(ReadAll(settings()), SettingsBytes("E", ""));
}

// Root is not kept out of a folder by its permission bits; a folder in the settings file's place
// refuses every write the same way for everybody.
TEST_F(StartupTest, FirstStartThatCannotWriteTellsOnceAndGoesOnWithTheChosenFolder) {
  std::filesystem::create_directories(ToFsPath(settings()));
  platform.browseAnswers = {game};
  Launch();
  EXPECT_EQ(notices, (std::vector<std::string>{Say(Msg::FirstStart, LangEnglish),
                                               Say(Msg::SettingsNotWritten, LangEnglish)}));
  EXPECT_EQ(state.GamePath, game + Sep);
  ExpectFavouriteZeroShown();
}

TEST_F(StartupTest, StoredSettingsThatCannotBeRewrittenTellEveryStartAndGoOn) {
  for (std::string_view lang : {"E", "D"}) {
    SCOPED_TRACE(lang);
    const std::string bytes = SettingsBytes(lang, game + Sep);
    WriteAll(settings(), bytes);
    AppState fresh;
    test::FakePlatform p{program.path()};
    Editor e{fresh, p};
    std::vector<std::string> seen;
    p.actions.push_back([&] {
      seen.push_back(e.form().lblError.caption);
      e.form().cmdErrorOK.click();
    });
    {
      WriteFaultScope readOnly({WriteFault::At::Open, 0, 30, 0});
      e.Form_Load();
      EXPECT_EQ(readOnly.Fired(), 1);
    }
    EXPECT_EQ(seen, std::vector<std::string>{Say(Msg::SettingsNotWritten, fresh.Lang)});
    EXPECT_EQ(fresh.Lang, lang == "D" ? LangGerman : LangEnglish);
    EXPECT_EQ(ReadAll(settings()), bytes);
    EXPECT_TRUE(e.FavSelected);
  }
}

TEST_F(StartupTest, UnreadableFavouritesLeaveTheWindowOpenWithNothingSelected) {
  WriteAll(settings(), SettingsBytes("E", game + Sep));
  const std::string good = ReadAll(prefs);
  WriteAll(prefs, "// not the game's favourites\r\n");
  Launch();
  EXPECT_EQ(notices, std::vector<std::string>{Say(Msg::ImportFailed, LangEnglish)});
  EXPECT_FALSE(f.frmError.visible);
  EXPECT_FALSE(editor.FavSelected);
  EXPECT_TRUE(f.lstFav.items.empty());
  EXPECT_EQ(f.lstFav.value(), -1);
  EXPECT_FALSE(f.picPack.visible);
  EXPECT_EQ(f.picArmor.picture, Pic::No);
  for (int i = 0; i < WeaponPictureCount; ++i) EXPECT_EQ(f.picWeapon(i).picture, Pic::No);
  EXPECT_FALSE(f.cmbPack.enabled);
  EXPECT_FALSE(f.cmbGren.enabled);
  EXPECT_FALSE(f.txtName.enabled);
  EXPECT_TRUE(f.cmdImport.enabled);
  EXPECT_TRUE(f.cmdExport.enabled);
  EXPECT_TRUE(f.lstFav.enabled);

  // Export refuses the partial table and leaves the game's file as it is.
  EXPECT_FALSE(state.ImportSucceeded);
  const std::string broken = ReadAll(prefs);
  notices.clear();
  PressOkOnNotices(2);
  f.cmdExport.click();
  EXPECT_EQ(ReadAll(prefs), broken);
  EXPECT_EQ(notices, std::vector<std::string>{Say(Msg::ImportFailed, LangEnglish)});

  // The player repairs the file and imports again.
  WriteAll(prefs, good);
  f.cmdImport.click();
  EXPECT_EQ(f.lstFav.items.size(), 20u);
  EXPECT_TRUE(editor.FavSelected);
  EXPECT_TRUE(f.cmbPack.enabled);
  EXPECT_EQ(f.txtName.text(), state.Favs[0].Name);
}

TEST_F(StartupTest, LanguageRoundTripRestoresEveryEnglishText) {
  WriteAll(settings(), SettingsBytes("E", game + Sep));
  Launch();
  const TextSnapshot english = Texts(f);

  f.cmbLang.select(LangGerman);
  EXPECT_EQ(state.Lang, LangGerman);
  EXPECT_EQ(ReadAll(settings()), SettingsBytes("D", game + Sep));
  for (const auto& t : lang::WindowTexts()) {
    const Control& c = t.control == "picWeapon" ? f.picWeapon(4)
                       : t.control == "picDrop" ? f.picDrop(9)
                                                : *f.find(std::string(t.control));
    EXPECT_EQ(t.prop == lang::Prop::Caption ? c.caption : c.tooltip, t.german) << t.control;
  }
  EXPECT_EQ(f.cmbPack.items[5], "TARN-PACK");
  EXPECT_EQ(f.cmbGren.items[0], "-KEINE GRANATEN!-");
  EXPECT_EQ(f.lblArmour.caption, std::string(lang::ArmourLabel(state.Favs[0].Armor)->german));
  // The favourite is shown again, so both lists select its codes.
  EXPECT_EQ(f.cmbPack.value(), state.Favs[0].Pack);
  EXPECT_EQ(f.cmbGren.value(), state.Favs[0].Gren);

  f.cmbLang.select(LangEnglish);
  EXPECT_EQ(Texts(f), english);
  EXPECT_EQ(ReadAll(settings()), SettingsBytes("E", game + Sep));
  EXPECT_TRUE(notices.empty());
}

TEST_F(StartupTest, ApplyLanguageRefillsTheListsWithoutSelectionAndIgnoresUnknownLanguages) {
  WriteAll(settings(), SettingsBytes("E", game + Sep));
  Launch();
  editor.ApplyLanguage();
  editor.ApplyLanguage();
  EXPECT_EQ(f.cmbPack.items.size(), 18u);
  EXPECT_EQ(f.cmbGren.items.size(), 6u);
  EXPECT_EQ(f.cmbPack.value(), -1);
  EXPECT_EQ(f.cmbGren.value(), -1);
  EXPECT_EQ(f.cmbPack.items[5], "CLOACK PACK");

  const TextSnapshot before = Texts(f);
  state.Lang = -1;
  editor.ApplyLanguage();
  EXPECT_EQ(Texts(f), before);
}

TEST_F(StartupTest, LanguageChangeThatCannotBeSavedTellsInTheNewLanguage) {
  WriteAll(settings(), SettingsBytes("E", game + Sep));
  Launch();
  const std::string bytes = ReadAll(settings());
  PressOkOnNotices(1);
  {
    WriteFaultScope full({WriteFault::At::Sync, 0, 28, 0});
    f.cmbLang.select(LangGerman);
  }
  EXPECT_EQ(notices, std::vector<std::string>{Say(Msg::SettingsNotWritten, LangGerman)});
  EXPECT_EQ(ReadAll(settings()), bytes);
  EXPECT_EQ(state.Lang, LangGerman);
  EXPECT_EQ(f.cmdSavePre.caption, "MUSTER SPEICHERN");
  // The favourite is not shown again: the refilled lists keep no selection.
  EXPECT_EQ(f.cmbPack.value(), -1);
}

TEST(WindowDesign, ButtonsAndLabelsCarryTheirDesignCaptionsUntilTheLanguageIsApplied) {
  test::FakePlatform platform;
  AppState state;
  Editor editor{state, platform};
  for (const auto& d : lang::DesignCaptions())
    EXPECT_EQ(editor.form().find(std::string(d.control))->caption, d.caption);
  EXPECT_TRUE(editor.form().cmbPack.items.empty());
  EXPECT_TRUE(editor.form().cmbGren.items.empty());
}

}  // namespace
}  // namespace ks::ui
