#include "prefs/import_export.h"

#include <optional>

#include "misc/file_exists.h"
#include "misc/paths.h"
#include "misc/text_file.h"
#include "model/messages.h"
#include "prefs/pref_lines.h"

namespace ks {
namespace {

std::string Notice(Msg id, const AppState& state) { return std::string(Text(id, state.Lang)); }

// Reads the block of favourite lines into the table; false on any import failure.
bool ReadFavBlock(const std::string& path, FavTable& favs) {
  std::optional<LineReader> in = LineReader::Open(path);
  if (!in) return false;
  std::string line;
  do {
    if (!in->ReadLine(line)) return false;  // no start marker
  } while (!IsFavBlockStart(line));
  std::string value;
  do {
    if (!in->ReadLine(line)) return false;  // the start marker was the last line
    if (IsFavBlockEnd(line)) break;
    const FavLine fav = RecognizeFavLine(line);
    if (fav.kind == FavLineKind::None) continue;
    if (!CutFavValue(line, fav.index, value)) return false;
    FavRecord& rec = favs[static_cast<std::size_t>(fav.index)];
    (fav.kind == FavLineKind::Name ? rec.Name : rec.LoadoutText) = value;
  } while (!in->AtEnd());
  return true;
}

// Copies the file line by line, each line ending in CR LF, replacing the destination whole.
// At least one line must be read: an empty source fails.
bool CopyLines(const std::string& from, const std::string& to) {
  std::optional<LineReader> in = LineReader::Open(from);
  if (!in) return false;
  AtomicTextWriter out;
  if (!out.Open(to)) return false;
  std::string line;
  do {
    if (!in->ReadLine(line) || !out.WriteLine(line)) return false;
  } while (!in->AtEnd());
  return out.Commit();
}

// Writes the copy back over the game's file with the favourite lines composed from the table.
bool Rewrite(const std::string& from, const std::string& to, const FavTable& favs) {
  std::optional<LineReader> in = LineReader::Open(from);
  if (!in) return false;
  AtomicTextWriter out;
  if (!out.Open(to)) return false;
  std::string line;
  do {
    if (!in->ReadLine(line)) return false;
    const FavLine fav = RecognizeFavLine(line);
    bool ok = true;
    switch (fav.kind) {
      case FavLineKind::Name:
        // A name the game's script could not compile would cost the player every preference.
        ok = out.WriteLine(
            NameLine(fav.index, ScriptSafeName(favs[static_cast<std::size_t>(fav.index)].Name)));
        break;
      case FavLineKind::Loadout:
        ok = out.WriteLine(LoadoutLine(fav.index, ComposeFavString(favs, fav.index)));
        break;
      case FavLineKind::None: ok = out.WriteLine(line); break;
    }
    if (!ok) return false;
  } while (!in->AtEnd());
  return out.Commit();
}

}  // namespace

std::string ClientPrefsPath(const AppState& state) {
  return JoinGamePath(state.GamePath, {"gamedata", "base", "prefs", "ClientPrefs.cs"});
}

std::string ClientPrefsTmpPath(const AppState& state) {
  return JoinGamePath(state.GamePath, {"gamedata", "base", "prefs", "ClientPrefs.TMP"});
}

std::string ClientPrefsBackupPath(const Platform& platform) {
  return JoinFile(platform.programFolder(), "ClientPrefs_BACKUP.cs");
}

void ImportFavs(AppState& state, WindowOps& window, Platform& platform) {
  state.ImportSucceeded = false;
  state.Favs = FavTable{};
  window.FavListClear();
  const std::string path = ClientPrefsPath(state);
  if (!FileExists(path)) {
    window.ShowNotice(Notice(Msg::GameFolderMissing, state));
    platform.quit();
  }
  bool ok = ReadFavBlock(path, state.Favs);
  for (int i = 0; ok && i < FavCount; ++i) ok = ParseFavString(state.Favs[static_cast<std::size_t>(i)]);
  if (!ok) {
    window.ShowNotice(Notice(Msg::ImportFailed, state));
    return;
  }
  for (int i = 0; i < FavCount; ++i) window.FavListAppend(FavListEntry(state.Favs, i));
  window.ShowFav();
  state.ImportSucceeded = true;
}

void ExportFavs(AppState& state, WindowOps& window, Platform& platform) {
  window.LockControls();
  if (!state.ImportSucceeded) {
    // The table holds a partial read at best; writing it would overwrite the player's favourites.
    window.ShowNotice(Notice(Msg::ImportFailed, state));
    return;
  }
  const std::string prefs = ClientPrefsPath(state);
  const std::string tmp = ClientPrefsTmpPath(state);
  if (!CopyLines(prefs, ClientPrefsBackupPath(platform)) || !CopyLines(prefs, tmp) ||
      !Rewrite(tmp, prefs, state.Favs)) {
    window.ShowNotice(Notice(Msg::ExportFailed, state));
    return;
  }
  platform.beep();
  window.ShowNotice(Notice(Msg::ExportSucceeded, state));
}

}  // namespace ks
