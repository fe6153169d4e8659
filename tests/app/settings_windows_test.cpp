// The settings file as Windows writes it: the game folder in the ANSI code page, with drive letter
// and backslashes, often without the trailing backslash.
#ifdef _WIN32

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "app/settings.h"
#include "misc/paths.h"
#include "support/fake_platform.h"
#include "support/recording_window.h"
#include "support/temp_dir.h"

namespace ks {
namespace {

TEST(WindowsSettingsTest, WindowsOnly_StoredGameFolderGetsItsBackslash) {
  AppState state;
  ApplySettingsLine("Tribes2=C:\\Games\\Tribes2", state);
  EXPECT_EQ(state.GamePath, "C:\\Games\\Tribes2");

  // Start-up completes it before looking for the game below it.
  test::TempDir program;
  test::TempDir games;
  const bool ansi1252 = GetACP() == 1252;
  // "Spiele Ä" where the code page can hold it.
  const std::string game = games.file(ansi1252 ? "Spiele \xC3\x84" : "Spiele");
  test::WriteAll(JoinGamePath(WithTrailingSeparator(game), {"gamedata", "base", "prefs", "ClientPrefs.cs"}),
                 "");
  ASSERT_EQ(game.substr(1, 2), ":\\") << game;
  test::WriteAll(program.file("kitsmith.dat"), "Lang=D\r\nTribes2=" + PathToFileText(game) + "\r\n");
  if (ansi1252) {
    EXPECT_NE(test::ReadAll(program.file("kitsmith.dat")).find("Spiele \xC4\r\n"), std::string::npos);
  }

  test::FakePlatform platform{program.path()};
  test::RecordingWindow window;
  LoadSettings(state, window, platform, {});
  EXPECT_EQ(state.GamePath, game + "\\");
  EXPECT_EQ(state.Lang, LangGerman);
  EXPECT_TRUE(platform.log.empty()) << "no folder browser";
  EXPECT_EQ(window.calls, std::vector<std::string>{"language"});
}

}  // namespace
}  // namespace ks

#endif  // _WIN32
