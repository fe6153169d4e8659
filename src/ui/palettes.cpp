// The armour and weapon picture palettes.
#include "ui/editor.h"

namespace ks::ui {

void Editor::picArmor_Click() {}

void Editor::picWeapon_Click(int /*i*/) {}

void Editor::picDrop_Click(int /*k*/) {}

}  // namespace ks::ui
