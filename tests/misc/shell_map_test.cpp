#include "misc/shell_map.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "misc/paths.h"
#include "support/temp_dir.h"

namespace ks {
namespace {

using Kind = ShellCommand::Kind;
using Steps = std::vector<std::string>;

TEST(LaunchFolderStepsTest, WindowsMakesTheDriveThenTheGamedataFolderCurrent) {
  struct Case {
    std::string gamePath;
    Steps steps;
  };
  const Case cases[] = {
      {"D:\\Games\\Tribes2\\", {"D:", "\\Games\\Tribes2\\gamedata\\"}},
      {"c:\\", {"c:", "\\gamedata\\"}},
      {"E:\\Dynamix\\Tribes 2\\", {"E:", "\\Dynamix\\Tribes 2\\gamedata\\"}},
      // No drive letter: one step, never a bogus "\\" drive.
      {"\\\\server\\games\\T2\\", {"\\\\server\\games\\T2\\gamedata\\"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LaunchFolderSteps(c.gamePath, TargetOs::Windows), c.steps) << c.gamePath;
  }
}

TEST(LaunchFolderStepsTest, WindowsTakesAtMost999CharactersAfterTheDrive) {
  const std::string folder = "\\" + std::string(1200, 'a');
  const Steps steps = LaunchFolderSteps("D:" + folder, TargetOs::Windows);
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[1], folder.substr(0, 999) + "gamedata\\");
}

#ifndef _WIN32
TEST(LaunchFolderStepsTest, LinuxFindsTheGamedataFolderWhateverItsCase) {
  test::TempDir dir;
  std::filesystem::create_directories(ToFsPath(dir.file("T2/GameData/base")));
  const std::string game = dir.file("T2") + "/";
  EXPECT_EQ(LaunchFolderSteps(game, TargetOs::Linux), Steps{game + "GameData"});

  // A folder not there (yet) is named as the game names it; making it current then simply fails.
  const std::string other = dir.file("Other") + "/";
  EXPECT_EQ(LaunchFolderSteps(other, TargetOs::Linux), Steps{other + "gamedata"});
}
#endif

TEST(MapShellOpenTest, WindowsHandsFileAndParametersToTheShellAsGiven) {
  const std::pair<std::string, std::string> cases[] = {
      {"tribes2.exe", " -nologin"},
      {"sierraup.exe", ""},
      {"notepad.exe", "C:\\Kit Smith\\readme.txt"},
      {"https://qzw.example.org/", ""},
  };
  for (const auto& [file, params] : cases) {
    const ShellCommand cmd = MapShellOpen(file, params, TargetOs::Windows);
    EXPECT_EQ(cmd.kind, Kind::ShellExecute) << file;
    EXPECT_EQ(cmd.program, file);
    EXPECT_EQ(cmd.params, params);
  }
}

TEST(MapShellOpenTest, LinuxRunsProgramsThroughWineAndOpensDocumentsAndAddresses) {
  auto start = [](std::vector<std::string> args) {
    ShellCommand c;
    c.kind = Kind::Start;
    c.program = "wine";
    c.args = std::move(args);
    return c;
  };
  auto open = [](Kind kind, std::string target) {
    ShellCommand c;
    c.kind = kind;
    c.target = std::move(target);
    return c;
  };
  struct Case {
    std::string file, params;
    ShellCommand expected;
  };
  const Case cases[] = {
      {"tribes2.exe", " -nologin", start({"tribes2.exe", "-nologin"})},
      {"sierraup.exe", "", start({"sierraup.exe"})},
      {"Tribes2.EXE", "-a  \"b c\" d", start({"Tribes2.EXE", "-a", "b c", "d"})},
      // The read-me path is one argument to Notepad even with blanks in it.
      {"notepad.exe", "/home/p/Kit Smith/readme.txt",
       open(Kind::OpenDocument, "/home/p/Kit Smith/readme.txt")},
      {"NOTEPAD.EXE", "\"/opt/kit/readme.txt\"", open(Kind::OpenDocument, "/opt/kit/readme.txt")},
      {"notepad.exe", "", start({"notepad.exe"})},
      {"https://qzw.example.org/", "", open(Kind::OpenUrl, "https://qzw.example.org/")},
      {"HTTP://www.example.org/", "", open(Kind::OpenUrl, "HTTP://www.example.org/")},
      {"www.example.org", "", open(Kind::OpenUrl, "http://www.example.org")},
      {"/home/p/readme.txt", "", open(Kind::OpenDocument, "/home/p/readme.txt")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MapShellOpen(c.file, c.params, TargetOs::Linux), c.expected) << c.file << "|" << c.params;
  }
}

}  // namespace
}  // namespace ks
