#pragma once
// Item codes and the game's item tokens. A token is the text between two backslashes of a loadout
// string, the leading t of the game's \t separator included ("tBlaster").

#include <array>
#include <string_view>

#include "model/favs.h"

namespace ks {

inline constexpr std::array<std::string_view, 11> WeaponTokens = {
    "tEMPTY",         "tBlaster",          "tChaingun",         "tSpinfusor",
    "tPlasma Rifle",  "tGrenade Launcher", "tMissile Launcher", "tFusion Mortar",
    "tELF Projector", "tShocklance",       "tLaser Rifle",
};

inline constexpr std::array<std::string_view, 18> PackTokens = {
    "tEMPTY",
    "tAmmunition Pack",
    "tEnergy Pack",
    "tRepair Pack",
    "tShield Pack",
    "tCloak Pack",
    "tSensor Jammer Pack",
    "tSatchel Charge",
    "tInventory Station",
    "tMotion Sensor Pack",
    "tPulse Sensor Pack",
    "tSpider Clamp Turret",
    "tLandspike Turret",
    "tAA Turret Barrel",
    "tMissile Turret Barrel",
    "tPlasma Turret Barrel",
    "tMortar Turret Barrel",
    "tELF Turret Barrel",
};

inline constexpr std::array<std::string_view, 6> GrenTokens = {
    "tEMPTY",         "tGrenade",           "tConcussion Grenade", "tWhiteout Grenade",
    "tFlare Grenade", "tDeployable Camera",
};

// Code to token; a code outside its table gives empty text.
std::string_view WeaponToken(WeaponCode code);
std::string_view PackToken(PackCode code);
std::string_view GrenToken(GrenCode code);

// Token to code: the text is upper-cased as a whole, nothing trimmed, and compared exactly with the
// upper-cased tokens; no match gives 0.
WeaponCode WeaponFromToken(std::string_view token);
PackCode PackFromToken(std::string_view token);
GrenCode GrenFromToken(std::string_view token);

}  // namespace ks
