#include "ui/editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "support/fake_platform.h"

namespace ks::ui {
namespace {

TEST(MainFormTest, EveryControlHasAUniqueNameAndFramesComeFirst) {
  AppState state;
  test::FakePlatform platform;
  Editor editor(state, platform);
  const MainForm& f = editor.form();
  std::set<std::string> names;
  for (std::size_t i = 0; i < f.controls().size(); ++i) {
    const Control* c = f.controls()[i];
    EXPECT_TRUE(names.insert(c->name()).second) << c->name();
    if (c->parent) {
      auto parentAt = std::find(f.controls().begin(), f.controls().end(), c->parent) - f.controls().begin();
      EXPECT_LT(static_cast<std::size_t>(parentAt), i) << c->name();
    }
  }
  EXPECT_NE(f.find("picWeapon(4)"), nullptr);
  EXPECT_NE(f.find("picDrop(9)"), nullptr);
  EXPECT_EQ(f.width, 9945);
  EXPECT_EQ(f.height, 7305);
}

}  // namespace
}  // namespace ks::ui
