#include "model/rules.h"

#include <algorithm>

namespace ks {

void ResetForArmor(FavRecord& fav, ArmorKind kind) {
  fav.Armor = kind;
  fav.Gren = 1;
  fav.Pack = 0;
  const int slots = WeaponSlotCount(kind);
  for (int i = 0; i < MaxWeaponSlots; ++i) fav.Weapon[static_cast<std::size_t>(i)] = i < slots ? 0 : NoSlot;
}

void TrimWeaponSlots(FavRecord& fav) {
  int first = MaxWeaponSlots;  // any other armour value, 99 included, keeps every slot
  switch (fav.Armor) {
    case ArmorNone: first = 0; break;
    case ArmorScout: first = 3; break;
    case ArmorAssault: first = 4; break;
    default: break;
  }
  for (int i = first; i < MaxWeaponSlots; ++i) fav.Weapon[static_cast<std::size_t>(i)] = NoSlot;
}

PickResult CheckWeaponPick(const FavRecord& fav, int /*slot*/, WeaponCode c) {
  // The first rule whose condition holds decides.
  if (std::find(fav.Weapon.begin(), fav.Weapon.end(), c) != fav.Weapon.end()) {
    return {PickOutcome::Refuse, Msg::M1};
  }
  if (fav.Armor == ArmorScout && c == LaserRifle && fav.Pack != EnergyPack) {
    return {PickOutcome::ForceEnergyPack, Msg::M2};
  }
  if (fav.Armor == ArmorScout && (c == 6 || c == 7)) return {PickOutcome::Refuse, Msg::M3};
  if (fav.Armor == ArmorAssault && c == 7) return {PickOutcome::Refuse, Msg::M4};
  if (fav.Armor != ArmorScout && c == LaserRifle) return {PickOutcome::Refuse, Msg::M5};
  return {};
}

PickResult CheckPackPick(const FavRecord& fav, PackCode p) {
  const bool laserInFirstThree =
      fav.Weapon[0] == LaserRifle || fav.Weapon[1] == LaserRifle || fav.Weapon[2] == LaserRifle;
  if (laserInFirstThree && p != EnergyPack) return {PickOutcome::ForceEnergyPack, Msg::M2};
  if (fav.Armor != ArmorScout && p == 5) return {PickOutcome::WarnOnly, Msg::M6};
  if (fav.Armor != ArmorScout && p == 7) return {PickOutcome::WarnOnly, Msg::M7};
  if (fav.Armor == ArmorScout && p == 8) return {PickOutcome::WarnOnly, Msg::M8};
  if (fav.Armor == ArmorScout && p > 10 && p < 13) return {PickOutcome::WarnOnly, Msg::M9};
  if (fav.Armor == ArmorScout && p >= 13) return {PickOutcome::WarnOnly, Msg::M10};
  return {};
}

}  // namespace ks
