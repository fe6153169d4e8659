// ParseFavString on any text: it never reads past the text, stores only codes of the tables, and
// what it read composes to a string that parses back to the same codes.
#include "fuzz_support.h"
#include "prefs/pref_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ks;
  FavRecord fav;
  fav.LoadoutText.assign(reinterpret_cast<const char*>(data), size);
  if (!ParseFavString(fav)) return 0;
  fuzz::Require(fav.Armor >= 0 && fav.Armor <= 3, "armour is 0..3");
  for (WeaponCode w : fav.Weapon) fuzz::Require(w >= 0 && w <= 10, "weapons are codes");
  fuzz::Require(fav.Pack >= 0 && fav.Pack <= 17 && fav.Gren >= 0 && fav.Gren <= 5,
                "pack and grenade are codes");
  if (fav.Armor == 0) return 0;
  FavRecord again;
  again.LoadoutText = ComposeFavString(fav);
  fuzz::Require(ParseFavString(again), "a composed string parses");
  fuzz::Require(again.Armor == fav.Armor && again.Pack == fav.Pack && again.Gren == fav.Gren,
                "armour, pack and grenade survive the round trip");
  for (int k = 0; k < WeaponSlotCount(fav.Armor); ++k) {
    fuzz::Require(again.Weapon[static_cast<std::size_t>(k)] == fav.Weapon[static_cast<std::size_t>(k)],
                  "the armour's weapon slots survive the round trip");
  }
  return 0;
}
