#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/language.h"
#include "model/messages.h"
#include "model/rules.h"
#include "support/fake_platform.h"
#include "ui/editor.h"

namespace ks::ui {
namespace {

using test::FakePlatform;

FavRecord Fav(ArmorKind armor, std::array<WeaponCode, 5> weapons, PackCode pack = 0) {
  FavRecord f;
  f.Armor = armor;
  f.Name = "Test";
  f.Weapon = weapons;
  f.Pack = pack;
  f.Gren = 1;
  return f;
}

// An editor whose favourite 0 has been selected, with the design's picture size and 15 twips per
// pixel, as start-up leaves it.
class PaletteTest : public ::testing::Test {
 protected:
  void Start(const FavRecord& fav) {
    state.Favs[0] = fav;
    editor.PalettePicWidth = 1830;
    editor.PalettePicHeight = 1200;
    editor.TwipsPerPixelX = 15;
    editor.TwipsPerPixelY = 15;
    editor.FavListClear();
    for (int i = 0; i < FavCount; ++i) editor.FavListAppend(FavListEntry(state.Favs, i));
    editor.FavListSelect(0);
    ASSERT_TRUE(editor.FavSelected);
  }
  // Answers the next notice with OK and remembers its text.
  void ExpectNotice() {
    platform.actions.push_back([this] {
      notices.push_back(form().lblError.caption);
      form().cmdErrorOK.click();
    });
  }
  MainForm& form() { return editor.form(); }
  int visibleDrops() {
    int n = 0;
    for (int k = 0; k < DropPictureCount; ++k) n += form().picDrop(k).visible ? 1 : 0;
    return n;
  }

