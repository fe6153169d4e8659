#include "app/settings.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/links.h"
#include "misc/file_exists.h"
#include "misc/paths.h"
#include "misc/text_file.h"
#include "model/messages.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace ks {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view KeyGerman = "Lang=D";
constexpr std::string_view KeyEnglish = "Lang=E";
constexpr std::string_view KeyFolder = "Tribes2=";

// Where the game's installer and the usual repacks put it, below a drive or a Wine drive_c.
constexpr std::array<std::array<std::string_view, 3>, 10> UsualPlaces = {{
    {"Dynamix", "Tribes2", ""},
    {"Sierra", "Tribes2", ""},
    {"Program Files", "Dynamix", "Tribes2"},
    {"Program Files (x86)", "Dynamix", "Tribes2"},
    {"Program Files", "Sierra", "Tribes2"},
    {"Program Files (x86)", "Sierra", "Tribes2"},
    {"Games", "Tribes2", ""},
    {"Games", "Tribes 2", ""},
    {"Tribes2", "", ""},
    {"Tribes 2", "", ""},
}};

std::string Below(std::string folder, const std::array<std::string_view, 3>& components) {
  for (std::string_view c : components) {
    if (c.empty()) break;
    folder = JoinGamePath(WithTrailingSeparator(std::move(folder)), {c});
  }
  return folder;
}

std::string HomeFolder() {
#ifdef _WIN32
  const char* home = std::getenv("USERPROFILE");
#else
  const char* home = std::getenv("HOME");
#endif
  return home ? std::string(home) : std::string();
}

}  // namespace

std::string SettingsPath(const Platform& platform) {
  return JoinFile(platform.programFolder(), SettingsFileName);
}

std::vector<std::string> SettingsLines(LangIndex lang, const std::string& gamePath) {
  return {
      "// [QZW]-Kitsmith v1.0",
      "// " + std::string(CompanyUrl),
      "//",
      "// Configfile",
      "//",
      "// Do not change anything at all :-)",
      "//",
      std::string(lang == LangEnglish ? KeyEnglish : KeyGerman),
      std::string(KeyFolder) + PathToFileText(gamePath),
  };
}

bool WriteSettings(const std::string& path, LangIndex lang, const std::string& gamePath) {
  return WriteLinesAtomically(path, SettingsLines(lang, gamePath));
}

void ApplySettingsLine(const std::string& line, AppState& state) {
  const std::string_view text(line);
  if (text.starts_with(KeyGerman)) state.Lang = LangGerman;
  if (text.starts_with(KeyEnglish)) state.Lang = LangEnglish;
  if (text.starts_with(KeyFolder)) {
    state.GamePath = PathFromFileText(line.substr(KeyFolder.size(), MaxStoredPathLength));
  }
}

bool ReadSettings(const std::string& path, AppState& state) {
  auto reader = LineReader::Open(path);
  if (!reader) return false;
  std::string line;
  if (!reader->ReadLine(line)) return false;
  do {
    ApplySettingsLine(line, state);
  } while (reader->ReadLine(line));
  return true;
}

bool HoldsGame(const std::string& gamePath) {
  return FileExists(JoinGamePath(gamePath, {"gamedata", "base", "prefs", "ClientPrefs.cs"}));
}

bool FolderExists(const std::string& path) noexcept {
  try {
    std::error_code ec;
    return !path.empty() && fs::is_directory(ToFsPath(path), ec);
  } catch (...) {
    return false;
  }
}

std::string FirstExisting(const std::vector<std::string>& candidates,
                          const std::function<bool(const std::string&)>& exists) {
  const auto it = std::find_if(candidates.begin(), candidates.end(), exists);
  return it == candidates.end() ? std::string() : *it;
}

