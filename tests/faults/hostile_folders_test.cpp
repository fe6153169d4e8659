// Folders that refuse writes: locked with chattr +i (root ignores permission bits), and a disk
// that is full (a small tmpfs). Each write fails with one notice, loses nothing, and works again
// once the folder accepts writes. Cases the machine cannot set up skip and say why.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/settings.h"
#include "misc/paths.h"
#include "model/messages.h"
#include "prefs/import_export.h"
#include "store/preset.h"
#include "support/fake_platform.h"
#include "support/recording_window.h"
#include "support/temp_dir.h"

namespace ks {
namespace {
namespace fs = std::filesystem;

#ifndef _WIN32
}  // namespace
}  // namespace ks
#include <sys/mount.h>
namespace ks {
namespace {

// Makes a folder immutable for as long as it lives.
class Immutable {
 public:
  explicit Immutable(std::string path) : path_(std::move(path)) {
    ok_ = std::system(("chattr +i '" + path_ + "' 2>/dev/null").c_str()) == 0;
  }
  ~Immutable() { Release(); }
  void Release() {
    if (ok_) (void)std::system(("chattr -i '" + path_ + "'").c_str());
    ok_ = false;
  }
  bool ok() const { return ok_; }

 private:
  std::string path_;
  bool ok_ = false;
};

// A tmpfs of the given size mounted on a folder for as long as it lives.
class SmallDisk {
 public:
  SmallDisk(const std::string& path, const std::string& size) : path_(path) {
    fs::create_directories(ToFsPath(path));
    ok_ = ::mount("tmpfs", path.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
  }
  ~SmallDisk() {
    if (ok_) (void)::umount(path_.c_str());
  }
  bool ok() const { return ok_; }

 private:
  std::string path_;
  bool ok_ = false;
};

struct Env {
  test::TempDir dir;
  test::FakePlatform platform{dir.file("program")};
  test::RecordingWindow window;
  AppState state;
  std::string prefsFolder;

  Env() {
    fs::create_directories(ToFsPath(platform.folder));
    test::CopySampleGame(dir.file("game"));
    state.GamePath = WithTrailingSeparator(dir.file("game"));
    prefsFolder = dir.file("game") + "/gamedata/base/prefs";
    ImportFavs(state, window, platform);
    state.Favs[2].Name = "changed";
    window = test::RecordingWindow{};
  }
  std::string Notice() const { return window.notices.size() == 1 ? window.notices[0] : "<not one notice>"; }
};

TEST(HostileFolders, PosixOnly_LockedGameFolder) {
  Env e;
  const std::string before = test::ReadAll(ClientPrefsPath(e.state));
  Immutable lock(e.prefsFolder);
  if (!lock.ok()) GTEST_SKIP() << "chattr +i does not work on this file system";
  ExportFavs(e.state, e.window, e.platform);
  EXPECT_EQ(e.Notice(), Text(Msg::ExportFailed, LangEnglish));
  EXPECT_EQ(test::ReadAll(ClientPrefsPath(e.state)), before);
  lock.Release();
  e.window = test::RecordingWindow{};
  ExportFavs(e.state, e.window, e.platform);
  EXPECT_EQ(e.Notice(), Text(Msg::ExportSucceeded, LangEnglish));
  EXPECT_NE(test::ReadAll(ClientPrefsPath(e.state)), before);
}

TEST(HostileFolders, PosixOnly_LockedProgramFolder) {
  Env e;
  const std::string preset = PresetPath(e.platform);
  const std::string settings = SettingsPath(e.platform);
  test::WriteAll(preset, " 1\r\nold\r\n 1\r\n 0\r\n 0\r\n 0\r\n 0\r\n 99\r\n 99\r\n");
  test::WriteAll(settings, "Lang=E\r\nTribes2=/old/\r\n");
  const std::string prefs = test::ReadAll(ClientPrefsPath(e.state));
  Immutable lock(e.platform.folder);
  if (!lock.ok()) GTEST_SKIP() << "chattr +i does not work on this file system";

  SavePreset(e.state, e.window, e.platform);
  EXPECT_EQ(e.Notice(), Text(Msg::PresetSaveFailed, LangEnglish));
  e.window = test::RecordingWindow{};
  ExportFavs(e.state, e.window, e.platform);  // stops at the backup
  EXPECT_EQ(e.Notice(), Text(Msg::ExportFailed, LangEnglish));
  EXPECT_FALSE(SaveSettings(e.state, e.platform));

  EXPECT_EQ(test::ReadAll(preset), " 1\r\nold\r\n 1\r\n 0\r\n 0\r\n 0\r\n 0\r\n 99\r\n 99\r\n");
  EXPECT_EQ(test::ReadAll(settings), "Lang=E\r\nTribes2=/old/\r\n");
  EXPECT_EQ(test::ReadAll(ClientPrefsPath(e.state)), prefs);
  EXPECT_FALSE(fs::exists(ToFsPath(ClientPrefsTmpPath(e.state))));

  lock.Release();
  e.window = test::RecordingWindow{};
  SavePreset(e.state, e.window, e.platform);
  EXPECT_EQ(e.Notice(), Text(Msg::PresetSaved, LangEnglish));
  EXPECT_TRUE(SaveSettings(e.state, e.platform));
}

TEST(HostileFolders, PosixOnly_FullDiskUnderTheGame) {
  test::TempDir dir;
  const std::string game = dir.file("game");
  // tmpfs counts whole 4 KiB pages: the sample takes 16 KiB, so 64 KiB hold the preferences, their
  // temporary copy and the new version, but not once a filler of 20 KiB takes its share.
  SmallDisk disk(game, "64k");
  if (!disk.ok()) GTEST_SKIP() << "cannot mount a small tmpfs here (needs root and mount rights)";
  test::FakePlatform platform{dir.file("program")};
  fs::create_directories(ToFsPath(platform.folder));
  test::RecordingWindow window;
  AppState state;
  test::CopySampleGame(game);
  state.GamePath = WithTrailingSeparator(game);
  ImportFavs(state, window, platform);
  ASSERT_TRUE(state.ImportSucceeded);
  const std::string before = test::ReadAll(ClientPrefsPath(state));
  ASSERT_GT(before.size(), 12 * 1024u) << "the sample must fill four pages";
  ASSERT_LE(before.size(), 16 * 1024u) << "the sample must fill four pages";
  const std::string filler = game + "/filler";
  test::WriteAll(filler, std::string(20 * 1024, 'x'));

  window = test::RecordingWindow{};
  state.Favs[0].Name = "new name";
  ExportFavs(state, window, platform);
  ASSERT_EQ(window.notices.size(), 1u);
  EXPECT_EQ(window.notices[0], Text(Msg::ExportFailed, LangEnglish));
  EXPECT_EQ(test::ReadAll(ClientPrefsPath(state)), before);

  fs::remove(ToFsPath(filler));
  window = test::RecordingWindow{};
  ExportFavs(state, window, platform);
  ASSERT_EQ(window.notices.size(), 1u);
  EXPECT_EQ(window.notices[0], Text(Msg::ExportSucceeded, LangEnglish));
}
#endif

}  // namespace
}  // namespace ks
