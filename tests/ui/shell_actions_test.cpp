#include "ui/shell_actions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/links.h"
#include "editor_fixture.h"
#include "misc/paths.h"
#include "support/temp_dir.h"

namespace ks::ui {
namespace {

using test::FakePlatform;
using test::QuitCalled;
using Log = std::vector<std::string>;

TEST(LaunchGameTest, WindowsMakesDriveAndFolderCurrentStartsTheGameAndEnds) {
  struct Case {
    LaunchMode mode;
    bool folderFound;
    Log log;
  };
  const Log lan{
      "cd D:", "cd \\Games\\Tribes2\\gamedata\\", "pump", "shell tribes2.exe| -nologin", "pump", "beep",
      "quit"};
  const Log online{"cd D:", "cd \\Games\\Tribes2\\gamedata\\", "pump", "shell sierraup.exe|", "beep", "quit"};
  const Case cases[] = {
      {LaunchMode::LanSolo, true, lan},
      {LaunchMode::Online, true, online},
      // A folder that is gone changes nothing: no notice, and the tool still ends.
      {LaunchMode::LanSolo, false, lan},
      {LaunchMode::Online, false, online},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    platform.setCurrentFolderResult = c.folderFound;
    EXPECT_THROW(LaunchGame(platform, "D:\\Games\\Tribes2\\", c.mode, TargetOs::Windows), QuitCalled);
    EXPECT_EQ(platform.log, c.log);
    // No parameters online means none at all, not a blank.
    EXPECT_EQ(platform.shellCalls.at(0).second, c.mode == LaunchMode::LanSolo ? " -nologin" : "");
  }
}

class ShellActionsTest : public test::EditorFixture {
 protected:
  // Opens the about panel and runs `during` while its wait is pending; then "WHO CARES ?" closes it
  // unless `during` has ended the wait itself.
  void WithAboutPanel(const std::function<void()>& during, bool closeAfter = true) {
    then(during);
    if (closeAfter) then([this] { f.cmdAboutDone.click(); });
    f.imgAbout.enabled = true;
    f.imgAbout.click();
  }
};

#ifndef _WIN32
TEST_F(ShellActionsTest, LaunchButtonsStartTheGameFromItsGamedataFolder) {
  test::TempDir dir;
  std::filesystem::create_directories(ToFsPath(dir.file("T2/GameData/base/prefs")));
  state.GamePath = dir.file("T2") + "/";
  const std::pair<Control*, std::string> cases[] = {{&f.cmdLaunchLAN, "tribes2.exe"},
                                                    {&f.cmdLaunchLINE, "sierraup.exe"}};
  for (const auto& [button, program] : cases) {
    platform.log.clear();
    platform.shellCalls.clear();
    platform.currentFolders.clear();
    EXPECT_THROW(button->click(), QuitCalled);
    EXPECT_EQ(platform.currentFolders, Log{state.GamePath + "GameData"});
    ASSERT_EQ(platform.shellCalls.size(), 1u);
    EXPECT_EQ(platform.shellCalls[0].first, program);
    EXPECT_EQ(platform.log.back(), "quit");
  }
}
#endif

TEST_F(ShellActionsTest, ReadmePresentOpensInNotepadAndTheAboutPanelStays) {
  test::TempDir dir;
  platform.folder = dir.path();
  test::WriteAll(dir.file("readme.txt"), "read me\r\n");
  bool aboutShownAfter = false;
  WithAboutPanel([&] {
    f.imgReadme.click();
    aboutShownAfter = f.frmAbout.visible;
  });
  ASSERT_EQ(platform.shellCalls.size(), 1u);
  EXPECT_EQ(platform.shellCalls[0].first, "notepad.exe");
  EXPECT_EQ(platform.shellCalls[0].second, dir.file("readme.txt"));  // the whole path, no quotes
  EXPECT_TRUE(aboutShownAfter);
  // Opening, the read-me click and the closing of the about panel.
  EXPECT_EQ(platform.beeps, 3);
  EXPECT_FALSE(editor.PanelDone);
}

TEST_F(ShellActionsTest, ReadmeMissingClosesTheAboutPanelWithANotice) {
  struct Case {
    LangIndex lang;
    std::string notice;
  };
  const Case cases[] = {
      {LangEnglish, "README.TXT not found. What did u do to it ?"},
      {LangGerman, "README.TXT nicht gefunden, was hast du damit angestellt ?"},
  };
  for (const Case& c : cases) {
    test::TempDir dir;  // empty: no read-me
    platform.folder = dir.path();
    platform.log.clear();
    state.Lang = c.lang;
    std::string shown;
    bool aboutHiddenUnderNotice = false;
    WithAboutPanel(
        [&] {
          then([&] {
            shown = f.lblError.caption;
            aboutHiddenUnderNotice = !f.frmAbout.visible && f.frmError.visible;
            f.cmdErrorOK.click();
          });
          f.imgReadme.click();
        },
        /*closeAfter=*/false);
    EXPECT_EQ(shown, c.notice);
    EXPECT_TRUE(aboutHiddenUnderNotice);
    EXPECT_TRUE(platform.shellCalls.empty());
    // The about panel's opening, the click and the notice; nothing after the OK.
    EXPECT_EQ(platform.log, (Log{"beep", "beep", "beep"}));
    EXPECT_FALSE(f.frmAbout.visible);
    EXPECT_FALSE(f.frmError.visible);
    EXPECT_FALSE(editor.AboutWaitPending());
    EXPECT_FALSE(editor.PanelDone);
    EXPECT_TRUE(f.cmdExport.enabled);
    EXPECT_TRUE(f.lstFav.enabled);
    EXPECT_TRUE(f.timAbout.enabled);
  }
}

TEST_F(ShellActionsTest, WebLinksOpenTheirAddressWithABeepAndTheAboutPanelStays) {
  const std::pair<Control*, std::string_view> cases[] = {
      {&f.lblCompany, CompanyUrl}, {&f.lblClan, ClanUrl}, {&f.lblPrivate, PrivateUrl}};
  for (const auto& [label, url] : cases) {
    platform.log.clear();
    bool aboutShownAfter = false;
    WithAboutPanel([&, label = label] {
      label->click();
      aboutShownAfter = f.frmAbout.visible;
    });
    EXPECT_EQ(platform.log, (Log{"beep", "beep", "shell " + std::string(url) + "|", "beep"}));
    EXPECT_TRUE(aboutShownAfter);
  }
}

TEST_F(ShellActionsTest, EndingDraggingAndTheSystemsCloseRequest) {
  struct Case {
    const char* name;
    std::function<void()> act;
    bool quits;
    Log log;
  };
  const Case cases[] = {
      {"close icon", [this] { f.imgEnd.click(); }, true, {"quit"}},
      {"system close request", [this] { f.onCloseRequest(); }, true, {"beep", "quit"}},
      {"press on the background", [this] { f.onBackgroundPress(); }, false, {"drag"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    platform.log.clear();
    // While a notice is up the window is locked, and these still work.
    editor.LockControls();
    if (c.quits) {
      EXPECT_THROW(c.act(), QuitCalled);
    } else {
      c.act();
    }
    EXPECT_EQ(platform.log, c.log);
  }
}

}  // namespace
}  // namespace ks::ui