std::vector<std::string> BrowseStartCandidates(const std::string& lastFolder,
                                               const std::vector<std::string>& roots) {
  std::vector<std::string> candidates;
  std::string folder = lastFolder;
  while (!folder.empty() && EndsWithSeparator(folder)) folder.pop_back();
  const fs::path last = ToFsPath(folder);
  if (last.has_relative_path() && last.has_parent_path()) {
    const fs::path parent = last.parent_path();
    if (parent != last) candidates.push_back(FromFsPath(parent));
  }
  for (const auto& root : roots) {
    for (const auto& place : UsualPlaces) candidates.push_back(Below(root, place));
  }
  return candidates;
}

std::vector<std::string> InstallRoots(const std::string& home) {
  std::vector<std::string> roots;
#ifdef _WIN32
  (void)home;
  const DWORD drives = GetLogicalDrives();
  for (int d = 2; d < 26; ++d) {  // C: onwards; A: and B: are floppies that make the system wait
    if (drives & (DWORD{1} << d)) roots.push_back(std::string(1, static_cast<char>('A' + d)) + ":\\");
  }
#else
  if (home.empty()) return roots;
  auto addPrefix = [&roots](const std::string& prefix) {
    const std::string driveC = JoinGamePath(WithTrailingSeparator(prefix), {"drive_c"});
    if (FolderExists(driveC)) {
      std::string root = WithTrailingSeparator(driveC);
      if (std::find(roots.begin(), roots.end(), root) == roots.end()) roots.push_back(std::move(root));
    }
  };
  // Sorted, so that the same machine always offers the same folder.
  auto subfolders = [](const std::string& folder, std::string_view startsWith) {
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(ToFsPath(folder), ec), end; !ec && it != end; it.increment(ec)) {
      const std::string name = FromFsPath(it->path().filename());
      if (name.starts_with(startsWith) && it->is_directory(ec)) found.push_back(FromFsPath(it->path()));
    }
    std::sort(found.begin(), found.end());
    return found;
  };
  const std::string base = WithTrailingSeparator(home);
  addPrefix(base + ".wine");
  for (const auto& p : subfolders(home, ".wine")) addPrefix(p);
  for (const auto& p : subfolders(base + ".local/share/wineprefixes", "")) addPrefix(p);
  for (const auto& p : subfolders(base + ".PlayOnLinux/wineprefix", "")) addPrefix(p);
  for (const auto& p : subfolders(base + "Games", "")) addPrefix(p);
#endif
  return roots;
}

void LoadSettings(AppState& state, WindowOps& window, Platform& platform) {
  LoadSettings(state, window, platform, InstallRoots(HomeFolder()));
}

void LoadSettings(AppState& state, WindowOps& window, Platform& platform,
                  const std::vector<std::string>& installRoots) {
  const std::string path = SettingsPath(platform);
  bool ask = false;
  if (!FileExists(path)) {
    window.ShowNotice(std::string(Text(Msg::FirstStart, state.Lang)));
    ask = true;
  } else if (!ReadSettings(path, state)) {
    // An empty or unreadable file: keep what was read; the language list rewrites the file whole.
    return;
  }
  for (;;) {
    if (!ask) {
      state.GamePath = WithTrailingSeparator(state.GamePath);
      if (HoldsGame(state.GamePath)) {
        window.ApplyLanguage();
        return;
      }
      window.ShowNotice(std::string(Text(Msg::FolderNotFound, state.Lang)));
    }
    ask = false;
    const std::string start =
        FirstExisting(BrowseStartCandidates(state.GamePath, installRoots), FolderExists);
    state.GamePath = platform.browseForFolder(std::string(BrowseTitle), start);
    // A folder that cannot take the file still serves this run: the language list writes the
    // file again right after start-up and tells the player once when that fails too.
    (void)WriteSettings(path, LangEnglish, state.GamePath);
    state.Lang = LangEnglish;
  }
}

bool SaveSettings(const AppState& state, const Platform& platform) {
  return WriteSettings(SettingsPath(platform), state.Lang, state.GamePath);
}

}  // namespace ks
