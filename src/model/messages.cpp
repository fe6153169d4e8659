#include "model/messages.h"

#include <array>
#include <cstddef>

namespace ks {
namespace {

constexpr std::array<MessagePair, 26> Pairs = {{
    {"Weapons cannot be selected twice!", "Waffen können nicht doppelt ausgewählt sein!"},
    {"ENERGY-PACK is mandatory when using SNIPER-RIFLE!",
     "ENERGIE-PACK ist erforderlich für SCHARFSCHÜTZEN!"},
    {"SCOUT-Armour cannot carry the MISSLE-LAUNCHER or FUSION MORTAR !",
     "Der FLITZER kann weder eine PANZERFAUST noch den FUSIONSMÖRSER tragen!"},
    {"Only JUGGERNAUT-Armour can carry the FUSION MORTAR !",
     "Nur die LEBENDE FESTUNG kann den FUSIONSMÖRSER trage!"},
    {"Only SCOUT-Armour can carry the SNIPER-RIFLE !",
     "Nur der FLITZER kann das SCHARFSCHÜTZENGEWEHR tragen!"},
    {"Only SCOUT-Armour can carry the CLOACK-Pack", "Nur der FLITZER kann das TARNPACK tragen!"},
    {"Only SCOUT-Armour can carry the SATCHEL-Pack", "Nur der FLITZER kann die FERNZÜNDBOMBE tragen!"},
    {"SCOUT-Armour cannot carry the INVENTORY STATION", "Der FLITZER kann keine INVENTARSTATION tragen!"},
    {"SCOUT-Armour cannot carry a TURRET", "Der FLITZER kann keine GESCHÜTZE tragen!"},
    {"SCOUT-Armour cannot carry a BARREL", "Der FLITZER kann keine GESCHÜTZTURMROHRE tragen!"},
    {"TRIBES 2 Directory not found, exiting...", "TRIBES 2 Verzeichnis konnte nicht gefunden werden..."},
    {"Error occured while importing, maybe new fileformat ?",
     "Ein Fehler trat beim importieren auf, möglicherweise ein neues Dateiformat ?"},
    {"Your config has been exported successfully !", "Deine Konfiguration wurde erfolgreich exportiert !"},
    {"An unexpected error has been occured...sorry :-(", "Ein unerwarteter Fehler trat auf, sorry :-("},
    {"Preset successfully saved...", "Muster erfolgreich gespeichert..."},
    {"There is no presetfile. Create one first !", "Keine Musterdatei vorhanden, erstelle erstmal eine !"},
    {"Presetfile is damaged and now deleted. Create a new one !",
     "Musterdatei ist beschädigt und nun gelöscht. Erstelle eine neue !"},
    {"An error occured while saving ?!?!", "Ein Fehler beim Speichern trat auf ?!?!"},
    {"Successfully exported to ", "Erfolgreich exportiert nach "},
    {"Successfully imported from ", "Erfolgreich importiert aus "},
    {"An unexpected error occured ?!", "Unerwarteter Fehler aufgetreten ?!"},
    {"Because this is the first start, show me the TRIBES 2 ROOT-Directory...",
     "Da das der erste Start ist, zeig mir bitte das TRIBES 2 ROOT-Verzeichnis..."},
    {"TRIBES 2-Directory not found, please show it to me...",
     "TRIBES 2-Verzeichnis nicht gefunden, bitte zeig es mir..."},
    {"Cannot write to config-file, changes not saved!",
     "Kann nicht in Konfigdatei schreiben, Änderungen nicht gesichert!"},
    {"Select a favourite first!", "Wähle erst einen Favoriten aus!"},
    {"README.TXT not found. What did u do to it ?", "README.TXT nicht gefunden, was hast du damit angestellt ?"},
}};

static_assert(Pairs.size() == static_cast<std::size_t>(Msg::ReadmeMissing) + 1,
              "one pair per message id");

}  // namespace

MessagePair Pair(Msg id) { return Pairs[static_cast<std::size_t>(id)]; }

std::string_view Text(Msg id, LangIndex lang) {
  const MessagePair p = Pair(id);
  return lang == LangEnglish ? p.english : p.german;
}

}  // namespace ks
