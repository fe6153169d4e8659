// What only Windows can get wrong: its file names, its current drive, its sharing of open files and
// its ANSI code page.
#ifdef _WIN32

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "misc/file_exists.h"
#include "misc/paths.h"
#include "misc/shell_map.h"
#include "misc/text_file.h"
#include "support/temp_dir.h"

namespace ks {
namespace {
namespace fs = std::filesystem;

std::wstring Wide(const std::string& utf8) { return ToFsPath(utf8).wstring(); }

// Another program holding the file open, as the running game holds its preferences.
class OpenHandle {
 public:
  OpenHandle(const std::string& path, DWORD share)
      : handle_(CreateFileW(Wide(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~OpenHandle() { Close(); }
  OpenHandle(const OpenHandle&) = delete;
  OpenHandle& operator=(const OpenHandle&) = delete;
  bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }
  void Close() {
    if (ok()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

TEST(WindowsFilesTest, WindowsOnly_FileHeldOpenByAnotherProgramIsReportedAndKept) {
  const struct {
    const char* what;
    DWORD share;
  } cases[] = {
      {"shares reading only", FILE_SHARE_READ},
      {"shares reading and writing, not deleting", FILE_SHARE_READ | FILE_SHARE_WRITE},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    const std::string path = dir.file("ClientPrefs.cs");
    test::WriteAll(path, "$pref::FavNames0 = \"Mine\";\r\n");
    OpenHandle game(path, c.share);
    ASSERT_TRUE(game.ok()) << c.what << ": error " << GetLastError();

    std::string error;
    EXPECT_FALSE(WriteLinesAtomically(path, {"$pref::FavNames0 = \"New\";"}, &error)) << c.what;
    EXPECT_NE(error.find("ClientPrefs.cs"), std::string::npos) << c.what << ": " << error;
    game.Close();
    EXPECT_EQ(test::ReadAll(path), "$pref::FavNames0 = \"Mine\";\r\n") << c.what;
    EXPECT_FALSE(fs::exists(ToFsPath(path + ".kitsmith-new"))) << c.what;

    // Once the game has let go, the same write replaces the file.
    EXPECT_TRUE(WriteLinesAtomically(path, {"new"})) << c.what;
    EXPECT_EQ(test::ReadAll(path), "new\r\n") << c.what;
  }
}

TEST(WindowsFilesTest, WindowsOnly_FileExistsTakesWindowsSpellings) {
  test::TempDir dir;
  test::WriteAll(dir.file("Prefs.cs"), "x");
  test::WriteAll(dir.file("Spiel \xC3\x84\xE2\x82\xAC.cs"), "x");  // "Spiel Ä€.cs"
  fs::create_directories(ToFsPath(dir.file("gamedata")));
  std::string forward = dir.file("Prefs.cs");
  for (char& ch : forward) {
    if (ch == '\\') ch = '/';
  }
  const struct {
    std::string path;
    bool exists;
  } cases[] = {
      {dir.file("Prefs.cs"), true},
      {dir.file("PREFS.CS"), true},  // names ignore case
      {forward, true},
      {dir.file("Spiel \xC3\x84\xE2\x82\xAC.cs"), true},
      {dir.file("Spiel A\xE2\x82\xAC.cs"), false},
      {dir.file("gamedata"), false},
      {dir.file("gamedata\\"), false},
      {dir.file("Prefs.cs\\below"), false},
      {dir.file("missing.cs"), false},
  };
  for (const auto& c : cases) EXPECT_EQ(FileExists(c.path), c.exists) << c.path;
}

TEST(WindowsPathsTest, WindowsOnly_GameFolderGetsItsBackslash) {
  const struct {
    const char* folder;
    const char* expected;
  } cases[] = {
      {"C:\\Games\\Tribes2", "C:\\Games\\Tribes2\\"},
      {"C:\\Games\\Tribes2\\", "C:\\Games\\Tribes2\\"},
      {"C:/Games/Tribes2/", "C:/Games/Tribes2/"},  // a forward slash is a separator here too
      {"D:", "D:\\"},
      {"\\\\server\\games\\Tribes2", "\\\\server\\games\\Tribes2\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithTrailingSeparator(c.folder), c.expected) << c.folder;
  EXPECT_EQ(JoinGamePath("C:\\Games\\Tribes2\\", {"gamedata", "base", "prefs", "ClientPrefs.TMP"}),
            "C:\\Games\\Tribes2\\gamedata\\base\\prefs\\ClientPrefs.TMP");
}

// Makes the folder current again at the end, whatever the test did.
class KeepCurrentFolder {
 public:
  KeepCurrentFolder() : saved_(fs::current_path()) {}
  ~KeepCurrentFolder() {
    std::error_code ec;
    fs::current_path(saved_, ec);
  }

 private:
  fs::path saved_;
};

TEST(WindowsLaunchTest, WindowsOnly_DriveThenFolderReachesTheGamedataFolder) {
  EXPECT_EQ(LaunchFolderSteps("D:\\Games\\Tribes2\\", RunningOs()),
            (std::vector<std::string>{"D:", "\\Games\\Tribes2\\gamedata\\"}));

  // The two steps, taken for real: first the drive, then the folder on it. Another folder of
  // another drive is current before, as when the tool was started from elsewhere.
  test::TempDir dir;
  const std::string game = dir.file("Tribes 2");
  fs::create_directories(ToFsPath(JoinFile(game, "gamedata")));
  const std::vector<std::string> steps = LaunchFolderSteps(WithTrailingSeparator(game), RunningOs());
  ASSERT_EQ(steps.size(), 2u);
  ASSERT_EQ(steps[0].size(), 2u);
  ASSERT_EQ(steps[0][1], ':');

  KeepCurrentFolder keep;
  wchar_t windows[MAX_PATH] = {};
  ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 0u);
  const fs::path otherDrive = fs::path(windows).root_path();
  if (otherDrive.wstring().substr(0, 2) != Wide(steps[0])) fs::current_path(otherDrive);
  for (const std::string& step : steps) {
    ASSERT_TRUE(SetCurrentDirectoryW(Wide(step).c_str())) << step << ": error " << GetLastError();
  }
  EXPECT_TRUE(fs::equivalent(fs::current_path(), ToFsPath(JoinFile(game, "gamedata"))))
      << FromFsPath(fs::current_path());
}

TEST(WindowsPathsTest, WindowsOnly_StoredPathsUseTheAnsiCodePageWithoutLookAlikes) {
  if (GetACP() != 1252) GTEST_SKIP() << "the ANSI code page here is " << GetACP() << ", not 1252";
  const struct {
    const char* utf8;
    const char* ansi;
  } cases[] = {
      {"C:\\Spiele\\Tribes2", "C:\\Spiele\\Tribes2"},
      {"C:\\Spiele \xC3\x84\xE2\x82\xAC\\", "C:\\Spiele \xC4\x80\\"},  // Ä €
      {"C:\\\xE6\x97\xA5\\", "C:\\?\\"},                               // a CJK character
      {"C:\\a\xEF\xBC\xBC"
       "b",
       "C:\\a?b"},  // fullwidth backslash, no separator
      {"C:\\\xC5\x81"
       "odz",
       "C:\\?odz"},  // Ł, not L
  };
  for (const auto& c : cases) EXPECT_EQ(PathToFileText(c.utf8), c.ansi) << c.utf8;
  EXPECT_EQ(PathFromFileText("C:\\Spiele \xC4\x80\\"), "C:\\Spiele \xC3\x84\xE2\x82\xAC\\");
  EXPECT_EQ(PathFromFileText(""), "");
}

}  // namespace
}  // namespace ks

#endif  // _WIN32
