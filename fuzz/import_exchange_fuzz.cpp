// The exchange import on any file: exactly one notice, success or the unexpected-error notice;
// the list is redrawn only after success; codes are the numbers of their two-character fields.
#include <unistd.h>

#include "fuzz_support.h"
#include "model/messages.h"
#include "store/exchange.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ks;
  const std::string path = fuzz::Scratch() + "/IN.KJZ";
  fuzz::WriteBytes(path, reinterpret_cast<const char*>(data), size);
  AppState state;
  test::RecordingWindow window;
  test::FakePlatform platform(fuzz::Scratch());
  platform.pickAnswers.push_back(path);
  ImportExchangeFile(state, window, platform);
  fuzz::Require(window.notices.size() == 1, "exactly one notice");
  const std::string& notice = window.notices[0];
  const bool ok = notice.rfind(std::string(Text(Msg::FileImported, state.Lang)), 0) == 0;
  const bool failed = notice.rfind(std::string(Text(Msg::FileFailed, state.Lang)), 0) == 0;
  fuzz::Require(ok != failed, "the success or the error notice");
  fuzz::Require((window.count("refresh") == 1) == ok, "the list is redrawn exactly after success");
  for (const FavRecord& f : state.Favs) {
    fuzz::Require(f.Armor >= -9 && f.Armor <= 99, "a two-character field holds -9..99");
    fuzz::Require(f.Name.size() <= 18, "names are at most 18 bytes");
  }
  return 0;
}
