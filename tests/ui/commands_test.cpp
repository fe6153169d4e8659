#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "editor_fixture.h"
#include "misc/paths.h"
#include "support/temp_dir.h"

namespace ks::ui {
namespace {

class CommandsTest : public test::EditorFixture {
 protected:
  CommandsTest() {
    platform.folder = dir.file("program");
    std::filesystem::create_directories(platform.folder);
    test::CopySampleGame(dir.file("game"));
    state.GamePath = WithTrailingSeparator(dir.file("game"));
    f.lstFav.clear();  // as at start-up: the import fills the list
  }
  std::string prefs() const { return dir.file("game") + "/gamedata/base/prefs/ClientPrefs.cs"; }

  test::TempDir dir;
};

TEST_F(CommandsTest, ImportShowsFavouriteZeroAndUnlocks) {
  fav(0).Name = "edited, to be thrown away";
  f.cmdImport.click();
  EXPECT_EQ(platform.log.front(), "pump");  // pending events handled while locked, before the read
  ASSERT_EQ(f.lstFav.items.size(), 20u);
  EXPECT_EQ(f.lstFav.value(), 0);
  EXPECT_EQ(state.CurrentFav, 0);
  EXPECT_TRUE(editor.FavSelected);
  EXPECT_EQ(f.txtName.text(), fav(0).Name);
  EXPECT_EQ(f.lstFav.items[0], "01 : " + fav(0).Name);
  EXPECT_NE(fav(0).Name, "edited, to be thrown away");
  EXPECT_TRUE(f.cmdSavePre.enabled && f.picArmor.enabled && f.cmbPack.enabled);
  EXPECT_EQ(platform.beeps, 0);
}

TEST_F(CommandsTest, FailedImportLeavesNothingSelectedAndTheCommandsUsable) {
  test::WriteAll(prefs(), "$pref::FavCurrentSelect = 0;\r\n$pref::FavNames7 =\r\n");
  thenPressOk();
  f.cmdImport.click();
  EXPECT_EQ(f.lblError.caption, english(Msg::ImportFailed));
  EXPECT_TRUE(f.lstFav.items.empty());
  EXPECT_EQ(f.lstFav.value(), -1);
  EXPECT_FALSE(editor.FavSelected);
  EXPECT_TRUE(f.cmdImport.enabled && f.cmdExport.enabled && f.lstFav.enabled);
}

TEST_F(CommandsTest, ExportAfterImportReportsSuccess) {
  f.cmdImport.click();
  const std::string before = test::ReadAll(prefs());
  thenPressOk();
  f.cmdExport.click();
  EXPECT_EQ(f.lblError.caption, english(Msg::ExportSucceeded));
  EXPECT_EQ(test::ReadAll(prefs()), before);  // nothing was edited: the same favourite lines
  EXPECT_TRUE(f.lstFav.enabled);
}

// The preset and exchange-file buttons reach their operations.
TEST_F(CommandsTest, PresetAndFileButtonsRunTheirOperations) {
  f.lstFav.add("01 : ");
  f.lstFav.select(0);
  thenPressOk();
  f.cmdSavePre.click();
  EXPECT_EQ(f.lblError.caption, english(Msg::PresetSaved));

  for (Control* button : {&f.cmdImpFile, &f.cmdExpFile}) {
    platform.pickAnswers.push_back("");  // cancelled: nothing happens
    button->click();
  }
  EXPECT_EQ(platform.pickRequests.size(), 2u);
  EXPECT_TRUE(platform.actions.empty());
}

}  // namespace
}  // namespace ks::ui
