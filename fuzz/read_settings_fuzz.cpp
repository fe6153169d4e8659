// The settings read on any file: the language stays 0 or 1 and the folder stays within its cut.
#include <unistd.h>

#include "app/settings.h"
#include "fuzz_support.h"
#include "misc/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ks;
  const std::string path = fuzz::Scratch() + "/kitsmith.dat";
  fuzz::WriteBytes(path, reinterpret_cast<const char*>(data), size);
  AppState state;
  const bool read = ReadSettings(path, state);
  fuzz::Require(read == (size > 0), "a file with bytes has at least one line");
  fuzz::Require(state.Lang == 0 || state.Lang == 1, "the language is 0 or 1");
  fuzz::Require(state.GamePath.size() <= MaxStoredPathLength, "the folder is cut at 999 bytes");
  (void)HoldsGame(WithTrailingSeparator(state.GamePath));
  return 0;
}
