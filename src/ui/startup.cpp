// The window's start-up, the language list and the language of the window's texts.
#include <cmath>
#include <cstdint>
#include <string>

#include "app/language.h"
#include "app/settings.h"
#include "model/messages.h"
#include "prefs/import_export.h"
#include "ui/editor.h"

namespace ks::ui {
namespace {

// The size of the empty-slot picture, which sets the cell size of the weapon palette.
constexpr std::int16_t NoPictureWidth = 1830;
constexpr std::int16_t NoPictureHeight = 1200;

double WholeTwips(double twipsPerPixel) {
  return static_cast<double>(static_cast<std::int16_t>(std::lround(twipsPerPixel)));
}

}  // namespace

void Editor::Form_Load() {
  MainForm& f = form_;
  LockControls();
  platform_.pumpEventsOnce();
  LoadSettings(state_, *this, platform_);

  f.cmbLang.clear();
  f.cmbLang.add("ENGLISH");
  f.cmbLang.add("DEUTSCH");
  // The list was just emptied, so this is a change: its Click applies the language again and
  // rewrites the settings file.
  f.cmbLang.select(state_.Lang);

  f.cmbLang.enabled = true;
  f.lstFav.enabled = true;
  f.cmdImport.enabled = true;
  f.cmdExport.enabled = true;
  f.cmbPack.enabled = false;
  f.cmbGren.enabled = false;
  f.txtName.enabled = false;
  f.shown = true;

  LockControls();
  ImportFavs(state_, *this, platform_);

  f.picArmor.picture = Pic::No;
  for (int i = 0; i < WeaponPictureCount; ++i) f.picWeapon(i).picture = Pic::No;
  f.picPack.visible = false;

  PalettePicWidth = NoPictureWidth;
  PalettePicHeight = NoPictureHeight;
  TwipsPerPixelX = WholeTwips(platform_.twipsPerPixelX());
  TwipsPerPixelY = WholeTwips(platform_.twipsPerPixelY());

  // An empty list (the game's file could not be read) has no entry 0: nothing is selected.
  f.lstFav.select(0);
  ShowFav();

  if (!FavSelected) {
    // The import failed and its notice is closed. The player may repair the game's file and import
    // again; until a favourite is chosen nothing may edit one.
    f.cmbPack.enabled = false;
    f.cmbGren.enabled = false;
    f.txtName.enabled = false;
  }
}

void Editor::cmbLang_Click() {
  state_.Lang = static_cast<LangIndex>(form_.cmbLang.value());
  ApplyLanguage();
  if (!SaveSettings(state_, platform_)) {
    ShowNotice(std::string(Text(Msg::SettingsNotWritten, state_.Lang)));
    return;
  }
  ShowFav();
}

void Editor::ApplyLanguage() {
  const LangIndex lang = state_.Lang;
  if (lang != LangEnglish && lang != LangGerman) return;
  MainForm& f = form_;
  for (const lang::WindowText& t : lang::WindowTexts()) {
    const std::string text(lang == LangEnglish ? t.english : t.german);
    auto put = [&](Control& c) { (t.prop == lang::Prop::Caption ? c.caption : c.tooltip) = text; };
    if (t.control == "picWeapon") {
      for (int i = 0; i < WeaponPictureCount; ++i) put(f.picWeapon(i));
    } else if (t.control == "picDrop") {
      for (int k = 0; k < DropPictureCount; ++k) put(f.picDrop(k));
    } else if (Control* c = f.find(std::string(t.control))) {
      put(*c);
    }
  }
  f.cmbGren.clear();
  for (const MessagePair& item : lang::GrenItems()) f.cmbGren.add(std::string(lang::Pick(item, lang)));
  f.cmbPack.clear();
  for (const MessagePair& item : lang::PackItems()) f.cmbPack.add(std::string(lang::Pick(item, lang)));
}

}  // namespace ks::ui
