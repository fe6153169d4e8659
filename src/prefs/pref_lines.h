#pragma once
// The favourite lines of the game's ClientPrefs.cs and the loadout strings inside them.
// Lines are recognised by a fixed number of leading characters and their values cut by position,
// so whatever the game wrote between the quotes comes back untouched.

#include <string>
#include <string_view>

#include "model/favs.h"

namespace ks {

// The lines that open and close the block of favourite lines the import reads (compared over
// their first 23 characters).
inline constexpr std::string_view FavBlockStart = "$pref::FavCurrentSelect";
inline constexpr std::string_view FavBlockEnd = "$pref::FavoriteDefault0";

bool IsFavBlockStart(std::string_view line);
bool IsFavBlockEnd(std::string_view line);

enum class FavLineKind { None, Name, Loadout };

struct FavLine {
  FavLineKind kind = FavLineKind::None;
  int index = -1;  // the favourite number 0..19 when kind is not None
};

// Name keys 0..19 first, then loadout keys 0..19; each key ("$pref::FavNames7 =",
// "$pref::Favorite12 =") is compared exactly over its own 18 or 19 characters.
FavLine RecognizeFavLine(std::string_view line);

// The value of a recognised line: the line without its first 20 (favourites 0..9) or 21
// (10..19) characters and without its last 2. False when the line is too short to cut.
bool CutFavValue(std::string_view line, int index, std::string& value);

// The written forms: key, " = ", the value between double quotes, ";".
std::string NameLine(int index, std::string_view name);
std::string LoadoutLine(int index, std::string_view loadout);

// The loadout string of one favourite, built from its codes only (LoadoutText is not read).
std::string ComposeFavString(const FavRecord& fav);
std::string ComposeFavString(const FavTable& favs, int index);

// Sets Armor, Weapon, Pack and Gren of the record from its LoadoutText by position. A text without
// a recognised armour leaves them as they are. False when a token has no closing backslash.
bool ParseFavString(FavRecord& fav);

// True when the name may stand between the double quotes of the game's script as it is: no bare
// double quote, no byte below 32, and every backslash starts an escape the script compiles
// (\xHH, \c0..\c9, \cr, \cp, \co, or a backslash and any other printable byte).
bool IsScriptStringBody(std::string_view name);

// The name made safe to stand between double quotes in the game's script. A valid body is
// returned byte for byte; otherwise each byte that breaks the script is escaped as the game
// escapes it: " as \", a backslash that starts no valid escape as \\, line feed as \n, tab as
// \t, any other byte below 32 as \xHH. Valid escapes in the name stay as they are.
std::string ScriptSafeName(std::string_view name);

}  // namespace ks
