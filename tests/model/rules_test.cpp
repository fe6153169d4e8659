#include "model/rules.h"

#include <gtest/gtest.h>

namespace ks {
namespace {

FavRecord Fav(ArmorKind armor, PackCode pack, std::array<WeaponCode, 5> weapons) {
  FavRecord f;
  f.Armor = armor;
  f.Pack = pack;
  f.Gren = 3;
  f.Weapon = weapons;
  f.Name = "keep";
  return f;
}

TEST(Rules, WeaponPicksInRuleOrder) {
  struct Case {
    const char* what;
    FavRecord fav;
    int slot;
    WeaponCode code;
    PickResult expected;
  };
  const Case cases[] = {
      {"same weapon in the edited slot", Fav(2, 0, {1, 2, 3, 0, 99}), 1, 2, {PickOutcome::Refuse, Msg::M1}},
      {"weapon carried in another slot", Fav(3, 0, {4, 0, 0, 0, 0}), 3, 4, {PickOutcome::Refuse, Msg::M1}},
      {"Scout laser without energy pack", Fav(1, 3, {0, 0, 0, 99, 99}), 1, 10,
       {PickOutcome::ForceEnergyPack, Msg::M2}},
      {"Scout laser with energy pack", Fav(1, 2, {0, 0, 0, 99, 99}), 0, 10, {}},
      {"Scout missile launcher", Fav(1, 0, {0, 0, 0, 99, 99}), 0, 6, {PickOutcome::Refuse, Msg::M3}},
      {"Scout fusion mortar is M3, not M4", Fav(1, 0, {0, 0, 0, 99, 99}), 0, 7, {PickOutcome::Refuse, Msg::M3}},
      {"Assault fusion mortar", Fav(2, 0, {0, 0, 0, 0, 99}), 0, 7, {PickOutcome::Refuse, Msg::M4}},
      {"Assault missile launcher", Fav(2, 0, {0, 0, 0, 0, 99}), 0, 6, {}},
      {"Juggernaut fusion mortar", Fav(3, 0, {0, 0, 0, 0, 0}), 4, 7, {}},
      {"Juggernaut laser", Fav(3, 2, {0, 0, 0, 0, 0}), 0, 10, {PickOutcome::Refuse, Msg::M5}},
      {"Assault laser", Fav(2, 2, {0, 0, 0, 0, 99}), 0, 10, {PickOutcome::Refuse, Msg::M5}},
      {"no armour fusion mortar", Fav(0, 0, {99, 99, 99, 99, 99}), 0, 7, {}},
      {"armour 99 laser", Fav(99, 2, {0, 0, 0, 0, 0}), 0, 10, {PickOutcome::Refuse, Msg::M5}},
      {"no armour laser", Fav(0, 0, {99, 99, 99, 99, 99}), 0, 10, {PickOutcome::Refuse, Msg::M5}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckWeaponPick(c.fav, c.slot, c.code), c.expected) << c.what;
  }
}

TEST(Rules, PackPicksInRuleOrder) {
  struct Case {
    const char* what;
    FavRecord fav;
    PackCode pack;
    PickResult expected;
  };
  const Case cases[] = {
      {"laser in slot 1, inventory station", Fav(1, 8, {10, 0, 0, 99, 99}), 8, {PickOutcome::ForceEnergyPack, Msg::M2}},
      {"laser in slot 3, turret: M2 before M9", Fav(1, 11, {0, 0, 10, 99, 99}), 11,
       {PickOutcome::ForceEnergyPack, Msg::M2}},
      {"laser only in slot 4 is not looked at", Fav(3, 3, {0, 0, 0, 10, 0}), 3, {}},
      {"laser with energy pack", Fav(1, 2, {10, 0, 0, 99, 99}), 2, {}},
      {"Assault cloak", Fav(2, 5, {0, 0, 0, 0, 99}), 5, {PickOutcome::WarnOnly, Msg::M6}},
      {"no armour cloak", Fav(0, 5, {99, 99, 99, 99, 99}), 5, {PickOutcome::WarnOnly, Msg::M6}},
      {"Juggernaut satchel", Fav(3, 7, {0, 0, 0, 0, 0}), 7, {PickOutcome::WarnOnly, Msg::M7}},
      {"Scout cloak", Fav(1, 5, {0, 0, 0, 99, 99}), 5, {}},
      {"Scout satchel", Fav(1, 7, {0, 0, 0, 99, 99}), 7, {}},
      {"Scout inventory station", Fav(1, 8, {0, 0, 0, 99, 99}), 8, {PickOutcome::WarnOnly, Msg::M8}},
      {"Scout pulse sensor", Fav(1, 10, {0, 0, 0, 99, 99}), 10, {}},
      {"Scout spider clamp", Fav(1, 11, {0, 0, 0, 99, 99}), 11, {PickOutcome::WarnOnly, Msg::M9}},
      {"Scout landspike", Fav(1, 12, {0, 0, 0, 99, 99}), 12, {PickOutcome::WarnOnly, Msg::M9}},
      {"Scout AA barrel", Fav(1, 13, {0, 0, 0, 99, 99}), 13, {PickOutcome::WarnOnly, Msg::M10}},
      {"Scout code above the table", Fav(1, 40, {0, 0, 0, 99, 99}), 40, {PickOutcome::WarnOnly, Msg::M10}},
      {"Assault turret", Fav(2, 11, {0, 0, 0, 0, 99}), 11, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckPackPick(c.fav, c.pack), c.expected) << c.what;
  }
}

TEST(Rules, ArmourPickResetsTheLoadoutEvenForTheSameArmour) {
  const std::array<WeaponCode, 5> scout = {0, 0, 0, 99, 99};
  const std::array<WeaponCode, 5> assault = {0, 0, 0, 0, 99};
  const std::array<WeaponCode, 5> heavy = {0, 0, 0, 0, 0};
  for (auto [kind, weapons] : {std::pair{ArmorKind{1}, scout}, std::pair{ArmorKind{2}, assault},
                               std::pair{ArmorKind{3}, heavy}}) {
    FavRecord f = Fav(3, 4, {1, 2, 3, 4, 5});
    f.LoadoutText = "as read";
    ResetForArmor(f, kind);
    EXPECT_EQ(f.Armor, kind);
    EXPECT_EQ(f.Gren, 1);
    EXPECT_EQ(f.Pack, 0);
    EXPECT_EQ(f.Weapon, weapons);
    EXPECT_EQ(f.Name, "keep");
    EXPECT_EQ(f.LoadoutText, "as read");
  }
}

TEST(Rules, TrimMarksTheSlotsTheArmourLacks) {
  struct Case {
    ArmorKind armor;
    std::array<WeaponCode, 5> after;
  };
  const Case cases[] = {
      {0, {99, 99, 99, 99, 99}}, {1, {1, 2, 3, 99, 99}}, {2, {1, 2, 3, 4, 99}},
      {3, {1, 2, 3, 4, 5}},      {99, {1, 2, 3, 4, 5}},  {-4, {1, 2, 3, 4, 5}},
  };
  for (const Case& c : cases) {
    FavRecord f = Fav(c.armor, 0, {1, 2, 3, 4, 5});
    TrimWeaponSlots(f);
    EXPECT_EQ(f.Weapon, c.after) << c.armor;
  }
}

TEST(Messages, PairsAreExactAndFollowTheLanguage) {
  EXPECT_EQ(Text(Msg::M3, LangEnglish), "SCOUT-Armour cannot carry the MISSLE-LAUNCHER or FUSION MORTAR !");
  EXPECT_EQ(Text(Msg::M4, LangGerman), "Nur die LEBENDE FESTUNG kann den FUSIONSMÖRSER trage!");
  EXPECT_EQ(Text(Msg::M6, LangEnglish), "Only SCOUT-Armour can carry the CLOACK-Pack");
  EXPECT_EQ(Text(Msg::ExportFailed, LangEnglish), "An unexpected error has been occured...sorry :-(");
  // Any language other than 0 is German.
  EXPECT_EQ(Text(Msg::M1, 7), "Waffen können nicht doppelt ausgewählt sein!");
}

}  // namespace
}  // namespace ks
