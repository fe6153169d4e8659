#pragma once
// The twenty favourites and the codes they are made of.

#include <array>
#include <cstdint>
#include <string>

namespace ks {

using ArmorKind = std::int16_t;   // 0 none, 1 Scout, 2 Assault, 3 Juggernaut
using WeaponCode = std::int16_t;  // 0..10, 0 = empty slot, or NoSlot
using PackCode = std::int16_t;    // 0..17, 0 = no pack
using GrenCode = std::int16_t;    // 0..5, 0 = no grenades

inline constexpr ArmorKind ArmorNone = 0;
inline constexpr ArmorKind ArmorScout = 1;
inline constexpr ArmorKind ArmorAssault = 2;
inline constexpr ArmorKind ArmorJuggernaut = 3;

// A weapon slot that the favourite's armour does not have.
inline constexpr WeaponCode NoSlot = 99;

inline constexpr int FavCount = 20;
inline constexpr int MaxWeaponSlots = 5;

// Number of weapon slots an armour carries: Scout 3, Assault 4, Juggernaut 5, anything else 0.
constexpr int WeaponSlotCount(ArmorKind armor) {
  switch (armor) {
    case ArmorScout: return 3;
    case ArmorAssault: return 4;
    case ArmorJuggernaut: return 5;
    default: return 0;
  }
}

// One favourite. Name and LoadoutText are bytes as the game's file holds them (Windows-1252).
struct FavRecord {
  ArmorKind Armor = 0;
  std::string Name;
  PackCode Pack = 0;
  GrenCode Gren = 0;
  // Weapon[0] is the game's first weapon slot, Weapon[4] the fifth.
  std::array<WeaponCode, MaxWeaponSlots> Weapon{};
  // The loadout string as last read from the game; only the import writes and reads it.
  std::string LoadoutText;

  bool operator==(const FavRecord&) const = default;
};

// Exactly twenty favourites; index N is the game's favourite N. A value-initialised table is the
// fresh one: every number 0, every text empty.
using FavTable = std::array<FavRecord, FavCount>;

}  // namespace ks
