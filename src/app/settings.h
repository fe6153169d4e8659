#pragma once
// The settings file kitsmith.dat in the program folder: the language and the game folder, nine
// lines written whole. Also the start-up step that settles both and asks for the game folder.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "misc/platform.h"
#include "model/app_state.h"
#include "ui/window_ops.h"

namespace ks {

inline constexpr std::string_view SettingsFileName = "kitsmith.dat";
// The folder browser's title, the same in both languages.
inline constexpr std::string_view BrowseTitle = "Show me your TRIBES-2 ROOT(!)-directory !";
// Longest game folder taken from the file, in bytes.
inline constexpr std::size_t MaxStoredPathLength = 999;

std::string SettingsPath(const Platform& platform);

// The nine lines of the file for this language and folder (the folder as given, UTF-8).
std::vector<std::string> SettingsLines(LangIndex lang, const std::string& gamePath);
// Writes the file whole; false when it cannot, and then the old file keeps its bytes.
bool WriteSettings(const std::string& path, LangIndex lang, const std::string& gamePath);

// Applies one line: exact, case-sensitive keys; a later line overrides an earlier one.
void ApplySettingsLine(const std::string& line, AppState& state);
// Reads the file into the state line by line. False when it cannot be read or holds no line at all;
// what was read stays.
bool ReadSettings(const std::string& path, AppState& state);

// True when the game's preferences file lies below the folder (which ends with a separator).
bool HoldsGame(const std::string& gamePath);

// The folder the browser opens in: the first candidate that passes `exists`, or empty text (the
// browser's own default) when none does.
std::string FirstExisting(const std::vector<std::string>& candidates,
                          const std::function<bool(const std::string&)>& exists);
// The parent of the folder last chosen, then the game's usual install folders below each root.
// Nothing for a folder that is only the root of the current drive or empty.
std::vector<std::string> BrowseStartCandidates(const std::string& lastFolder,
                                               const std::vector<std::string>& roots);
// Where installs are looked for: each existing drive on Windows; on other systems the drive_c
// folders of the Wine prefixes below the home folder (~/.wine first). Every root ends with a separator.
std::vector<std::string> InstallRoots(const std::string& home);
// True for an existing folder; never throws.
bool FolderExists(const std::string& path) noexcept;

// Reads or creates the settings file and settles state.Lang and state.GamePath, asking for the
// game folder until its preferences file is found; applies the language once the folder is known.
// `installRoots` overrides where usual installs are looked for (tests); empty means the system's.
void LoadSettings(AppState& state, WindowOps& window, Platform& platform);
void LoadSettings(AppState& state, WindowOps& window, Platform& platform,
                  const std::vector<std::string>& installRoots);

// Writes the current language and folder, as the language list does after a change. False when
// the file cannot be written.
bool SaveSettings(const AppState& state, const Platform& platform);

}  // namespace ks
