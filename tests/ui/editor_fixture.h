#pragma once
// An editor on a FakePlatform with the two item lists filled, as after the language has been
// applied, and the favourite list holding the twenty entries, as after an import.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/messages.h"
#include "support/fake_platform.h"
#include "ui/editor.h"

namespace ks::test {

class EditorFixture : public ::testing::Test {
 protected:
  EditorFixture() {
    for (int i = 0; i < 18; ++i) f.cmbPack.add("pack " + std::to_string(i));
    for (int i = 0; i < 6; ++i) f.cmbGren.add("gren " + std::to_string(i));
    for (int i = 0; i < FavCount; ++i) editor.FavListAppend(FavListEntry(state.Favs, i));
  }

  FavRecord& fav(int i) { return state.Favs[static_cast<std::size_t>(i)]; }

  // User actions run, in order, one per pass of the next waits.
  void then(std::function<void()> action) { platform.actions.push_back(std::move(action)); }
  void thenPressOk() {
    then([this] { f.cmdErrorOK.click(); });
  }

  std::string english(Msg id) const { return std::string(Text(id, LangEnglish)); }

  AppState state;
  FakePlatform platform;
  ui::Editor editor{state, platform};
  ui::MainForm& f = editor.form();
};

}  // namespace ks::test
