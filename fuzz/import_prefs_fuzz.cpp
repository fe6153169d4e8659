// The import from the game, on whole-file bytes: whatever the file holds, the import ends either
// with twenty list entries and no notice, or with exactly one import-error notice and an empty
// list; it never asks to quit while the file exists.
#include <unistd.h>

#include "fuzz_support.h"
#include "model/messages.h"
#include "prefs/import_export.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ks;
  const std::string root = fuzz::Scratch() + "/game/";
  fuzz::WriteBytes(root + "gamedata/base/prefs/ClientPrefs.cs", reinterpret_cast<const char*>(data), size);
  AppState state;
  state.GamePath = root;
  test::RecordingWindow window;
  test::FakePlatform platform(fuzz::Scratch());
  try {
    ImportFavs(state, window, platform);
  } catch (const test::QuitCalled&) {
    fuzz::Require(false, "an existing file never ends the program");
  }
  if (state.ImportSucceeded) {
    fuzz::Require(window.notices.empty(), "a successful import shows nothing");
    fuzz::Require(window.entries.size() == 20, "a successful import lists twenty favourites");
    for (const FavRecord& f : state.Favs) {
      fuzz::Require(f.Armor >= 0 && f.Armor <= 3, "armour is a parsed code");
      fuzz::Require(f.Pack >= 0 && f.Pack <= 17 && f.Gren >= 0 && f.Gren <= 5, "pack and grenade are codes");
    }
  } else {
    fuzz::Require(window.notices.size() == 1, "a failed import shows exactly one notice");
    fuzz::Require(window.notices[0] == Text(Msg::ImportFailed, state.Lang), "the import-error notice");
    fuzz::Require(window.entries.empty(), "a failed import leaves the list empty");
  }
  return 0;
}