  AppState state;
  FakePlatform platform;
  Editor editor{state, platform};
  std::vector<std::string> notices;
};

struct Spot {
  double left, top;
};
struct Box {
  double left, top, width, height;
};

TEST_F(PaletteTest, PalettesOpenAroundTheClickedPicture) {
  const FavRecord empty = Fav(ArmorJuggernaut, {0, 0, 0, 0, 0});
  Start(empty);
  const std::vector<double> columns{7125, 5295, 3465, 1635};
  auto grid = [&](std::vector<double> rows) {
    std::vector<Spot> spots;
    for (int k = 0; k < DropPictureCount; ++k) spots.push_back({columns[k % 4], rows[k / 4]});
    return spots;
  };
  struct Case {
    const char* name;
    int weaponSlot;  // -1 = armour palette
    std::vector<Spot> pictures;
    Box panel;
  };
  const Case cases[] = {
      {"armour", -1, {{1950, 2700}, {3780, 2700}, {5610, 2700}}, {1830, 2580, 5715, 1425}},
      {"slot 0", 0, grid({960, 2160, 3360}), {1515, 840, 7545, 3825}},
      {"slot 1", 1, grid({2220, 3420, 4620}), {1515, 2100, 7545, 3825}},
      {"slot 2", 2, grid({3480, 4680, 5880}), {1515, 3360, 7545, 3825}},
      {"slot 3", 3, grid({3480, 4680, 5880}), {1515, 3360, 7545, 3825}},
      {"slot 4", 4, grid({3480, 4680, 5880}), {1515, 3360, 7545, 3825}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.weaponSlot < 0) {
      form().picArmor.click();
      EXPECT_EQ(editor.PaletteKind, 1);
    } else {
      form().picWeapon(c.weaponSlot).click();
      EXPECT_EQ(editor.PaletteKind, 2);
      EXPECT_EQ(editor.PaletteSlot, c.weaponSlot);
    }
    ASSERT_EQ(visibleDrops(), static_cast<int>(c.pictures.size()));
    for (std::size_t k = 0; k < c.pictures.size(); ++k) {
      const Control& pic = form().picDrop(static_cast<int>(k));
      EXPECT_EQ(pic.left, c.pictures[k].left) << "picDrop(" << k << ")";
      EXPECT_EQ(pic.top, c.pictures[k].top) << "picDrop(" << k << ")";
      EXPECT_GT(pic.z, form().shpDrop.z);
    }
    const Control& panel = form().shpDrop;
    EXPECT_TRUE(panel.visible);
    EXPECT_EQ(panel.left, c.panel.left);
    EXPECT_EQ(panel.top, c.panel.top);
    EXPECT_EQ(panel.width, c.panel.width);
    EXPECT_EQ(panel.height, c.panel.height);
    EXPECT_LE(panel.top + panel.height, form().height);
    // Close again with a pick that no rule refuses, and start the next case afresh.
    form().picDrop(c.weaponSlot < 0 ? 2 : 0).click();
    state.Favs[0] = empty;
    editor.ShowFav();
  }
}

TEST_F(PaletteTest, PalettesShowTheItemsWithTheirNamesInTheCurrentLanguage) {
  Start(Fav(ArmorJuggernaut, {0, 0, 0, 0, 0}));
  const Pic armours[] = {Pic::Light, Pic::Medium, Pic::Heavy};
  const Pic weapons[] = {Pic::Blaster, Pic::Chaingun, Pic::Spinfusor, Pic::Plasma,     Pic::Grenade,
                         Pic::Missile, Pic::Fusion,   Pic::Elf,       Pic::Shocklance, Pic::Laser};
  for (LangIndex lang : {LangEnglish, LangGerman}) {
    state.Lang = lang;
    form().picArmor.click();
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(form().picDrop(k).picture, armours[k]);
      EXPECT_EQ(form().picDrop(k).tooltip, lang::Pick(lang::ArmourPaletteTooltip(k), lang));
    }
    form().picDrop(2).click();
    form().picWeapon(1).click();
    for (int k = 0; k < DropPictureCount; ++k) {
      EXPECT_EQ(form().picDrop(k).picture, weapons[k]);
      EXPECT_EQ(form().picDrop(k).tooltip, lang::Pick(lang::WeaponPaletteTooltip(k), lang));
    }
    form().picDrop(0).click();
  }
  EXPECT_EQ(form().picDrop(9).tooltip, "[ SCHARFSCHÜTZENGEWEHR ]");
}

TEST_F(PaletteTest, PalettesRefuseToOpenBeforeAFavouriteIsSelected) {
  for (LangIndex lang : {LangEnglish, LangGerman}) {
    state.Lang = lang;
    for (int i = -1; i < WeaponPictureCount; ++i) {
      ExpectNotice();
      if (i < 0) {
        editor.picArmor_Click();
      } else {
        editor.picWeapon_Click(i);
      }
      EXPECT_EQ(editor.PaletteKind, 0);
      EXPECT_EQ(visibleDrops(), 0);
    }
  }
  ASSERT_EQ(notices.size(), 12u);
  EXPECT_EQ(notices.front(), "Select a favourite first!");
  EXPECT_EQ(notices.back(), "Wähle erst einen Favoriten aus!");
}

TEST_F(PaletteTest, ArmourPickResetsTheLoadoutEvenForTheSameArmour) {
  for (ArmorKind picked : {ArmorScout, ArmorAssault, ArmorJuggernaut}) {
    SCOPED_TRACE(picked);
    const FavRecord before = Fav(ArmorJuggernaut, {1, 2, 3, 4, 6}, 3);
    Start(before);
    form().picArmor.click();
    EXPECT_FALSE(form().picWeapon(0).enabled);
    EXPECT_FALSE(form().lstFav.enabled);
    EXPECT_TRUE(form().txtName.enabled);  // the armour palette leaves the name and the commands usable
    form().picDrop(picked - 1).click();

    FavRecord expected = before;
    ResetForArmor(expected, picked);
    TrimWeaponSlots(expected);
    EXPECT_EQ(state.Favs[0], expected);
    EXPECT_NE(state.Favs[0], before);
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_EQ(visibleDrops(), 0);
    EXPECT_FALSE(form().shpDrop.visible);
    EXPECT_TRUE(form().lstFav.enabled);
    EXPECT_EQ(form().picWeapon(4).enabled, picked == ArmorJuggernaut);
  }
}

TEST_F(PaletteTest, WeaponPickGoesThroughTheCarryingRules) {
  struct Case {
    const char* name;
    FavRecord fav;
    int slot, k;
    std::optional<Msg> notice;
    WeaponCode stored;  // in Weapon[slot] afterwards
    PackCode pack;
  };
  const Case cases[] = {
      {"accepted", Fav(ArmorAssault, {1, 0, 0, 0, NoSlot}), 1, 1, std::nullopt, 2, 0},
      {"the weapon the slot already shows", Fav(ArmorAssault, {1, 2, 3, 0, NoSlot}), 2, 2, Msg::M1, 3, 0},
      {"carried in another slot", Fav(ArmorAssault, {1, 2, 3, 0, NoSlot}), 3, 0, Msg::M1, 0, 0},
      {"sniper rifle brings the energy pack", Fav(ArmorScout, {1, 0, 0, NoSlot, NoSlot}, 1), 1, 9, Msg::M2,
       10, EnergyPack},
      {"refused for the armour", Fav(ArmorScout, {1, 0, 0, NoSlot, NoSlot}, 1), 2, 6, Msg::M3, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(c.fav);
    notices.clear();
    form().picWeapon(c.slot).click();
    EXPECT_FALSE(form().cmdExport.enabled);  // the weapon palette locks the window
    if (c.notice) ExpectNotice();
    const Pic shownBefore = form().picWeapon(c.slot).picture;
    form().picDrop(c.k).click();

    EXPECT_EQ(state.Favs[0].Weapon[static_cast<std::size_t>(c.slot)], c.stored);
    EXPECT_EQ(state.Favs[0].Pack, c.pack);
    if (c.notice) {
      ASSERT_EQ(notices.size(), 1u);
      EXPECT_EQ(notices[0], Text(*c.notice, LangEnglish));
    } else {
      EXPECT_TRUE(notices.empty());
    }
    if (c.stored == c.fav.Weapon[static_cast<std::size_t>(c.slot)]) {
      EXPECT_EQ(form().picWeapon(c.slot).picture, shownBefore);
      // After the notice every weapon picture can be clicked again, the armour's missing slots too.
      for (int i = 0; i < WeaponPictureCount; ++i) EXPECT_TRUE(form().picWeapon(i).enabled) << i;
    }
    EXPECT_EQ(visibleDrops(), 0);
    EXPECT_FALSE(form().shpDrop.visible);
    EXPECT_TRUE(form().cmdExport.enabled);
  }
}

TEST_F(PaletteTest, ScoutSlotFourIsOpenOnlyUntilTheNextShowAndItsPickIsDropped) {
  Start(Fav(ArmorScout, {1, 2, 3, NoSlot, NoSlot}));
  EXPECT_FALSE(form().picWeapon(3).enabled);
  form().picWeapon(3).click();  // disabled: nothing opens
  EXPECT_EQ(editor.PaletteKind, 0);

  ExpectNotice();
  editor.ShowNotice("any notice");
  ASSERT_TRUE(form().picWeapon(3).enabled);
  form().picWeapon(3).click();
  ASSERT_EQ(editor.PaletteSlot, 3);
  form().picDrop(3).click();  // plasma rifle, accepted, then trimmed away by the view
  EXPECT_EQ(state.Favs[0].Weapon, (std::array<WeaponCode, 5>{1, 2, 3, NoSlot, NoSlot}));
  EXPECT_EQ(form().picWeapon(3).picture, Pic::No);
  EXPECT_FALSE(form().picWeapon(3).enabled);
  EXPECT_EQ(notices.size(), 1u);
}

TEST_F(PaletteTest, PalettePicturesStayUntilAPickWhenThePanelIsHidden) {
  Start(Fav(ArmorJuggernaut, {1, 2, 3, 4, 5}));
  // Typing a name while the armour palette is open redraws the view, which hides only the panel.
  form().picArmor.click();
  form().txtName.setText("Renamed");
  EXPECT_FALSE(form().shpDrop.visible);
  EXPECT_EQ(visibleDrops(), 3);
  EXPECT_EQ(editor.PaletteKind, 1);
  form().picDrop(0).click();
  EXPECT_EQ(state.Favs[0].Armor, ArmorScout);
  EXPECT_EQ(state.Favs[0].Name, "Renamed");

  // The about panel over the weapon palette: its closing unlocks the window, the pictures stay.
  form().picWeapon(2).click();
  platform.actions.push_back([this] { form().cmdAboutDone.click(); });
  form().imgAbout.click();
  EXPECT_FALSE(form().shpDrop.visible);
  EXPECT_EQ(visibleDrops(), 10);
  EXPECT_EQ(editor.PaletteKind, 2);

  // The armour palette opened now hides the weapons left over; none of them can be read as an armour.
  form().picArmor.click();
  EXPECT_EQ(visibleDrops(), 3);
  form().picDrop(1).click();
  EXPECT_EQ(state.Favs[0].Armor, ArmorAssault);
}

TEST_F(PaletteTest, LanguageSwitchPutsTheGeneralTooltipBackOnAllTenPictures) {
  Start(Fav(ArmorJuggernaut, {0, 0, 0, 0, 0}));
  form().picWeapon(0).click();
  form().picDrop(0).click();
  ASSERT_EQ(form().picDrop(5).tooltip, "[ MISSILE LAUNCHER ]");

  state.Lang = LangGerman;
  editor.ApplyLanguage();
  for (int k = 0; k < DropPictureCount; ++k)
    EXPECT_EQ(form().picDrop(k).tooltip, "Klicken zum auswählen") << k;
  form().picArmor.click();
  EXPECT_EQ(form().picDrop(0).tooltip, "[ FLITZER RÜSTUNG ]");
  EXPECT_EQ(form().picDrop(3).tooltip, "Klicken zum auswählen");
}

}  // namespace
}  // namespace ks::ui
