#pragma once
// Paths are UTF-8 text inside the program and become std::filesystem::path only at the file API.

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace ks {

#ifdef _WIN32
inline constexpr char NativeSeparator = '\\';
#else
inline constexpr char NativeSeparator = '/';
#endif

std::filesystem::path ToFsPath(const std::string& utf8);
std::string FromFsPath(const std::filesystem::path& path);

// True when the text ends with a folder separator of this platform ('/' always counts; on Windows
// '\\' too).
bool EndsWithSeparator(std::string_view path);

// Appends the native separator unless the text already ends with one. An empty text becomes the
// separator alone: the root of the current drive.
std::string WithTrailingSeparator(std::string path);

// Joins a folder that ends with a separator (the game folder) and the game's relative components,
// with the native separator. On a case-sensitive file system each component is looked up
// case-insensitively below what has been found so far (a game copied from Windows or living in a
// Wine prefix spells "GameData", "Base" or "Prefs" as it likes); a component that does not exist
// in any spelling is used as given.
std::string JoinGamePath(const std::string& folder, std::initializer_list<std::string_view> components);

// A path as it is stored in the tool's own text files: in the encoding the file system uses, the
// ANSI code page on Windows and UTF-8 elsewhere. A character the code page cannot hold becomes '?'.
std::string PathToFileText(const std::string& utf8);
std::string PathFromFileText(const std::string& bytes);

// Joins a folder without trailing separator (the program folder) and one file name.
std::string JoinFile(const std::string& folder, std::string_view name);

}  // namespace ks
