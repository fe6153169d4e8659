#include "app/language.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace ks::lang {
namespace {

std::string_view TextOf(std::string_view control, Prop prop, LangIndex lang) {
  for (const auto& t : WindowTexts()) {
    if (t.control == control && t.prop == prop) return lang == LangEnglish ? t.english : t.german;
  }
  ADD_FAILURE() << "no text for " << control;
  return {};
}

TEST(LanguageTables, EachControlPropertyOnceAndNoTextEmpty) {
  std::set<std::pair<std::string_view, Prop>> seen;
  for (const auto& t : WindowTexts()) {
    EXPECT_TRUE(seen.insert({t.control, t.prop}).second) << t.control;
    EXPECT_FALSE(t.english.empty()) << t.control;
    EXPECT_FALSE(t.german.empty()) << t.control;
  }
  EXPECT_EQ(seen.size(), 31u);
  EXPECT_EQ(PackItems().size(), 18u);
  EXPECT_EQ(GrenItems().size(), 6u);
}

// The texts players and screenshots know, typos and the swapped language tooltip included.
TEST(LanguageTables, TextsThatAreEasyToGetWrong) {
  EXPECT_EQ(TextOf("cmbGren", Prop::Tooltip, LangGerman), "Kicken um Granaten auszuwählen");
  EXPECT_EQ(TextOf("cmbLang", Prop::Tooltip, LangEnglish), "KLICKEN UM SPRACHE ZU ÄNDERN");
  EXPECT_EQ(TextOf("cmbLang", Prop::Tooltip, LangGerman), "CLICK TO CHANGE LANGUAGE");
  EXPECT_EQ(TextOf("cmdImport", Prop::Caption, LangGerman), "IMPORT T2");
  EXPECT_EQ(TextOf("cmdExport", Prop::Caption, LangGerman), "EXPORT T2");
  EXPECT_EQ(TextOf("picDrop", Prop::Tooltip, LangGerman), "Klicken zum auswählen");
  EXPECT_EQ(PackItems()[5].english, "CLOACK PACK");
  EXPECT_EQ(PackItems()[0].german, "-KEIN RUCKSACK!-");
  EXPECT_EQ(PackItems()[17].english, "BARREL: ELF TURRET");
  EXPECT_EQ(GrenItems()[0].german, "-KEINE GRANATEN!-");
  EXPECT_EQ(GrenItems()[5].english, "DEPLOYABLE CAMERA");
  EXPECT_EQ(WeaponPaletteTooltip(1).german, "[ MASCHIENENGEWEHR ]");
  EXPECT_EQ(WeaponPaletteTooltip(9).english, "[ SNIPER RIFLE ]");
  EXPECT_EQ(ArmourPaletteTooltip(1).german, "[ STURM RÜSTUNG ]");
}

TEST(LanguageTables, DesignCaptionsDifferFromEnglishInThreeButtonsOnly) {
  int differing = 0;
  for (const auto& d : DesignCaptions()) {
    const auto english = TextOf(d.control, Prop::Caption, LangEnglish);
    if (d.caption != english) {
      ++differing;
      EXPECT_TRUE(d.control == "cmdSavePre" || d.control == "cmdLaunchLAN" || d.control == "cmdLaunchLINE")
          << d.control;
    }
  }
  EXPECT_EQ(differing, 3);
  // Every caption of the table has a design caption.
  int captions = 0;
  for (const auto& t : WindowTexts()) captions += t.prop == Prop::Caption ? 1 : 0;
  EXPECT_EQ(static_cast<int>(DesignCaptions().size()), captions);
}

TEST(LanguageTables, ArmourLabelsAndOutOfRangeLookups) {
  struct Case {
    ArmorKind armor;
    std::string_view english, german;
  };
  for (const Case& c :
       {Case{0, "-none-", "-keine-"}, Case{1, "SCOUT", "FLITZER"}, Case{2, "ASSAULT", "STURMRÜSTUNG"},
        Case{3, "JUGGERNAUT", "LEBENDE FESTUNG"}, Case{99, "-none-", "-keine-"}}) {
    auto label = ArmourLabel(c.armor);
    ASSERT_TRUE(label) << c.armor;
    EXPECT_EQ(label->english, c.english);
    EXPECT_EQ(Pick(*label, LangGerman), c.german);
  }
  for (ArmorKind other : {-1, 4, 98, 100}) EXPECT_FALSE(ArmourLabel(other)) << other;
  EXPECT_TRUE(WeaponPaletteTooltip(10).english.empty());
  EXPECT_TRUE(ArmourPaletteTooltip(3).english.empty());
  EXPECT_TRUE(ArmourPaletteTooltip(-1).german.empty());
}

}  // namespace
}  // namespace ks::lang
