#pragma once
// The preset: one favourite's armour, name, pack, grenade and five weapon slots, kept in
// preset.dat in the program's folder and copied into whichever favourite is being edited.

#include <string>

#include "misc/platform.h"
#include "model/app_state.h"
#include "ui/window_ops.h"

namespace ks {

inline constexpr const char* PresetFileName = "preset.dat";

// The preset file's path for this program folder.
std::string PresetPath(const Platform& platform);

// Click of cmdSavePre: writes the current favourite into the preset file (replacing it whole, so a
// failed save keeps the previous preset) and reports the outcome.
void SavePreset(AppState& state, WindowOps& window, Platform& platform);

// Copies the preset into the current favourite field by field. A missing preset changes nothing;
// a damaged one (too few lines, a number outside 16 bits) keeps the fields read so far, is deleted
// and reported.
void LoadPreset(AppState& state, WindowOps& window, Platform& platform);

// Click of cmdLoadPre: LoadPreset, then the list and the view are redrawn and the beep sounds,
// whatever LoadPreset reported.
void LoadPresetClick(AppState& state, WindowOps& window, Platform& platform);

}  // namespace ks
