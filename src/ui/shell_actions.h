#pragma once
// Starting the game: the folder steps and the start, for a given target system, so that the
// Windows steps can be checked on any machine.

#include <string>

#include "misc/platform.h"
#include "misc/shell_map.h"

namespace ks::ui {

enum class LaunchMode { LanSolo, Online };

// Makes the game's gamedata folder current, starts the game's program there and ends the tool,
// whether or not the folder could be made current and the program started.
void LaunchGame(Platform& platform, const std::string& gamePath, LaunchMode mode, TargetOs os);

}  // namespace ks::ui
