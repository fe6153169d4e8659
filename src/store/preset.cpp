#include "store/preset.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "misc/numbers.h"
#include "misc/paths.h"
#include "misc/text_file.h"
#include "model/messages.h"

namespace ks {
namespace {

// The window keeps CurrentFav within the table; a stray index must not reach past it.
bool ValidFav(const AppState& state) { return state.CurrentFav >= 0 && state.CurrentFav < FavCount; }

void Notice(WindowOps& window, Msg id, LangIndex lang) { window.ShowNotice(std::string(Text(id, lang))); }

// One leading blank for zero and above, a "-" below: the form the file has always had.
std::string NumberLine(std::int16_t value) {
  return value >= 0 ? " " + std::to_string(value) : std::to_string(value);
}

}  // namespace

std::string PresetPath(const Platform& platform) {
  return JoinFile(platform.programFolder(), PresetFileName);
}

void SavePreset(AppState& state, WindowOps& window, Platform& platform) {
  if (!ValidFav(state)) return;
  const FavRecord& fav = state.current();
  // A CR inside the name would split its line, and the next load would delete the preset as
  // damaged; refuse instead of writing a file that cannot be read back.
  if (fav.Name.find('\r') != std::string::npos) {
    Notice(window, Msg::PresetSaveFailed, state.Lang);
    return;
  }
  std::vector<std::string> lines;
  lines.reserve(9);
  lines.push_back(NumberLine(fav.Armor));
  lines.push_back(fav.Name);
  lines.push_back(NumberLine(fav.Gren));  // grenade before pack in this file
  lines.push_back(NumberLine(fav.Pack));
  for (WeaponCode w : fav.Weapon) lines.push_back(NumberLine(w));
  const bool ok = WriteLinesAtomically(PresetPath(platform), lines);
  Notice(window, ok ? Msg::PresetSaved : Msg::PresetSaveFailed, state.Lang);
}

void LoadPreset(AppState& state, WindowOps& window, Platform& platform) {
  if (!ValidFav(state)) return;
  const std::string path = PresetPath(platform);
  std::optional<LineReader> reader = LineReader::Open(path);
  if (!reader) {
    Notice(window, Msg::PresetMissing, state.Lang);
    return;
  }
  FavRecord& fav = state.current();
  std::string line;
  // Each field is stored as soon as its line is read, so a damaged file leaves the fields before
  // the damage replaced and the rest as they were.
  auto number = [&](std::int16_t& field) {
    if (!reader->ReadLine(line)) return false;
    const LeadingNumber n = ReadLeadingNumber(line);
    if (n.overflow) return false;
    field = n.value;
    return true;
  };
  auto text = [&](std::string& field) {
    if (!reader->ReadLine(line)) return false;
    field = line;
    return true;
  };
  const bool ok = number(fav.Armor) && text(fav.Name) && number(fav.Gren) && number(fav.Pack) &&
                  number(fav.Weapon[0]) && number(fav.Weapon[1]) && number(fav.Weapon[2]) &&
                  number(fav.Weapon[3]) && number(fav.Weapon[4]);
  if (ok) return;

  reader.reset();
  std::error_code ec;
  std::filesystem::remove(ToFsPath(path), ec);
  Notice(window, Msg::PresetDamaged, state.Lang);
}

void LoadPresetClick(AppState& state, WindowOps& window, Platform& platform) {
  LoadPreset(state, window, platform);
  window.RefreshFavList();
  window.ShowFav();
  platform.beep();
}

}  // namespace ks
