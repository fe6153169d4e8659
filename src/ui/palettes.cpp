// The armour and weapon picture palettes.
#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "app/language.h"
#include "model/messages.h"
#include "model/rules.h"
#include "ui/editor.h"

namespace ks::ui {
namespace {

constexpr std::array<Pic, 3> ArmourPics{Pic::Light, Pic::Medium, Pic::Heavy};
constexpr std::array<Pic, DropPictureCount> WeaponPics{
    Pic::Blaster, Pic::Chaingun, Pic::Spinfusor, Pic::Plasma,     Pic::Grenade,
    Pic::Missile, Pic::Fusion,   Pic::Elf,       Pic::Shocklance, Pic::Laser};

// The controls a palette keeps from being used while it is open.
void DisableAroundPalette(MainForm& f) {
  f.cmbGren.enabled = false;
  f.lstFav.enabled = false;
  f.cmbPack.enabled = false;
  for (int i = 0; i < WeaponPictureCount; ++i) f.picWeapon(i).enabled = false;
}

}  // namespace

void Editor::picArmor_Click() {
  if (!FavSelected) {
    ShowNotice(std::string(Text(Msg::SelectFavouriteFirst, state_.Lang)));
    return;
  }
  MainForm& f = form_;
  const double L = f.picArmor.left, T = f.picArmor.top, W = f.picArmor.width, H = f.picArmor.height;
  PaletteKind = 1;
  for (int k = 0; k < 3; ++k) f.picDrop(k).picture = ArmourPics[static_cast<std::size_t>(k)];
  // Weapon pictures left over from a weapon palette that was never picked from would otherwise
  // stay clickable and be read as armour kinds 4 to 10.
  for (int k = 3; k < DropPictureCount; ++k) f.picDrop(k).visible = false;
  DisableAroundPalette(f);
  f.shpDrop.bringToFront();
  for (int k = 0; k < 3; ++k) {
    f.picDrop(k).move(L + (k - 1) * W, T);
    f.picDrop(k).tooltip = std::string(lang::Pick(lang::ArmourPaletteTooltip(k), state_.Lang));
  }
  f.shpDrop.move(L - W - 8 * TwipsPerPixelX, T - 8 * TwipsPerPixelY);
  f.shpDrop.width = 3 * W + 15 * TwipsPerPixelX;
  f.shpDrop.height = H + 15 * TwipsPerPixelY;
  for (int k = 0; k < 3; ++k) {
    f.picDrop(k).visible = true;
    f.picDrop(k).bringToFront();
  }
  f.shpDrop.visible = true;
}

void Editor::picWeapon_Click(int i) {
  if (!FavSelected) {
    ShowNotice(std::string(Text(Msg::SelectFavouriteFirst, state_.Lang)));
    return;
  }
  MainForm& f = form_;
  LockControls();
  PaletteKind = 2;
  PaletteSlot = i;
  for (int k = 0; k < DropPictureCount; ++k) {
    f.picDrop(k).picture = WeaponPics[static_cast<std::size_t>(k)];
    f.picDrop(k).tooltip = std::string(lang::Pick(lang::WeaponPaletteTooltip(k), state_.Lang));
  }
  DisableAroundPalette(f);
  f.shpDrop.bringToFront();

  // Slots 3 and 4 open at the height of slot 2, so that the grid stays inside the window.
  const double m = std::round(f.picWeapon(i <= 2 ? i : 2).top);
  const double L = f.picWeapon(i).left;
  const double w = PalettePicWidth, h = PalettePicHeight;
  for (int k = 0; k < DropPictureCount; ++k) {
    const int row = k / 4, column = k % 4;  // column 0 is the rightmost
    f.picDrop(k).move(L - column * w - w / 2, m + row * h);
  }
  f.shpDrop.width = 4 * w + 15 * TwipsPerPixelX;
  f.shpDrop.height = 3 * h + 15 * TwipsPerPixelY;
  f.shpDrop.move(L - 3.5 * w - 8 * TwipsPerPixelX, m - 8 * TwipsPerPixelY);
  for (int k = 0; k < DropPictureCount; ++k) {
    f.picDrop(k).visible = true;
    f.picDrop(k).bringToFront();
  }
  f.shpDrop.visible = true;
}

void Editor::picDrop_Click(int k) {
  MainForm& f = form_;
  UnlockControls();
  for (int n = 0; n < DropPictureCount; ++n) f.picDrop(n).visible = false;
  for (int i = 0; i < WeaponPictureCount; ++i) f.picWeapon(i).enabled = true;

  FavRecord& fav = state_.current();
  if (PaletteKind == 1) {
    // No rule and no notice: a new armour starts the loadout afresh, the same armour too.
    ResetForArmor(fav, static_cast<ArmorKind>(k + 1));
    ShowFav();
    return;
  }
  const auto code = static_cast<WeaponCode>(k + 1);
  const std::size_t slot = static_cast<std::size_t>(PaletteSlot);
  const PickResult result = CheckWeaponPick(fav, PaletteSlot, code);
  switch (result.outcome) {
    case PickOutcome::Accept:
      fav.Weapon[slot] = code;
      ShowFav();
      break;
    case PickOutcome::ForceEnergyPack:
      ShowNotice(std::string(Text(result.message.value_or(Msg::M2), state_.Lang)));
      state_.current().Pack = EnergyPack;
      state_.current().Weapon[slot] = code;
      ShowFav();
      break;
    case PickOutcome::Refuse:
    case PickOutcome::WarnOnly:
      // Nothing is stored; the view keeps the old weapon.
      if (result.message) ShowNotice(std::string(Text(*result.message, state_.Lang)));
      break;
  }
}

}  // namespace ks::ui
