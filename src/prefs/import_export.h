#pragma once
// Reading the twenty favourites out of the game's ClientPrefs.cs and writing them back.
// Both are complete commands: they report through the window's notices and touch the desktop
// only through the platform.

#include <string>

#include "misc/platform.h"
#include "model/app_state.h"
#include "ui/window_ops.h"

namespace ks {

// The game's preferences file and the copies the export keeps.
std::string ClientPrefsPath(const AppState& state);
std::string ClientPrefsTmpPath(const AppState& state);
std::string ClientPrefsBackupPath(const Platform& platform);

// Replaces the table with the favourites of the block in ClientPrefs.cs, refills the favourite
// list and shows the current favourite. A missing file shows the game-folder notice and ends the
// program; any other failure shows the import-error notice, leaves the list empty and what was
// read in the table. Sets state.ImportSucceeded. Does not lock or unlock the controls.
void ImportFavs(AppState& state, WindowOps& window, Platform& platform);

// Backs ClientPrefs.cs up into the program folder, copies it to ClientPrefs.TMP and rewrites it
// from that copy with every favourite line composed from the table. ClientPrefs.cs is replaced
// only once its new content is complete; on any failure it keeps its bytes and the failure
// notice shows. Refuses, with the import-error notice, while the table is not a complete import.
void ExportFavs(AppState& state, WindowOps& window, Platform& platform);

}  // namespace ks
