#pragma once
// Every notice the tool shows, as an English/German pair. Texts are UTF-8 and used exactly as they
// stand, spelling included: players and other tools know them.

#include <string_view>

#include "model/app_state.h"

namespace ks {

enum class Msg {
  // Loadout rules.
  M1, M2, M3, M4, M5, M6, M7, M8, M9, M10,
  // Game preferences.
  GameFolderMissing,
  ImportFailed,
  ExportSucceeded,
  ExportFailed,
  // Preset.
  PresetSaved,
  PresetMissing,
  PresetDamaged,
  PresetSaveFailed,
  // Exchange files; the path follows after CR LF.
  FileExported,
  FileImported,
  FileFailed,
  // Settings and start-up.
  FirstStart,
  FolderNotFound,
  SettingsNotWritten,
  // Editor window.
  SelectFavouriteFirst,
  ReadmeMissing,
};

struct MessagePair {
  std::string_view english;
  std::string_view german;
};

MessagePair Pair(Msg id);

// The text for the language: English for 0, German for any other value.
std::string_view Text(Msg id, LangIndex lang);

}  // namespace ks
