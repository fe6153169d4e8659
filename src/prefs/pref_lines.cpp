#include "prefs/pref_lines.h"

#include <cstddef>

#include "model/catalogue.h"

namespace ks {
namespace {

constexpr std::string_view NameKey = "$pref::FavNames";
constexpr std::string_view LoadoutKey = "$pref::Favorite";
constexpr std::size_t MarkerLength = 23;

bool StartsWith(std::string_view line, std::string_view prefix) {
  return line.size() >= prefix.size() && line.compare(0, prefix.size(), prefix) == 0;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The favourite number of a line that begins with `key`, followed by the number and " =";
// -1 when it is not such a line. Equivalent to comparing with each of the twenty keys over its
// own length: "$pref::FavNames1 =" never matches "$pref::FavNames10 =".
int KeyIndex(std::string_view line, std::string_view key) {
  if (!StartsWith(line, key)) return -1;
  const std::string_view rest = line.substr(key.size());
  if (rest.size() >= 3 && IsDigit(rest[0]) && rest.compare(1, 2, " =") == 0) return rest[0] - '0';
  if (rest.size() >= 4 && rest[0] == '1' && IsDigit(rest[1]) && rest.compare(2, 2, " =") == 0) {
    return 10 + (rest[1] - '0');
  }
  return -1;
}

std::string WrittenLine(std::string_view key, int index, std::string_view value) {
  std::string line;
  line.reserve(key.size() + value.size() + 8);
  line += key;
  line += std::to_string(index);
  line += " = \"";
  line += value;
  line += "\";";
  return line;
}

// Everything up to the first backslash of the rest; false when there is none.
bool CutToken(std::string_view rest, std::string_view& token) {
  const std::size_t b = rest.find('\\');
  if (b == std::string_view::npos) return false;
  token = rest.substr(0, b);
  return true;
}

// The part of the rest beginning n characters after its first backslash (empty when that lies
// beyond the end). Called only on a rest from which a token has just been cut.
std::string_view After(std::string_view rest, std::size_t n) {
  const std::size_t start = rest.find('\\') + n;
  return start >= rest.size() ? std::string_view{} : rest.substr(start);
}

// One armour test that succeeded: the positional reading of the weapon, pack and grenade parts.
bool ParseFrom(FavRecord& fav, std::string_view text, ArmorKind armor, std::size_t prefixLength) {
  fav.Armor = armor;
  const int slots = WeaponSlotCount(armor);
  std::string_view rest = prefixLength < text.size() ? text.substr(prefixLength, 999) : std::string_view{};
  std::string_view token;
  if (!CutToken(rest, token)) return false;
  fav.Weapon[0] = WeaponFromToken(token);
  for (int k = 1; k < slots; ++k) {
    rest = After(rest, 9);  // "\tweapon\"
    if (!CutToken(rest, token)) return false;
    fav.Weapon[static_cast<std::size_t>(k)] = WeaponFromToken(token);
  }
  for (int k = slots; k < MaxWeaponSlots; ++k) fav.Weapon[static_cast<std::size_t>(k)] = 0;
  rest = After(rest, 7);  // "\tPack\"
  if (!CutToken(rest, token)) return false;
  fav.Pack = PackFromToken(token);
  rest = After(rest, 10);  // "\tGrenade\"
  if (!CutToken(rest, token)) return false;
  fav.Gren = GrenFromToken(token);
  return true;
}

// The length of the valid escape starting at the backslash at `i`, or 0 when the game's script
// would not compile it.
std::size_t EscapeLength(std::string_view s, std::size_t i) {
  if (i + 1 >= s.size()) return 0;
  const auto c = static_cast<unsigned char>(s[i + 1]);
  if (c == 'x') {
    auto hex = [&](std::size_t k) {
      if (k >= s.size()) return false;
      const char h = s[k];
      return IsDigit(h) || (h >= 'a' && h <= 'f') || (h >= 'A' && h <= 'F');
    };
    return hex(i + 2) && hex(i + 3) ? 4 : 0;
  }
  if (c == 'c') {
    if (i + 2 >= s.size()) return 0;
    const char k = s[i + 2];
    return IsDigit(k) || k == 'r' || k == 'p' || k == 'o' ? 3 : 0;
  }
  return c < 32 ? 0 : 2;
}

}  // namespace

bool IsFavBlockStart(std::string_view line) {
  return StartsWith(line, FavBlockStart.substr(0, MarkerLength));
}
bool IsFavBlockEnd(std::string_view line) { return StartsWith(line, FavBlockEnd.substr(0, MarkerLength)); }

FavLine RecognizeFavLine(std::string_view line) {
  if (const int n = KeyIndex(line, NameKey); n >= 0) return {FavLineKind::Name, n};
  if (const int n = KeyIndex(line, LoadoutKey); n >= 0) return {FavLineKind::Loadout, n};
  return {};
}

bool CutFavValue(std::string_view line, int index, std::string& value) {
  const std::size_t skip = index < 10 ? 20 : 21;
  if (line.size() < skip + 2) return false;
  value.assign(line.substr(skip, line.size() - skip - 2));
  return true;
}

std::string NameLine(int index, std::string_view name) { return WrittenLine(NameKey, index, name); }
std::string LoadoutLine(int index, std::string_view loadout) {
  return WrittenLine(LoadoutKey, index, loadout);
}

std::string ComposeFavString(const FavRecord& fav) {
  std::string s;
  s.reserve(160);
  switch (fav.Armor) {
    case ArmorScout: s += "armor\\tScout\\"; break;
    case ArmorAssault: s += "armor\\tAssault\\"; break;
    case ArmorJuggernaut: s += "armor\\tJuggernaut\\"; break;
    default: break;
  }
  const int slots = WeaponSlotCount(fav.Armor);
  for (int k = 0; k < slots; ++k) {
    s += "tweapon\\";
    s += WeaponToken(fav.Weapon[static_cast<std::size_t>(k)]);
    s += '\\';
  }
  s += "tPack\\";
  s += PackToken(fav.Pack);
  s += "\\tGrenade\\";
  s += GrenToken(fav.Gren);
  s += "\\tMine\\tMine";
  return s;
}

std::string ComposeFavString(const FavTable& favs, int index) {
  return ComposeFavString(favs[static_cast<std::size_t>(index)]);
}

bool ParseFavString(FavRecord& fav) {
  const std::string_view text = fav.LoadoutText;
  // Each test stands on its own; a later one that holds reads the string again and overwrites.
  if (text.find("armor\\tScout") != std::string_view::npos &&
      !ParseFrom(fav, text, ArmorScout, std::string_view("armor\\tScout\\tweapon\\").size())) {
    return false;
  }
  if (text.find("armor\\tAssault\\") != std::string_view::npos &&
      !ParseFrom(fav, text, ArmorAssault, std::string_view("armor\\tAssault\\tweapon\\").size())) {
    return false;
  }
  if (text.find("armor\\tJuggernaut") != std::string_view::npos &&
      !ParseFrom(fav, text, ArmorJuggernaut, std::string_view("armor\\tJuggernaut\\tweapon\\").size())) {
    return false;
  }
  return true;
}

bool IsScriptStringBody(std::string_view name) {
  for (std::size_t i = 0; i < name.size();) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c == '"' || c < 32) return false;
    if (c == '\\') {
      const std::size_t n = EscapeLength(name, i);
      if (n == 0) return false;
      i += n;
    } else {
      ++i;
    }
  }
  return true;
}

std::string ScriptSafeName(std::string_view name) {
  if (IsScriptStringBody(name)) return std::string(name);
  static constexpr char Hex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(name.size() + 8);
  for (std::size_t i = 0; i < name.size();) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c == '\\') {
      const std::size_t n = EscapeLength(name, i);
      if (n > 0) {
        out += name.substr(i, n);
        i += n;
        continue;
      }
      out += "\\\\";
    } else if (c == '"') {
      out += "\\\"";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 32) {
      out += "\\x";
      out += Hex[c >> 4];
      out += Hex[c & 0xF];
    } else {
      out += static_cast<char>(c);
    }
    ++i;
  }
  return out;
}

}  // namespace ks
