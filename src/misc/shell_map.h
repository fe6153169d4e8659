#pragma once
// How the tool's few shell actions map onto a desktop. Pure functions of their input and the target
// system, so that both mappings can be checked on any machine; the platform carries them out.

#include <string>
#include <vector>

namespace ks {

enum class TargetOs { Windows, Linux };

constexpr TargetOs RunningOs() {
#ifdef _WIN32
  return TargetOs::Windows;
#else
  return TargetOs::Linux;
#endif
}

// The folders to make current, in order, before the game's programs are started by name from its
// gamedata folder. Windows: the drive ("D:"), then the folder on it ("\Games\Tribes2\gamedata\"),
// or the whole gamedata folder at once when the game folder has no drive letter (a network path).
// Linux: the game's gamedata folder, spelled as it is on disk.
std::vector<std::string> LaunchFolderSteps(const std::string& gamePath, TargetOs os);

struct ShellCommand {
  enum class Kind {
    ShellExecute,  // Windows: hand `program` and `params` to the shell as they are
    Start,         // start `program` with `args`, detached, in the current folder
    OpenDocument,  // open the file `target` in the desktop's viewer for it
    OpenUrl,       // open the web address `target` in the user's browser
  };
  Kind kind = Kind::ShellExecute;
  std::string program;
  std::string params;             // ShellExecute only; empty means none
  std::vector<std::string> args;  // Start only
  std::string target;             // OpenDocument and OpenUrl

  bool operator==(const ShellCommand&) const = default;
};

// What opening `file` with the parameter text `params` means on the target system. On Linux a
// Windows program runs through Wine with the parameters split into arguments, Notepad's document is
// opened in the desktop's text viewer, and a web address goes to the browser.
ShellCommand MapShellOpen(const std::string& file, const std::string& params, TargetOs os);

// The parameter text split into arguments the way a Windows program reads its command line:
// blanks separate, double quotes group and are dropped.
std::vector<std::string> SplitParams(const std::string& params);

// True for http, https, ftp and mailto addresses and for a bare "www." address.
bool IsWebAddress(const std::string& text);

}  // namespace ks
