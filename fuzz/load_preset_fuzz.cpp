// The preset load on any file: at most one notice; without a notice the file stays and the
// favourite's numbers are the numbers its lines start with; with the damage notice it is gone.
#include <unistd.h>

#include <filesystem>

#include "fuzz_support.h"
#include "misc/numbers.h"
#include "model/messages.h"
#include "store/preset.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ks;
  test::FakePlatform platform(fuzz::Scratch());
  const std::string path = PresetPath(platform);
  fuzz::WriteBytes(path, reinterpret_cast<const char*>(data), size);
  AppState state;
  state.CurrentFav = 7;
  test::RecordingWindow window;
  LoadPreset(state, window, platform);
  fuzz::Require(window.notices.size() <= 1, "at most one notice");
  const bool exists = std::filesystem::exists(path);
  if (window.notices.empty()) {
    fuzz::Require(exists, "a preset that loaded stays");
  } else {
    fuzz::Require(window.notices[0] == Text(Msg::PresetDamaged, state.Lang), "only the damage notice");
    fuzz::Require(!exists, "a damaged preset is deleted");
  }
  for (std::size_t i = 0; i < state.Favs.size(); ++i) {
    if (i != 7) fuzz::Require(state.Favs[i] == FavRecord{}, "only the current favourite changes");
  }
  return 0;
}
