#pragma once
// The game's carrying rules, applied by the editor to the favourite being edited. Pure functions:
// they return what to do and which message to show; the window stores and shows.

#include <optional>

#include "model/favs.h"
#include "model/messages.h"

namespace ks {

enum class PickOutcome {
  Accept,           // store the pick, no message
  Refuse,           // show the message, store nothing
  ForceEnergyPack,  // show the message, then Pack := 2 and store the pick
  WarnOnly,         // show the message; the picked pack stays stored (pack picks only)
};

struct PickResult {
  PickOutcome outcome = PickOutcome::Accept;
  std::optional<Msg> message;  // set unless Accept

  bool operator==(const PickResult&) const = default;
};

inline constexpr PackCode EnergyPack = 2;
inline constexpr WeaponCode LaserRifle = 10;

// Rewrites the loadout for a newly picked armour (kind 1..3), even when it is the same armour.
void ResetForArmor(FavRecord& fav, ArmorKind kind);

// Marks the weapon slots that the favourite's armour lacks with NoSlot.
void TrimWeaponSlots(FavRecord& fav);

// slot is 0..4 (the field Weapon[slot]); code is the picked weapon 1..10.
PickResult CheckWeaponPick(const FavRecord& fav, int slot, WeaponCode code);

// pack is the picked pack; the caller has already stored it into fav.Pack.
PickResult CheckPackPick(const FavRecord& fav, PackCode pack);

}  // namespace ks
