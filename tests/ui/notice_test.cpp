#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "editor_fixture.h"

namespace ks::ui {
namespace {

using test::EditorFixture;

// In front of every other control of the window (frames' children stack among themselves).
bool InFrontOfAll(const MainForm& f, const Control& panel) {
  for (const Control* c : f.controls()) {
    if (c != &panel && !c->parent && c->z >= panel.z) return false;
  }
  return true;
}

TEST_F(EditorFixture, NoticeBeforeTheWindowIsShownShowsItLockedWithThePanelOnTop) {
  ASSERT_FALSE(f.shown);
  bool checked = false;
  then([&] {
    EXPECT_TRUE(f.shown);
    EXPECT_FALSE(f.lstFav.enabled);
    EXPECT_FALSE(f.timAbout.enabled);
    EXPECT_TRUE(f.frmError.visible && f.frmError2.visible);
    EXPECT_TRUE(InFrontOfAll(f, f.frmError));
    EXPECT_GT(f.frmError2.z, f.frmAbout.z);
    EXPECT_TRUE(f.cmdErrorOK.isLive());
    EXPECT_EQ(f.lblError.caption, "first start");
    EXPECT_EQ(platform.beeps, 1);
    checked = true;
    f.cmdErrorOK.click();
  });
  editor.ShowNotice("first start");
  EXPECT_TRUE(checked);
  EXPECT_FALSE(f.frmError.visible || f.frmError2.visible);
  EXPECT_FALSE(editor.PanelDone);
  EXPECT_TRUE(f.lstFav.enabled);
  EXPECT_EQ(platform.waits, 1);  // one blocking wait, no polling of the event pump
  EXPECT_EQ(platform.count("pump"), 0);
}

TEST_F(EditorFixture, TwoNoticesInARowEachWaitForTheirOwnOk) {
  editor.PanelDone = true;  // a stale flag must not end a notice
  int okPresses = 0;
  for (int i = 0; i < 2; ++i) {
    then([] {});  // an unrelated event first: the notice keeps waiting
    then([&] {
      ++okPresses;
      f.cmdErrorOK.click();
    });
  }
  editor.ShowNotice("one");
  EXPECT_EQ(okPresses, 1);
  editor.ShowNotice("two");
  EXPECT_EQ(okPresses, 2);
  EXPECT_EQ(f.lblError.caption, "two");
  EXPECT_EQ(platform.beeps, 2);
  EXPECT_TRUE(platform.actions.empty());
}

TEST_F(EditorFixture, NoticeHeadingFollowsTheLanguage) {
  for (auto [lang, heading] : {std::pair{LangGerman, "[ HINWEIS ]"}, std::pair{LangEnglish, "[ NOTICE ]"}}) {
    state.Lang = lang;
    editor.ApplyLanguage();
    thenPressOk();
    editor.ShowNotice("text");
    EXPECT_EQ(f.lblError2.caption, heading);
    EXPECT_EQ(f.cmdErrorOK.caption, "OK ?");
  }
}

TEST_F(EditorFixture, AfterANoticeEveryWeaponPictureIsEnabledAndTheBlinkRuns) {
  fav(0).Armor = ArmorScout;
  f.lstFav.select(0);
  ASSERT_FALSE(f.picWeapon(4).enabled);
  editor.LockControls();  // an operation that had locked the window before its notice
  thenPressOk();
  editor.ShowNotice("done");
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(f.picWeapon(i).enabled) << i;
  EXPECT_TRUE(f.timAbout.enabled);
  EXPECT_TRUE(f.cmdExport.enabled);
}

TEST_F(EditorFixture, AboutIconDoesNothingBeforeAFavouriteIsSelected) {
  f.imgAbout.click();
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_FALSE(f.frmAbout.visible);
  EXPECT_EQ(platform.waits, 0);
}

TEST_F(EditorFixture, SecondAboutClickBeepsAndOneDonePressClosesIt) {
  f.lstFav.select(0);
  then([&] {
    EXPECT_TRUE(f.frmAbout.visible);
    EXPECT_FALSE(f.lstFav.enabled);
    f.imgAbout.click();
  });
  then([&] {
    EXPECT_TRUE(f.frmAbout.visible);
    EXPECT_EQ(platform.beeps, 2);
    f.cmdAboutDone.click();
  });
  f.imgAbout.click();
  EXPECT_FALSE(f.frmAbout.visible);
  EXPECT_EQ(platform.beeps, 3);
  EXPECT_TRUE(f.lstFav.enabled);
  EXPECT_FALSE(editor.PanelDone);
  EXPECT_FALSE(editor.AboutWaitPending());
  EXPECT_TRUE(platform.actions.empty());
}

TEST_F(EditorFixture, BlinkAlternatesAndFreezesWhileLocked) {
  f.lstFav.select(0);
  f.timAbout.tick();
  EXPECT_EQ(f.imgAbout.picture, Pic::AboutOn);
  f.timAbout.tick();
  EXPECT_EQ(f.imgAbout.picture, Pic::AboutOff);
  f.timAbout.tick();
  editor.LockControls();
  f.timAbout.tick();
  EXPECT_EQ(f.imgAbout.picture, Pic::AboutOn);
  EXPECT_EQ(editor.BlinkState, 1);
  editor.UnlockControls();
  f.timAbout.tick();
  EXPECT_EQ(f.imgAbout.picture, Pic::AboutOff);
}

// The about icon stays usable during a notice, so both waits can be pending at once.
TEST_F(EditorFixture, NoticeOkDuringTheAboutPanelEndsOnlyTheNotice) {
  f.lstFav.select(0);
  bool noticeReturned = false;
  then([&] { f.imgAbout.click(); });
  then([&] {
    f.cmdErrorOK.click();
    EXPECT_FALSE(f.frmError.visible);
  });
  then([&] {
    EXPECT_TRUE(f.frmAbout.visible);  // the OK did not close the about panel
    EXPECT_FALSE(noticeReturned);
    f.cmdAboutDone.click();
  });
  editor.ShowNotice("notice");
  noticeReturned = true;
  EXPECT_FALSE(f.frmAbout.visible);
  EXPECT_TRUE(f.lstFav.enabled);
  EXPECT_EQ(platform.beeps, 3);  // notice, about opened, about closed
  EXPECT_TRUE(platform.actions.empty());
}

TEST_F(EditorFixture, AboutClosedFirstLeavesTheNoticeWaitingAndLocked) {
  f.lstFav.select(0);
  then([&] { f.imgAbout.click(); });
  then([&] { f.cmdAboutDone.click(); });
  then([&] {
    EXPECT_FALSE(f.frmAbout.visible);
    EXPECT_TRUE(f.frmError.visible);
    EXPECT_FALSE(f.lstFav.enabled);  // the notice still holds the window
    f.cmdErrorOK.click();
  });
  editor.ShowNotice("notice");
  EXPECT_TRUE(f.lstFav.enabled);
  EXPECT_TRUE(platform.actions.empty());
}

TEST_F(EditorFixture, NoticeDuringTheAboutPanelLeavesItOpen) {
  f.lstFav.select(0);
  then([&] {
    thenPressOk();
    editor.ShowNotice("inner");
  });
  then([&] {
    EXPECT_TRUE(f.frmAbout.visible);
    EXPECT_TRUE(editor.AboutWaitPending());
    EXPECT_FALSE(f.lstFav.enabled);  // the about panel still holds the window
    f.cmdAboutDone.click();
  });
  f.imgAbout.click();
  EXPECT_FALSE(f.frmAbout.visible);
  EXPECT_EQ(platform.beeps, 3);
  EXPECT_TRUE(platform.actions.empty());
}

TEST_F(EditorFixture, SilentEndOfTheAboutWaitAfterANoticeInsteadOfThePanel) {
  f.lstFav.select(0);
  then([&] {
    f.frmAbout.visible = false;
    thenPressOk();
    editor.ShowNotice("read-me missing");
    editor.EndAboutWaitSilently();
  });
  f.imgAbout.click();
  EXPECT_FALSE(f.frmAbout.visible);
  EXPECT_FALSE(editor.AboutWaitPending());
  EXPECT_FALSE(editor.PanelDone);
  EXPECT_TRUE(f.lstFav.enabled);
  EXPECT_EQ(platform.beeps, 2);  // the click and the notice; no closing beep
}

TEST_F(EditorFixture, AboutReopenedDuringTheReadmeNoticeStaysOpen) {
  f.lstFav.select(0);
  then([&] {
    editor.EndAboutWaitSilently();
    editor.ShowNotice("read-me missing");
  });
  then([&] { f.imgAbout.click(); });  // during the notice
  thenPressOk();
  then([&] {
    EXPECT_TRUE(f.frmAbout.visible);
    f.cmdAboutDone.click();
  });
  f.imgAbout.click();
  EXPECT_FALSE(f.frmAbout.visible);
  EXPECT_EQ(platform.beeps, 4);  // opened, notice, opened again, closed
  EXPECT_TRUE(platform.actions.empty());
}

TEST_F(EditorFixture, AnUnansweredNoticeComesBackAfterANestedOne) {
  f.lstFav.select(0);
  then([&] { f.imgAbout.click(); });
  then([&] {
    thenPressOk();
    editor.ShowNotice("inner");
    EXPECT_TRUE(f.frmError.visible);
    EXPECT_EQ(f.lblError.caption, "outer");
    EXPECT_FALSE(f.lstFav.enabled);
  });
  then([&] { f.cmdErrorOK.click(); });
  then([&] { f.cmdAboutDone.click(); });
  editor.ShowNotice("outer");
  EXPECT_FALSE(f.frmError.visible || f.frmAbout.visible);
  EXPECT_TRUE(f.lstFav.enabled);
  EXPECT_TRUE(platform.actions.empty());
}

}  // namespace
}  // namespace ks::ui
