#include "ui/editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>

#include "app/language.h"
#include "editor_fixture.h"
#include "model/rules.h"

namespace ks::ui {
namespace {

using test::EditorFixture;
using Weapons = std::array<WeaponCode, MaxWeaponSlots>;

TEST(MainFormTest, EveryControlHasAUniqueNameAndFramesComeFirst) {
  AppState state;
  test::FakePlatform platform;
  Editor editor(state, platform);
  const MainForm& f = editor.form();
  std::set<std::string> names;
  for (std::size_t i = 0; i < f.controls().size(); ++i) {
    const Control* c = f.controls()[i];
    EXPECT_TRUE(names.insert(c->name()).second) << c->name();
    if (c->parent) {
      auto parentAt = std::find(f.controls().begin(), f.controls().end(), c->parent) - f.controls().begin();
      EXPECT_LT(static_cast<std::size_t>(parentAt), i) << c->name();
    }
  }
  EXPECT_NE(f.find("picWeapon(4)"), nullptr);
  EXPECT_NE(f.find("picDrop(9)"), nullptr);
  EXPECT_EQ(f.width, 9945);
  EXPECT_EQ(f.height, 7305);
  // Both panels lie above the editor's controls, the notice above the about panel.
  EXPECT_GT(f.frmAbout.z, f.picWeapon(4).z);
  EXPECT_GT(f.frmError.z, f.frmError2.z);
  EXPECT_GT(f.frmError2.z, f.frmAbout.z);
}

TEST(MainFormTest, DesignCaptionsAreTheLanguageTablesOnes) {
  MainForm f;
  ASSERT_FALSE(lang::DesignCaptions().empty());
  for (const lang::DesignText& t : lang::DesignCaptions()) {
    const Control* c = f.find(std::string(t.control));
    ASSERT_NE(c, nullptr) << t.control;
    EXPECT_EQ(c->caption, t.caption) << t.control;
  }
  EXPECT_TRUE(f.cmbPack.items.empty() && f.cmbGren.items.empty());
}

struct ArmourCase {
  const char* what;
  ArmorKind armor;
  Weapons weaponsAfter;
  std::array<Pic, 5> pictures;
  std::array<bool, 5> enabled;
  const char* label;
  Pic armourPicture;
};

class ShowFavArmour : public EditorFixture, public ::testing::WithParamInterface<ArmourCase> {};

TEST_P(ShowFavArmour, TrimsSlotsAndShowsPictures) {
  const ArmourCase& c = GetParam();
  fav(3).Armor = c.armor;
  fav(3).Weapon = {1, 2, 3, 4, 5};
  f.lstFav.select(3);

  EXPECT_EQ(fav(3).Weapon, c.weaponsAfter);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(f.picWeapon(i).picture, c.pictures[static_cast<std::size_t>(i)]) << "slot " << i;
    EXPECT_EQ(f.picWeapon(i).enabled, c.enabled[static_cast<std::size_t>(i)]) << "slot " << i;
  }
  EXPECT_EQ(f.lblArmour.caption, c.label);
  EXPECT_EQ(f.picArmor.picture, c.armourPicture);
  EXPECT_EQ(platform.beeps, 0);
}

constexpr Pic B = Pic::Blaster, C = Pic::Chaingun, S = Pic::Spinfusor, P = Pic::Plasma, G = Pic::Grenade,
              N = Pic::No;

INSTANTIATE_TEST_SUITE_P(
    Armours, ShowFavArmour,
    ::testing::Values(
        ArmourCase{"none", 0, {99, 99, 99, 99, 99}, {N, N, N, N, N}, {1, 1, 1, 1, 1}, "-none-", Pic::Empty},
        ArmourCase{"scout", 1, {1, 2, 3, 99, 99}, {B, C, S, N, N}, {1, 1, 1, 0, 0}, "SCOUT", Pic::Light},
        ArmourCase{"assault", 2, {1, 2, 3, 4, 99}, {B, C, S, P, N}, {1, 1, 1, 1, 0}, "ASSAULT", Pic::Medium},
        ArmourCase{
            "juggernaut", 3, {1, 2, 3, 4, 5}, {B, C, S, P, G}, {1, 1, 1, 1, 1}, "JUGGERNAUT", Pic::Heavy},
        ArmourCase{"missing", 99, {1, 2, 3, 4, 5}, {B, C, S, P, G}, {1, 1, 1, 1, 1}, "-none-", Pic::No},
        // An armour code the tool does not know leaves the label and the armour picture alone.
        ArmourCase{"unknown", 7, {1, 2, 3, 4, 5}, {B, C, S, P, G}, {1, 1, 1, 1, 1}, "", Pic::No}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(EditorFixture, ShowFavDrawsWeaponCodesAndKeepsUnknownPictures) {
  fav(0).Armor = ArmorJuggernaut;
  fav(0).Weapon = {0, 9, 99, 6, 42};
  f.picWeapon(4).picture = Pic::Elf;
  f.lstFav.select(0);
  const std::array<Pic, 5> expected{Pic::Empty, Pic::Shocklance, Pic::No, Pic::Missile, Pic::Elf};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(f.picWeapon(i).picture, expected[static_cast<std::size_t>(i)]);
}

struct PackCase {
  PackCode pack;
  Pic picture;
  bool visible;
};

class ShowFavPack : public EditorFixture, public ::testing::WithParamInterface<PackCase> {};

TEST_P(ShowFavPack, ShowsThePackPicture) {
  fav(0).Armor = ArmorJuggernaut;
  fav(0).Pack = GetParam().pack;
  fav(0).Gren = 4;
  f.lstFav.select(0);
  EXPECT_EQ(f.picPack.visible, GetParam().visible);
  if (GetParam().visible) {
    EXPECT_EQ(f.picPack.picture, GetParam().picture);
  }
  EXPECT_EQ(f.cmbPack.shownIndex(), GetParam().pack);
  EXPECT_EQ(f.cmbGren.shownIndex(), 4);
  EXPECT_EQ(platform.beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(Packs, ShowFavPack,
                         ::testing::Values(PackCase{0, Pic::None, false}, PackCase{1, Pic::Ammopack, true},
                                           PackCase{3, Pic::Repairpack, true},
                                           PackCase{6, Pic::Sensorjammerpack, true},
                                           PackCase{8, Pic::Deploypack, true},
                                           PackCase{12, Pic::Deploypack, true},
                                           PackCase{17, Pic::Deploypack, true}));

TEST_F(EditorFixture, PackNoticeComesOnlyWhenTheShownPackChanges) {
  for (int i : {0, 1}) {
    fav(i).Armor = ArmorAssault;
    fav(i).Pack = 5;
  }
  fav(2).Armor = ArmorAssault;

  thenPressOk();
  f.lstFav.select(0);  // the pack list showed nothing before: the cloak notice
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(f.lblError.caption, english(Msg::M6));

  f.lstFav.select(1);  // same pack on show: no notice
  EXPECT_EQ(platform.beeps, 1);

  f.lstFav.select(2);
  thenPressOk();
  f.lstFav.select(1);  // from another pack: the notice again
  EXPECT_EQ(platform.beeps, 2);
  EXPECT_EQ(f.lblError.caption, english(Msg::M6));
  EXPECT_EQ(fav(1).Pack, 5);  // a warning keeps the pack
  EXPECT_TRUE(platform.actions.empty());
}

TEST_F(EditorFixture, ScoutWithLaserRifleGetsTheEnergyPackWhenShown) {
  fav(6).Armor = ArmorScout;
  fav(6).Weapon = {1, LaserRifle, 0, 0, 0};
  thenPressOk();
  f.lstFav.select(6);
  EXPECT_EQ(f.lblError.caption, english(Msg::M2));
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(fav(6).Pack, EnergyPack);
  EXPECT_EQ(f.cmbPack.shownIndex(), EnergyPack);
  EXPECT_TRUE(f.picPack.visible);
  EXPECT_EQ(f.picPack.picture, Pic::Energy);
}

TEST_F(EditorFixture, PickingFromTheListsStoresAndAppliesThePackRules) {
  fav(0).Armor = ArmorScout;
  f.lstFav.select(0);
  f.cmbGren.select(3);
  EXPECT_EQ(fav(0).Gren, 3);
  f.cmbPack.select(4);
  EXPECT_EQ(fav(0).Pack, 4);
  EXPECT_EQ(f.picPack.picture, Pic::Shieldpack);

  thenPressOk();
  f.cmbPack.select(8);  // a Scout cannot carry the inventory station: warned, kept, not drawn
  EXPECT_EQ(f.lblError.caption, english(Msg::M8));
  EXPECT_EQ(fav(0).Pack, 8);
  EXPECT_EQ(f.picPack.picture, Pic::Shieldpack);
}

TEST_F(EditorFixture, TypingUpdatesTheEntryAndKeepsTheSelection) {
  fav(4).Name = "a name longer than eighteen";
  f.lstFav.select(4);
  EXPECT_EQ(f.txtName.text(), "a name longer than eighteen");  // the limit is for typing only
  EXPECT_EQ(f.txtName.maxTypedLength, 18);

  for (std::string typed : {"B", "Bo", "Bob"}) {
    f.txtName.setText(typed);
    EXPECT_EQ(fav(4).Name, typed);
    EXPECT_EQ(f.lstFav.items[4], "05 : " + typed);
    EXPECT_EQ(f.lstFav.value(), 4);
    EXPECT_EQ(state.CurrentFav, 4);
  }
  EXPECT_EQ(f.lstFav.items.size(), 20u);
  EXPECT_EQ(f.lstFav.items[11], "12 : ");
}

TEST_F(EditorFixture, NothingChangesBeforeTheFirstFavouriteIsSelected) {
  fav(0) = FavRecord{ArmorJuggernaut, "Zed", 3, 2, {1, 2, 3, 4, 5}, {}};
  const auto entries = f.lstFav.items;
  editor.ShowFav();
  editor.RefreshFavList();
  EXPECT_FALSE(editor.FavSelected);
  EXPECT_EQ(f.lstFav.items, entries);
  EXPECT_EQ(f.lstFav.value(), -1);
  EXPECT_EQ(f.txtName.text(), "");
  EXPECT_EQ(f.lblArmour.caption, "");
  EXPECT_EQ(f.picArmor.picture, Pic::No);
  EXPECT_EQ(f.picWeapon(0).picture, Pic::No);
  EXPECT_EQ(f.cmbPack.value(), -1);
  EXPECT_FALSE(f.picPack.visible);
  EXPECT_FALSE(f.imgAbout.enabled);
  EXPECT_EQ(fav(0).Weapon, (Weapons{1, 2, 3, 4, 5}));

  // A notice unlocks the editing controls even now; what the user then picks or types must not
  // land in favourite 0, which nobody has chosen.
  thenPressOk();
  editor.ShowNotice("any");
  f.cmbPack.select(8);
  f.cmbGren.select(4);
  f.txtName.setText("typed");
  EXPECT_EQ(fav(0).Pack, 3);
  EXPECT_EQ(fav(0).Gren, 2);
  EXPECT_EQ(fav(0).Name, "Zed");
  EXPECT_EQ(f.lstFav.items, entries);
}

struct DamagedCase {
  ArmorKind armor;
  PackCode pack;
  GrenCode gren;
  bool notice;
};

class ShowFavDamaged : public EditorFixture, public ::testing::WithParamInterface<DamagedCase> {};

// A favourite from a damaged preset or exchange file may hold codes outside the lists.
TEST_P(ShowFavDamaged, CodesOutsideTheListsShowNoSelectionAndStay) {
  const DamagedCase& c = GetParam();
  fav(2).Armor = c.armor;
  fav(2).Pack = c.pack;
  fav(2).Gren = c.gren;
  if (c.notice) thenPressOk();
  f.lstFav.select(2);
  EXPECT_EQ(f.cmbPack.shownIndex(), -1);
  EXPECT_EQ(f.cmbGren.shownIndex(), -1);
  EXPECT_EQ(fav(2).Pack, c.pack);
  EXPECT_EQ(fav(2).Gren, c.gren);
  EXPECT_EQ(platform.beeps, c.notice ? 1 : 0);  // the pack rules still run
  EXPECT_TRUE(platform.actions.empty());
}

INSTANTIATE_TEST_SUITE_P(Codes, ShowFavDamaged,
                         ::testing::Values(DamagedCase{ArmorJuggernaut, 40, 9, false},
                                           DamagedCase{ArmorScout, 40, -3, true},
                                           DamagedCase{ArmorAssault, -1, 6, false}));

TEST_F(EditorFixture, OneShowFavRaisesEachHandlerAtMostOnce) {
  f.lstFav.select(0);
  fav(0) = FavRecord{ArmorJuggernaut, "Zed", 3, 2, {1, 2, 3, 4, 5}, {}};

  int list = 0, name = 0, gren = 0, pack = 0;
  auto count = [](int& n, std::function<void()> inner) {
    return [&n, inner = std::move(inner)] {
      ++n;
      inner();
    };
  };
  f.lstFav.onSelect = count(list, f.lstFav.onSelect);
  f.txtName.onChange = count(name, f.txtName.onChange);
  f.cmbGren.onSelect = count(gren, f.cmbGren.onSelect);
  f.cmbPack.onSelect = count(pack, f.cmbPack.onSelect);

  editor.ShowFav();
  EXPECT_EQ(name, 1);
  EXPECT_EQ(list, 1);
  EXPECT_EQ(gren, 1);
  EXPECT_EQ(pack, 1);
  EXPECT_EQ(f.lstFav.items[0], "01 : Zed");
  EXPECT_EQ(f.cmbPack.shownIndex(), 3);
  EXPECT_EQ(f.cmbGren.shownIndex(), 2);

  editor.ShowFav();  // everything already shows the favourite
  EXPECT_EQ(name + list + gren + pack, 4);
}

TEST_F(EditorFixture, ListClickMakesTheFavouriteCurrentAndTheWindowLive) {
  editor.LockControls();
  editor.FavListSelect(7);
  EXPECT_EQ(state.CurrentFav, 7);
  EXPECT_TRUE(editor.FavSelected);
  EXPECT_TRUE(f.imgAbout.enabled);
  EXPECT_TRUE(f.cmdExport.enabled);
  EXPECT_TRUE(f.timAbout.enabled);
  // A selection taken away names no favourite: the current one stays.
  editor.FavListSelect(-1);
  EXPECT_EQ(state.CurrentFav, 7);
}

TEST_F(EditorFixture, LockAndUnlockSwitchTheEditingControls) {
  f.lstFav.select(0);
  f.shpDrop.visible = true;
  editor.LockControls();
  for (const Control* c : f.controls()) {
    const bool untouched = c == &f.imgAbout || c == &f.imgEnd || c->parent || c->kind() == Kind::Label ||
                           c == &f.frmAbout || c == &f.frmError || c == &f.frmError2 || c == &f.picPack ||
                           c->name().starts_with("picDrop");
    if (!untouched) {
      EXPECT_FALSE(c->enabled && c->visible) << c->name();
    }
  }
  EXPECT_TRUE(f.imgAbout.enabled);
  EXPECT_TRUE(f.imgEnd.enabled);
  editor.UnlockControls();
  for (const Control* c : f.controls()) {
    if (c != &f.shpDrop) {
      EXPECT_TRUE(c->enabled) << c->name();
    }
  }
  EXPECT_FALSE(f.shpDrop.visible);  // unlocking does not bring the palette's panel back
}

}  // namespace
}  // namespace ks::ui
