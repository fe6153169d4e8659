// Every write path, failed at every line of every file it writes (and at open, flush, close and
// the final rename): afterwards each file the player had holds either its previous bytes or a
// complete new copy, the game's preferences hold their previous bytes, exactly one notice came,
// and the same operation succeeds once the fault is gone.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "app/settings.h"
#include "misc/paths.h"
#include "misc/text_file.h"
#include "model/messages.h"
#include "prefs/import_export.h"
#include "store/exchange.h"
#include "store/preset.h"
#include "support/fake_platform.h"
#include "support/recording_window.h"
#include "support/temp_dir.h"
#include "ui/editor.h"

namespace ks {
namespace {
namespace fs = std::filesystem;

// A game folder with the sample, a program folder, and the favourites imported from the game.
struct Env {
  test::TempDir dir;
  test::FakePlatform platform{dir.file("program")};
  test::RecordingWindow window;
  AppState state;

  Env() {
    fs::create_directories(ToFsPath(platform.folder));
    test::CopySampleGame(dir.file("game"));
    state.GamePath = WithTrailingSeparator(dir.file("game"));
    ImportFavs(state, window, platform);
    EXPECT_TRUE(state.ImportSucceeded);
    state.Favs[4].Name = "renamed";  // so that every write has something new to say
    state.CurrentFav = 4;
    window = test::RecordingWindow{};
  }
};

struct WritePath {
  const char* name;
  // The files the operation writes, in the order it opens them.
  std::function<std::vector<std::string>(Env&)> files;
  // Runs the operation; returns the notice count it is expected to leave (always one here).
  std::function<void(Env&)> run;
  // Whether the last notice says the operation succeeded.
  std::function<bool(Env&)> succeeded;
};

bool StartsWith(const std::string& s, std::string_view prefix) {
  return s.rfind(std::string(prefix), 0) == 0;
}

std::vector<WritePath> Paths() {
  return {
      {"export to the game",
       [](Env& e) {
         return std::vector<std::string>{ClientPrefsBackupPath(e.platform), ClientPrefsTmpPath(e.state),
                                         ClientPrefsPath(e.state)};
       },
       [](Env& e) { ExportFavs(e.state, e.window, e.platform); },
       [](Env& e) { return e.window.notices.back() == Text(Msg::ExportSucceeded, e.state.Lang); }},
      {"preset save", [](Env& e) { return std::vector<std::string>{PresetPath(e.platform)}; },
       [](Env& e) { SavePreset(e.state, e.window, e.platform); },
       [](Env& e) { return e.window.notices.back() == Text(Msg::PresetSaved, e.state.Lang); }},
      {"exchange export", [](Env& e) { return std::vector<std::string>{e.dir.file("program/OUT.KJZ")}; },
       [](Env& e) {
         e.platform.pickAnswers.push_back(e.dir.file("program/OUT.KJZ"));
         ExportExchangeFile(e.state, e.window, e.platform);
       },
       [](Env& e) { return StartsWith(e.window.notices.back(), Text(Msg::FileExported, e.state.Lang)); }},
      {"settings (language list)", [](Env& e) { return std::vector<std::string>{SettingsPath(e.platform)}; },
       [](Env& e) {
         // The editor's own language handler writes the file and shows its notice on failure.
         ui::Editor editor(e.state, e.platform);
         editor.form().cmbLang.add("ENGLISH");
         editor.form().cmbLang.add("DEUTSCH");
         const int beeps = e.platform.beeps;
         e.platform.actions.push_back([&editor] { editor.form().cmdErrorOK.click(); });
         editor.form().cmbLang.select(e.state.Lang == LangEnglish ? LangGerman : LangEnglish);
         e.platform.actions.clear();
         EXPECT_LE(e.platform.beeps - beeps, 1) << "one notice at most";
         e.window.ShowNotice(e.platform.beeps > beeps ? editor.form().lblError.caption : "saved");
       },
       [](Env& e) { return e.window.notices.back() == "saved"; }},
  };
}

// Byte offsets at which each line of `bytes` begins, plus one inside the first line.
std::vector<std::size_t> LineStarts(const std::string& bytes) {
  std::vector<std::size_t> starts{0};
  if (bytes.size() > 3) starts.push_back(3);
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (bytes[i] == '\r' && bytes[i + 1] == '\n' && i + 2 < bytes.size()) starts.push_back(i + 2);
  }
  return starts;
}

bool LeftoverSiblings(const Env& e) {
  for (const auto& entry : fs::recursive_directory_iterator(ToFsPath(e.dir.path()))) {
    if (entry.path().string().find(".kitsmith-new") != std::string::npos) return true;
  }
  return false;
}

// Gives each file the tool writes an earlier version; the game's preferences stay the sample.
void Seed(Env& e, const std::string& file) {
  if (file != ClientPrefsPath(e.state)) test::WriteAll(file, "previous " + file + "\r\n");
}

std::string ReadOr(const std::string& path, const std::string& missing) {
  return fs::exists(ToFsPath(path)) ? test::ReadAll(path) : missing;
}

TEST(FaultSweep, NoWriteFailureLosesAFile) {
  for (const WritePath& wp : Paths()) {
    // One clean run tells what each file holds when the write succeeds.
    std::vector<std::string> complete;
    {
      Env e;
      for (const std::string& f : wp.files(e)) Seed(e, f);
      wp.run(e);
      ASSERT_TRUE(wp.succeeded(e)) << wp.name;
      for (const std::string& f : wp.files(e)) complete.push_back(test::ReadAll(f));
    }
    int faults = 0, lost = 0;
    for (std::size_t index = 0; index < complete.size(); ++index) {
      std::vector<WriteFault> faultsHere;
      for (auto at :
           {WriteFault::At::Open, WriteFault::At::Sync, WriteFault::At::Close, WriteFault::At::Replace}) {
        faultsHere.push_back({at, 0, 28, static_cast<int>(index)});
      }
      for (std::size_t offset : LineStarts(complete[index])) {
        faultsHere.push_back({WriteFault::At::AfterBytes, offset, 28, static_cast<int>(index)});
      }
      for (const WriteFault& fault : faultsHere) {
        Env e;
        const std::vector<std::string> files = wp.files(e);
        std::vector<std::string> before;
        for (const std::string& f : files) {
          Seed(e, f);
          before.push_back(test::ReadAll(f));
        }
        const std::string prefsBefore = test::ReadAll(ClientPrefsPath(e.state));
        {
          WriteFaultScope scope(fault);
          wp.run(e);
          ASSERT_EQ(scope.Fired(), 1) << wp.name << " file " << index << " offset " << fault.bytes;
        }
        ++faults;
        const std::string where = std::string(wp.name) + ", file " + std::to_string(index) + ", fault " +
                                  std::to_string(static_cast<int>(fault.at)) + " at byte " +
                                  std::to_string(fault.bytes);
        EXPECT_EQ(e.window.notices.size(), 1u) << where;
        EXPECT_FALSE(wp.succeeded(e)) << where;
        bool fine = test::ReadAll(ClientPrefsPath(e.state)) == prefsBefore && !LeftoverSiblings(e);
        for (std::size_t i = 0; i < files.size(); ++i) {
          const std::string now = ReadOr(files[i], "<missing>");
          // Files opened before the failing one are complete copies; the failing one and any after
          // it keep their previous bytes.
          fine = fine && (i < index ? now == complete[i] : now == before[i]);
        }
        EXPECT_TRUE(fine) << where;
        lost += fine ? 0 : 1;
        // Once the fault is gone, the same operation succeeds.
        e.window = test::RecordingWindow{};
        wp.run(e);
        EXPECT_TRUE(wp.succeeded(e)) << where;
      }
    }
    std::cout << "[ figures  ] " << wp.name << ": " << faults << " injected faults, " << lost
              << " files lost or changed\n";
  }
}

}  // namespace
}  // namespace ks
