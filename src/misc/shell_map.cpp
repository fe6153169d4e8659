#include "misc/shell_map.h"

#include <string_view>

#include "misc/paths.h"

namespace ks {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (Lower(text[i]) != prefix[i]) return false;
  }
  return true;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && StartsWithNoCase(text.substr(text.size() - suffix.size()), suffix);
}

bool HasDriveLetter(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// The file name after the last folder separator of either kind.
std::string_view BaseName(std::string_view path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

}  // namespace

std::vector<std::string> LaunchFolderSteps(const std::string& gamePath, TargetOs os) {
  if (os == TargetOs::Linux) return {JoinGamePath(gamePath, {"gamedata"})};
  if (!HasDriveLetter(gamePath)) {
    // Without a drive letter the two steps would make "\\" a drive; the folder alone is enough.
    return {gamePath + "gamedata\\"};
  }
  // At most 999 characters after the drive, as the game's folder is taken on Windows.
  return {gamePath.substr(0, 2), gamePath.substr(2, 999) + "gamedata\\"};
}

std::vector<std::string> SplitParams(const std::string& params) {
  std::vector<std::string> args;
  std::string current;
  bool inArg = false;
  bool quoted = false;
  for (char c : params) {
    if (c == '"') {
      quoted = !quoted;
      inArg = true;  // "" is an empty argument
    } else if (!quoted && (c == ' ' || c == '\t')) {
      if (inArg) args.push_back(current);
      current.clear();
      inArg = false;
    } else {
      current += c;
      inArg = true;
    }
  }
  if (inArg) args.push_back(current);
  return args;
}

bool IsWebAddress(const std::string& text) {
  for (std::string_view prefix : {"http://", "https://", "ftp://", "mailto:", "www."}) {
    if (StartsWithNoCase(text, prefix)) return true;
  }
  return false;
}

ShellCommand MapShellOpen(const std::string& file, const std::string& params, TargetOs os) {
  ShellCommand cmd;
  if (os == TargetOs::Windows) {
    cmd.kind = ShellCommand::Kind::ShellExecute;
    cmd.program = file;
    cmd.params = params;
    return cmd;
  }
  if (IsWebAddress(file)) {
    cmd.kind = ShellCommand::Kind::OpenUrl;
    cmd.target = StartsWithNoCase(file, "www.") ? "http://" + file : file;
    return cmd;
  }
  const std::string_view name = BaseName(file);
  if (name.size() == 11 && StartsWithNoCase(name, "notepad.exe") && !params.empty()) {
    // Notepad reads its whole command line as one file name, blanks included, quoted or not.
    cmd.kind = ShellCommand::Kind::OpenDocument;
    const bool quoted = params.size() >= 2 && params.front() == '"' && params.back() == '"';
    cmd.target = quoted ? params.substr(1, params.size() - 2) : params;
    return cmd;
  }
  if (EndsWithNoCase(file, ".exe")) {
    cmd.kind = ShellCommand::Kind::Start;
    cmd.program = "wine";
    cmd.args.push_back(file);
    for (std::string& a : SplitParams(params)) cmd.args.push_back(std::move(a));
    return cmd;
  }
  cmd.kind = ShellCommand::Kind::OpenDocument;
  cmd.target = file;
  return cmd;
}

}  // namespace ks
