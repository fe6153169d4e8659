#pragma once
// A WindowOps for the file subsystems' tests: records every call in order, keeps the favourite
// list's entries and selection, and returns from ShowNotice at once (as if OK had been pressed).

#include <string>
#include <vector>

#include "ui/window_ops.h"

namespace ks::test {

class RecordingWindow : public WindowOps {
 public:
  std::vector<std::string> notices;
  // Every call in order: "notice <text>", "lock", "unlock", "showfav", "refresh", "clear",
  // "append <entry>", "select <i>", "language".
  std::vector<std::string> calls;
  std::vector<std::string> entries;
  int selected = -1;

  void ShowNotice(const std::string& text) override {
    notices.push_back(text);
    calls.push_back("notice " + text);
  }
  void LockControls() override { calls.push_back("lock"); }
  void UnlockControls() override { calls.push_back("unlock"); }
  void ShowFav() override { calls.push_back("showfav"); }
  void RefreshFavList() override { calls.push_back("refresh"); }
  void FavListClear() override {
    calls.push_back("clear");
    entries.clear();
    selected = -1;
  }
  void FavListAppend(const std::string& entry) override {
    calls.push_back("append " + entry);
    entries.push_back(entry);
  }
  void FavListSelect(int index) override {
    calls.push_back("select " + std::to_string(index));
    if (index >= 0 && index < static_cast<int>(entries.size())) selected = index;
  }
  void ApplyLanguage() override { calls.push_back("language"); }

  int count(const std::string& call) const {
    int n = 0;
    for (const auto& c : calls) n += c == call ? 1 : 0;
    return n;
  }
};

}  // namespace ks::test
