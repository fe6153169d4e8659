#include "ui/controls.h"

#include <gtest/gtest.h>

namespace ks::ui {
namespace {

TEST(ControlsTest, SelectionRaisesOnlyOnRealChange) {
  ListControl list(Kind::ListBox, "lstFav");
  int clicks = 0;
  list.onSelect = [&] { ++clicks; };
  list.add("a");
  list.add("b");
  list.select(1);
  list.select(1);
  EXPECT_EQ(clicks, 1);
  list.select(5);  // a list box has no entry 5: nothing happens
  EXPECT_EQ(list.value(), 1);
  EXPECT_EQ(clicks, 1);
  list.clear();  // clearing raises nothing and leaves no selection
  EXPECT_EQ(list.value(), -1);
  EXPECT_EQ(clicks, 1);
  list.select(0);  // the cleared list has no entry 0
  EXPECT_EQ(clicks, 1);
}

TEST(ControlsTest, DropDownKeepsACodeItDoesNotList) {
  ListControl combo(Kind::ComboBox, "cmbPack");
  combo.keepsMissingEntries = true;
  int clicks = 0;
  combo.onSelect = [&] { ++clicks; };
  for (int i = 0; i < 18; ++i) combo.add("item");
  combo.select(40);
  EXPECT_EQ(combo.value(), 40);
  EXPECT_EQ(combo.shownIndex(), -1);
  combo.select(40);
  EXPECT_EQ(clicks, 1);
  combo.select(3);
  EXPECT_EQ(combo.shownIndex(), 3);
  EXPECT_EQ(clicks, 2);
}

TEST(ControlsTest, TextChangeRaisesOnlyOnRealChange) {
  TextControl box(Kind::TextBox, "txtName");
  int changes = 0;
  box.onChange = [&] { ++changes; };
  box.setText("abc");
  box.setText("abc");
  box.setText("");
  EXPECT_EQ(changes, 2);
}

struct TwoControlForm : Form {
  Control frame{Kind::Frame, "frm"};
  Control button{Kind::Button, "cmd"};
  Control other{Kind::Button, "cmd2"};
  TwoControlForm() {
    add(frame);
    add(button, &frame);
    add(other);
  }
};

TEST(ControlsTest, ClicksNeedTheControlAndItsFramesLive) {
  TwoControlForm form;
  int clicks = 0;
  form.button.onClick = [&] { ++clicks; };
  form.button.click();
  form.frame.visible = false;
  form.button.click();
  form.frame.visible = true;
  form.button.enabled = false;
  form.button.click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form.find("cmd"), &form.button);
  EXPECT_LT(form.frame.z, form.other.z);
  form.frame.bringToFront();
  EXPECT_GT(form.frame.z, form.other.z);
}

}  // namespace
}  // namespace ks::ui
