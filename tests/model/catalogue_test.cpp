#include "model/catalogue.h"

#include <gtest/gtest.h>

#include "model/app_state.h"

namespace ks {
namespace {

TEST(Catalogue, EveryCodeMapsToItsTokenAndBack) {
  for (std::size_t c = 0; c < WeaponTokens.size(); ++c) {
    const auto code = static_cast<WeaponCode>(c);
    EXPECT_EQ(WeaponFromToken(WeaponToken(code)), code) << WeaponToken(code);
  }
  for (std::size_t c = 0; c < PackTokens.size(); ++c) {
    const auto code = static_cast<PackCode>(c);
    EXPECT_EQ(PackFromToken(PackToken(code)), code) << PackToken(code);
  }
  for (std::size_t c = 0; c < GrenTokens.size(); ++c) {
    const auto code = static_cast<GrenCode>(c);
    EXPECT_EQ(GrenFromToken(GrenToken(code)), code) << GrenToken(code);
  }
  EXPECT_EQ(WeaponToken(10), "tLaser Rifle");
  EXPECT_EQ(PackToken(2), "tEnergy Pack");
  EXPECT_EQ(GrenToken(5), "tDeployable Camera");
}

TEST(Catalogue, CodesOutsideTheTablesGiveEmptyTokens) {
  for (WeaponCode c : {-1, 11, 99, -32768, 32767}) EXPECT_EQ(WeaponToken(c), "") << c;
  for (PackCode c : {-1, 18}) EXPECT_EQ(PackToken(c), "") << c;
  for (GrenCode c : {-1, 6}) EXPECT_EQ(GrenToken(c), "") << c;
  EXPECT_EQ(WeaponToken(0), "tEMPTY");
  EXPECT_EQ(PackToken(0), "tEMPTY");
  EXPECT_EQ(GrenToken(0), "tEMPTY");
}

TEST(Catalogue, KeysMatchInAnyCaseButExactlyOtherwise) {
  struct Case {
    const char* text;
    WeaponCode code;
  };
  const Case cases[] = {
      {"tBlaster", 1},      {"TBLASTER", 1},  {"tbLaStEr", 1},     {"Blaster", 0},
      {" tBlaster", 0},     {"tBlaster ", 0}, {"tEMPTY", 0},       {"", 0},
      {"tSniper Rifle", 0}, {"tLaser Rifle", 10}, {"tlaser rifle", 10}, {"tLaser  Rifle", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(WeaponFromToken(c.text), c.code) << '"' << c.text << '"';
  EXPECT_EQ(PackFromToken("tEnergy Pack"), 2);
  EXPECT_EQ(PackFromToken(""), 0);
  // A non-ASCII byte never equals an ASCII key, in any case.
  EXPECT_EQ(GrenFromToken("tGr\xC9nade"), 0);
}

TEST(FavTableTest, FreshTableIsEmpty) {
  AppState state;
  state.Favs[3].Name = "x";
  state.Favs[3].Weapon[2] = 7;
  state.Favs = FavTable{};
  ASSERT_EQ(state.Favs.size(), 20u);
  for (const FavRecord& f : state.Favs) {
    EXPECT_EQ(f, FavRecord{});
    EXPECT_EQ(f.Armor, 0);
    EXPECT_TRUE(f.Name.empty());
    EXPECT_TRUE(f.LoadoutText.empty());
  }
  EXPECT_EQ(WeaponSlotCount(0), 0);
  EXPECT_EQ(WeaponSlotCount(1), 3);
  EXPECT_EQ(WeaponSlotCount(2), 4);
  EXPECT_EQ(WeaponSlotCount(3), 5);
  EXPECT_EQ(WeaponSlotCount(99), 0);
}

}  // namespace
}  // namespace ks
