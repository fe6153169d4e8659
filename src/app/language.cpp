#include "app/language.h"

#include <array>
#include <cstddef>

namespace ks::lang {
namespace {

using enum Prop;

// The tooltip of cmbLang is written in the language the player would switch to.
constexpr std::array<WindowText, 31> Texts = {{
    {"cmdImport", Caption, "IMPORT T2", "IMPORT T2"},
    {"cmdImport", Tooltip, "Import favourites from TRIBES 2", "Favoriten aus TRIBES 2 importieren"},
    {"cmdExport", Caption, "EXPORT T2", "EXPORT T2"},
    {"cmdExport", Tooltip, "Export favourites back to TRIBES 2",
     "Favoriten wieder nach TRIBES 2 exportieren"},
    {"cmdLoadPre", Caption, "LOAD PRESET", "MUSTER LADEN"},
    {"cmdLoadPre", Tooltip, "Load previously saved preset for this favourite",
     "Gespeichertes Muster für diesen Favoriten laden"},
    {"cmdSavePre", Caption, "SAVE PRESET", "MUSTER SPEICHERN"},
    {"cmdSavePre", Tooltip, "Save THIS configuration as a preset",
     "DIESE Konfiguration als Muster speichern"},
    {"cmdImpFile", Caption, "IMPORT FILE", "IMPORT DATEI"},
    {"cmdImpFile", Tooltip, "IMPORT FAVOURITES FROM FILE", "IMPORTIERE FAVORITEN AUS DATEI"},
    {"cmdExpFile", Caption, "EXPORT FILE", "EXPORT DATEI"},
    {"cmdExpFile", Tooltip, "EXPORT FAVOURITES TO FILE", "EXPORTIERE FAVORITEN IN DATEI"},
    {"cmdLaunchLAN", Caption, "LAUNCH TRIBES2 SOLO/LAN", "STARTE TRIBES2 EINZEL/LAN"},
    {"cmdLaunchLAN", Tooltip, "LAUNCH TRIBES 2 FOR BOT-PLAYING OR LAN",
     "STARTE TRIBES 2 FÜR BOT-SPIELE ODER LAN-SPIELE"},
    {"cmdLaunchLINE", Caption, "LAUNCH TRIBES2 ONLINE", "STARTE TRIBES2 IM NETZ"},
    {"cmdLaunchLINE", Tooltip, "LAUNCH TRIBES 2 FOR ONLINE GAMING", "STARTE TRIBES 2 FÜR ONLINE SPIELEN"},
    {"lblDesc", Caption, "DESCRIPTION", "BESCHREIBUNG"},
    {"lblArmor", Caption, "ARMOUR", "RÜSTUNG"},
    {"lblPack", Caption, "BACKPACK", "RUCKSACK"},
    {"lblGren", Caption, "GRENADES", "GRANATEN"},
    {"lblError2", Caption, "[ NOTICE ]", "[ HINWEIS ]"},
    {"lstFav", Tooltip, "Select a favourite to view and edit",
     "Wähle einen Favoriten zum anzeigen und editieren aus"},
    {"txtName", Tooltip, "CLICK TO EDIT DESCRIPTION", "KLICKEN UM BESCHREIBUNG ZU EDITIEREN"},
    {"picArmor", Tooltip, "Click to select armour", "Klicken um Rüstung auszuwählen"},
    {"picWeapon", Tooltip, "Click to change weapon", "Klicken um Waffe auszuwählen"},
    {"picDrop", Tooltip, "Click to select", "Klicken zum auswählen"},
    {"cmbPack", Tooltip, "Click to select backpack", "Klicken um Rucksack auszuwählen"},
    {"cmbGren", Tooltip, "Click to select grenades", "Kicken um Granaten auszuwählen"},
    {"cmbLang", Tooltip, "KLICKEN UM SPRACHE ZU ÄNDERN", "CLICK TO CHANGE LANGUAGE"},
    {"imgAbout", Tooltip, "-=[ ABOUT ]=-", "-=[ ÜBER ]=-"},
    {"imgEnd", Tooltip, "LEAVE THIS CUTE TOOL :-)", "VERLASSE DIESE KNUFFIGE TOOL :-)"},
}};

constexpr std::array<MessagePair, 18> Packs = {{
    {"-NO PACK!-", "-KEIN RUCKSACK!-"},
    {"AMMUNITION PACK", "MUNITIONS-PACK"},
    {"ENERGY PACK", "ENERGIE-PACK"},
    {"REPAIR PACK", "REPARATUR-PACK"},
    {"SHIELD PACK", "SCHILD-PACK"},
    {"CLOACK PACK", "TARN-PACK"},
    {"SENSOR JAMMER PACK", "SENSORSTÖRER-PACK"},
    {"SATCHEL CHARGE", "FERNZÜND-BOMBE"},
    {"INVENTORY STATION", "INVENTAR-STATION"},
    {"MOTION SENSOR PACK", "BEWEGUNGSSENSOR-PACK"},
    {"PULSE SENSOR PACK", "HERZSENSOR-PACK"},
    {"SPIDER CLAMP TURRET", "BASIS-GESCHÜTZ"},
    {"LANDSPIKE TURRET", "GELÄNDE-GESCHÜTZ"},
    {"BARREL: ANTI-AIRCRAFT TURRET", "GESCHÜTZROHR: ANTI-FLUGZEUG"},
    {"BARREL: MISSILE TURRET", "GESCHÜTZROHR: RAKETEN"},
    {"BARREL: PLASMA TURRET", "GESCHÜTZROHR: PLASMA"},
    {"BARREL: MORTAR TURRET", "GESCHÜTZROHR: MÖRSER"},
    {"BARREL: ELF TURRET", "GESCHÜTZROHR: ELF"},
}};

constexpr std::array<MessagePair, 6> Grens = {{
    {"-NO GRENADE!-", "-KEINE GRANATEN!-"},
    {"DAMAGE GRENADE", "NORMALE GRANATE"},
    {"CONCUSSION GRENADE", "VERWIRRGRANATE"},
    {"WHITEOUT GRENADE", "BLENDGRANATE"},
    {"FLARE GRENADE", "HITZEGRANATE"},
    {"DEPLOYABLE CAMERA", "ABLEGBARE KAMERA"},
}};

// What the window shows before the first language pass. Three buttons were worded differently in
// the window design than in the English table; players see these only behind the first-start
// notice.
constexpr std::array<DesignText, 13> Design = {{
    {"cmdImport", "IMPORT T2"},
    {"cmdExport", "EXPORT T2"},
    {"cmdLoadPre", "LOAD PRESET"},
    {"cmdSavePre", "SAVE AS PRESET"},
    {"cmdImpFile", "IMPORT FILE"},
    {"cmdExpFile", "EXPORT FILE"},
    {"cmdLaunchLAN", "LAUNCH TRIBES 2 LAN/SOLO"},
    {"cmdLaunchLINE", "LAUNCH TRIBES 2 ONLINE"},
    {"lblDesc", "DESCRIPTION"},
    {"lblArmor", "ARMOUR"},
    {"lblPack", "BACKPACK"},
    {"lblGren", "GRENADES"},
    {"lblError2", "[ NOTICE ]"},
}};

constexpr MessagePair NoArmour = {"-none-", "-keine-"};
constexpr std::array<MessagePair, 3> Armours = {{
    {"SCOUT", "FLITZER"},
    {"ASSAULT", "STURMRÜSTUNG"},
    {"JUGGERNAUT", "LEBENDE FESTUNG"},
}};

constexpr std::array<MessagePair, 3> ArmourTips = {{
    {"[ SCOUT ARMOUR ]", "[ FLITZER RÜSTUNG ]"},
    {"[ ASSAULT ARMOUR ]", "[ STURM RÜSTUNG ]"},
    {"[ JUGGERNAUT ARMOUR ]", "[ LEBENDE FESTUNG ]"},
}};

constexpr std::array<MessagePair, 10> WeaponTips = {{
    {"[ BLASTER GUN ]", "[ BLASTER GEWEHR ]"},
    {"[ CHAINGUN ]", "[ MASCHIENENGEWEHR ]"},
    {"[ SPINFUSOR ]", "[ SPINFUSOR ]"},
    {"[ PLASMA RIFLE ]", "[ PLASMA GEWEHR ]"},
    {"[ GRENADE LAUNCHER ]", "[ GRANATWERFER ]"},
    {"[ MISSILE LAUNCHER ]", "[ PANZERFAUST ]"},
    {"[ FUSION MORTAR ]", "[ FUSIONSMÖRSER ]"},
    {"[ ELF PROJECTOR ]", "[ ELF PROJEKTOR ]"},
    {"[ SHOCKLANCE ]", "[ SCHOCKLANZE ]"},
    {"[ SNIPER RIFLE ]", "[ SCHARFSCHÜTZENGEWEHR ]"},
}};

// Out-of-range indices give empty texts rather than reading past a table.
template <std::size_t N>
MessagePair At(const std::array<MessagePair, N>& table, int k) {
  if (k < 0 || static_cast<std::size_t>(k) >= N) return {};
  return table[static_cast<std::size_t>(k)];
}

}  // namespace

std::span<const WindowText> WindowTexts() { return Texts; }
std::span<const MessagePair> PackItems() { return Packs; }
std::span<const MessagePair> GrenItems() { return Grens; }
std::span<const DesignText> DesignCaptions() { return Design; }

std::optional<MessagePair> ArmourLabel(ArmorKind armor) {
  if (armor == ArmorNone || armor == NoSlot) return NoArmour;
  if (armor >= ArmorScout && armor <= ArmorJuggernaut)
    return Armours[static_cast<std::size_t>(armor - ArmorScout)];
  return std::nullopt;
}

MessagePair ArmourPaletteTooltip(int k) { return At(ArmourTips, k); }
MessagePair WeaponPaletteTooltip(int k) { return At(WeaponTips, k); }

}  // namespace ks::lang
