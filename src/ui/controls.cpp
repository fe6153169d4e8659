#include "ui/controls.h"

namespace ks::ui {

void Control::bringToFront() {
  if (form_) z = ++form_->zCounter_;
}

bool Control::isLive() const {
  for (const Control* c = this; c; c = c->parent) {
    if (!c->visible || !c->enabled) return false;
  }
  return true;
}

void ListControl::select(int index) {
  if (!keepsMissingEntries && (index < -1 || index >= static_cast<int>(items.size()))) return;
  if (index == value_) return;
  value_ = index;
  if (onSelect) onSelect();
}

void TextControl::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  if (onChange) onChange();
}

Control* Form::find(const std::string& name) const {
  for (Control* c : controls_) {
    if (c->name() == name) return c;
  }
  return nullptr;
}

}  // namespace ks::ui
