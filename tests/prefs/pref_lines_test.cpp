#include "prefs/pref_lines.h"

#include <gtest/gtest.h>

#include <array>

namespace ks {
namespace {

TEST(FavLineTest, RecognisesKeysOverTheirOwnLength) {
  struct Case {
    std::string_view line;
    FavLineKind kind;
    int index;
  };
  const Case cases[] = {
      {R"($pref::FavNames0 = "x";)", FavLineKind::Name, 0},
      {R"($pref::FavNames9 = "x";)", FavLineKind::Name, 9},
      {R"($pref::FavNames10 = "x";)", FavLineKind::Name, 10},
      {R"($pref::FavNames19 = "x";)", FavLineKind::Name, 19},
      {R"($pref::Favorite0 = "x";)", FavLineKind::Loadout, 0},
      {R"($pref::Favorite17 = "x";)", FavLineKind::Loadout, 17},
      {"$pref::FavNames7 =", FavLineKind::Name, 7},  // recognised, though too short to cut
      {R"($pref::FavNames7= "x";)", FavLineKind::None, -1},
      {R"( $pref::FavNames7 = "x";)", FavLineKind::None, -1},
      {R"($pref::favnames7 = "x";)", FavLineKind::None, -1},
      {R"($pref::FavNames20 = "x";)", FavLineKind::None, -1},
      {R"($pref::FavNames100 = "x";)", FavLineKind::None, -1},
      {R"($pref::FavoriteDefault0 = "0";)", FavLineKind::None, -1},
      {R"($pref::FavCurrentSelect = "0";)", FavLineKind::None, -1},
      {"$pref::FavNames1", FavLineKind::None, -1},
      {"", FavLineKind::None, -1},
  };
  for (const Case& c : cases) {
    const FavLine got = RecognizeFavLine(c.line);
    EXPECT_EQ(got.kind, c.kind) << c.line;
    if (c.kind != FavLineKind::None) {
      EXPECT_EQ(got.index, c.index) << c.line;
    }
  }
}

TEST(FavLineTest, ValueIsCutByPosition) {
  struct Case {
    std::string_view line;
    int index;
    bool ok;
    std::string_view value;
  };
  const Case cases[] = {
      {R"($pref::FavNames3 = "Hi";)", 3, true, "Hi"},    {R"($pref::FavNames13 = "Hi";)", 13, true, "Hi"},
      {R"($pref::FavNames3 = "";)", 3, true, ""},    // 22 characters
      {R"($pref::FavNames13 = "";)", 13, true, ""},  // 23 characters
      {R"($pref::FavNames3 = "Hi"; )", 3, true, "Hi\""}, {R"($pref::FavNames3 = "a"b\";)", 3, true, "a\"b\\"},
      {R"($pref::FavNames3 = ";)", 3, false, ""},        {"$pref::FavNames7 =", 7, false, ""},
      {R"($pref::FavNames13 = ";)", 13, false, ""},
  };
  for (const Case& c : cases) {
    std::string value = "untouched";
    EXPECT_EQ(CutFavValue(c.line, c.index, value), c.ok) << c.line;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.line;
    }
  }
}

TEST(FavLineTest, WrittenValueReadsBackUnchanged) {
  for (const std::string name : {"", "plain", R"(q"uo\te;d)", "\\c2Red\\"}) {
    for (int index : {0, 9, 10, 19}) {
      const std::string line = NameLine(index, name);
      const FavLine fav = RecognizeFavLine(line);
      ASSERT_EQ(fav.kind, FavLineKind::Name) << line;
      ASSERT_EQ(fav.index, index);
      std::string value;
      ASSERT_TRUE(CutFavValue(line, index, value));
      EXPECT_EQ(value, name) << line;
      EXPECT_EQ(RecognizeFavLine(LoadoutLine(index, name)).kind, FavLineKind::Loadout);
    }
  }
  EXPECT_EQ(NameLine(12, "Heavy"), R"($pref::FavNames12 = "Heavy";)");
  EXPECT_EQ(LoadoutLine(0, "x"), R"($pref::Favorite0 = "x";)");
}

TEST(FavLineTest, BlockMarkersCompareTwentyThreeCharacters) {
  EXPECT_TRUE(IsFavBlockStart(R"($pref::FavCurrentSelect = "3";)"));
  EXPECT_TRUE(IsFavBlockStart("$pref::FavCurrentSelectX"));
  EXPECT_FALSE(IsFavBlockStart("$pref::FavCurrentSelec"));
  EXPECT_FALSE(IsFavBlockStart(" $pref::FavCurrentSelect"));
  EXPECT_TRUE(IsFavBlockEnd(R"($pref::FavoriteDefault0 = "0";)"));
  EXPECT_TRUE(IsFavBlockEnd("$pref::FavoriteDefault0"));
  EXPECT_FALSE(IsFavBlockEnd(R"($pref::FavoriteDefault1 = "0";)"));
}

FavRecord Fav(ArmorKind armor, std::array<WeaponCode, 5> weapons, PackCode pack, GrenCode gren) {
  FavRecord f;
  f.Armor = armor;
  f.Weapon = weapons;
  f.Pack = pack;
  f.Gren = gren;
  return f;
}

TEST(FavStringTest, ComposesTheGameForm) {
  EXPECT_EQ(ComposeFavString(Fav(1, {1, 2, 3, 99, 99}, 2, 1)),
            R"(armor\tScout\tweapon\tBlaster\tweapon\tChaingun\tweapon\tSpinfusor\tPack\tEnergy Pack)"
            R"(\tGrenade\tGrenade\tMine\tMine)");
  EXPECT_EQ(ComposeFavString(Fav(0, {5, 5, 5, 5, 5}, 3, 2)),
            R"(tPack\tRepair Pack\tGrenade\tConcussion Grenade\tMine\tMine)");
  EXPECT_EQ(ComposeFavString(Fav(1, {11, 0, 0, 0, 0}, 18, 6)),
            R"(armor\tScout\tweapon\\tweapon\tEMPTY\tweapon\tEMPTY\tPack\\tGrenade\\tMine\tMine)");
  FavTable favs{};
  favs[7] = Fav(3, {0, 8, 9, 10, 7}, 17, 5);
  favs[7].LoadoutText = "ignored";
  EXPECT_EQ(ComposeFavString(favs, 7), ComposeFavString(favs[7]));
}

TEST(FavStringTest, ParseGivesBackWhatWasComposed) {
  const FavRecord cases[] = {
      Fav(1, {1, 2, 3, 0, 0}, 2, 1),   Fav(1, {10, 0, 9, 0, 0}, 0, 0), Fav(2, {4, 5, 6, 7, 0}, 12, 3),
      Fav(3, {0, 8, 9, 10, 7}, 17, 5), Fav(3, {6, 7, 1, 2, 3}, 16, 4),
  };
  for (const FavRecord& want : cases) {
    FavRecord got;
    got.Weapon = {5, 5, 5, 5, 5};
    got.LoadoutText = ComposeFavString(want);
    ASSERT_TRUE(ParseFavString(got)) << got.LoadoutText;
    EXPECT_EQ(got.Armor, want.Armor) << got.LoadoutText;
    EXPECT_EQ(got.Weapon, want.Weapon) << got.LoadoutText;
    EXPECT_EQ(got.Pack, want.Pack) << got.LoadoutText;
    EXPECT_EQ(got.Gren, want.Gren) << got.LoadoutText;
  }
}

TEST(FavStringTest, ParseIsPositional) {
  struct Case {
    const char* what;
    std::string text;
    bool ok;
    FavRecord want;  // Armor, Weapon, Pack, Gren compared
  };
  const FavRecord untouched = Fav(2, {1, 2, 3, 4, 99}, 7, 3);
  const Case cases[] = {
      {"no armour word leaves the record", R"(tPack\tRepair Pack\tGrenade\tGrenade\tMine\tMine)", true,
       untouched},
      {"armour word only in lower case", R"(armor\tscout\tweapon\tBlaster\tPack\tEMPTY\tGrenade\tEMPTY\)",
       true, untouched},
      {"unknown tokens give 0", R"(armor\tScout\tweapon\tSniper\tweapon\tx\tweapon\ty\tPack\tz\tGrenade\tw\)",
       true, Fav(1, {0, 0, 0, 0, 0}, 0, 0)},
      {"tokens compare without case",
       R"(armor\tScout\tweapon\tBLASTER\tweapon\tchaingun\tweapon\tEMPTY\tPack\tenergy pack\tGrenade\tGRENADE\)",
       true, Fav(1, {1, 2, 0, 0, 0}, 2, 1)},
      {"separators are skipped, not compared",
       R"(armor\tScout\tweapon\tBlaster\XXXXXXXXtChaingun\YYYYYYYYtSpinfusor\ZZZZZZtRepair Pack\QQQQQQQQQtFlare Grenade\)",
       true, Fav(1, {1, 2, 3, 0, 0}, 3, 4)},
      {"the last armour test that holds wins",
       R"(armor\tJuggernaut\tweapon\tBlaster\tweapon\tChaingun\tweapon\tSpinfusor\tweapon\tShocklance\tweapon\tFusion Mortar\tPack\tEMPTY\tGrenade\tGrenade\tMine\tMine armor\tScout)",
       true, Fav(3, {1, 2, 3, 9, 7}, 0, 1)},
      {"ends right after the first weapon separator", R"(armor\tScout\tweapon\)", false, {}},
      {"armour word and nothing else", R"(armor\tScout)", false, {}},
      {"grenade token without closing backslash",
       R"(armor\tScout\tweapon\tBlaster\tweapon\tChaingun\tweapon\tSpinfusor\tPack\tEMPTY\tGrenade\tGrenade)",
       false,
       {}},
      {"too few weapon parts for the armour",
       R"(armor\tAssault\tweapon\tBlaster\tweapon\tChaingun\tPack\tEMPTY\tGrenade\tGrenade\tMine\tMine)",
       false,
       {}},
  };
  for (const Case& c : cases) {
    FavRecord got = untouched;
    got.LoadoutText = c.text;
    EXPECT_EQ(ParseFavString(got), c.ok) << c.what;
    if (!c.ok) continue;
    EXPECT_EQ(got.Armor, c.want.Armor) << c.what;
    EXPECT_EQ(got.Weapon, c.want.Weapon) << c.what;
    EXPECT_EQ(got.Pack, c.want.Pack) << c.what;
    EXPECT_EQ(got.Gren, c.want.Gren) << c.what;
  }
}

TEST(FavStringTest, RestIsCutAtNineHundredNinetyNineCharacters) {
  const std::string longToken(980, 'x');
  FavRecord f;
  // The first token alone fits; the second one lies beyond the cut, so its closing backslash is lost.
  f.LoadoutText = "armor\\tScout\\tweapon\\t" + longToken + "\\tweapon\\tChaingun\\tweapon\\tBlaster\\";
  EXPECT_FALSE(ParseFavString(f));
}

TEST(ScriptNameTest, OnlyNamesThatBreakTheScriptAreEscaped) {
  struct Case {
    const char* what;
    std::string name;
    std::string written;
  };
  const Case cases[] = {
      {"plain", "Heavy D", "Heavy D"},
      {"game escapes stay", R"(\c2Big \"Boss\" \\ \n\t\x41\cr\cp\co\')",
       R"(\c2Big \"Boss\" \\ \n\t\x41\cr\cp\co\')"},
      {"high bytes stay", "L\xE4ufer", "L\xE4ufer"},
      {"empty", "", ""},
      {"bare quote", R"(Say "hi")", R"(Say \"hi\")"},
      {"trailing odd backslash", R"(path\)", R"(path\\)"},
      {"trailing even backslashes stay", R"(path\\)", R"(path\\)"},
      {"three trailing backslashes", R"(a\\\)", R"(a\\\\)"},
      {"line feed from an exchange file", "two\nlines", R"(two\nlines)"},
      {"tab", "a\tb", R"(a\tb)"},
      {"carriage return and other control bytes", std::string("a\rb\x01", 4) + std::string(1, '\0'),
       R"(a\x0Db\x01\x00)"},
      {"invalid hex escape", R"(\xZ1)", R"(\\xZ1)"},
      {"invalid colour escape", R"(\cq)", R"(\\cq)"},
      {"backslash before a control byte", "a\\\n", R"(a\\\n)"},
      {"valid escapes kept beside a fix", R"(\c2"x")", R"(\c2\"x\")"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScriptSafeName(c.name), c.written) << c.what;
    EXPECT_EQ(IsScriptStringBody(c.name), c.name == c.written) << c.what;
    EXPECT_TRUE(IsScriptStringBody(ScriptSafeName(c.name))) << c.what;
  }
}

}  // namespace
}  // namespace ks
