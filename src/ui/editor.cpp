#include "ui/editor.h"

#include <array>
#include <cstddef>

#include "app/language.h"
#include "model/messages.h"
#include "model/rules.h"

namespace ks::ui {
namespace {

constexpr std::array<Pic, 10> WeaponPics{Pic::Blaster,    Pic::Chaingun, Pic::Spinfusor, Pic::Plasma,
                                         Pic::Grenade,    Pic::Missile,  Pic::Fusion,    Pic::Elf,
                                         Pic::Shocklance, Pic::Laser};
constexpr std::array<Pic, 7> PackPics{Pic::Ammopack,  Pic::Energy,           Pic::Repairpack, Pic::Shieldpack,
                                      Pic::Cloakpack, Pic::Sensorjammerpack, Pic::Satchelpack};

}  // namespace

Editor::Editor(AppState& state, Platform& platform) : state_(state), platform_(platform) {
  MainForm& f = form_;
  f.lstFav.onSelect = [this] { lstFav_Click(); };
  f.txtName.onChange = [this] { txtName_Change(); };
  f.cmbGren.onSelect = [this] { cmbGren_Click(); };
  f.cmbPack.onSelect = [this] { cmbPack_Click(); };
  f.cmbLang.onSelect = [this] { cmbLang_Click(); };

  f.cmdImport.onClick = [this] { cmdImport_Click(); };
  f.cmdExport.onClick = [this] { cmdExport_Click(); };
  f.cmdSavePre.onClick = [this] { cmdSavePre_Click(); };
  f.cmdLoadPre.onClick = [this] { cmdLoadPre_Click(); };
  f.cmdImpFile.onClick = [this] { cmdImpFile_Click(); };
  f.cmdExpFile.onClick = [this] { cmdExpFile_Click(); };

  f.cmdErrorOK.onClick = [this] { cmdErrorOK_Click(); };
  f.imgAbout.onClick = [this] { imgAbout_Click(); };
  f.cmdAboutDone.onClick = [this] { cmdAboutDone_Click(); };
  f.timAbout.onTimer = [this] { timAbout_Timer(); };

  f.picArmor.onClick = [this] { picArmor_Click(); };
  for (int i = 0; i < WeaponPictureCount; ++i) f.picWeapon(i).onClick = [this, i] { picWeapon_Click(i); };
  for (int k = 0; k < DropPictureCount; ++k) f.picDrop(k).onClick = [this, k] { picDrop_Click(k); };

  f.cmdLaunchLAN.onClick = [this] { cmdLaunchLAN_Click(); };
  f.cmdLaunchLINE.onClick = [this] { cmdLaunchLINE_Click(); };
  f.imgReadme.onClick = [this] { imgReadme_Click(); };
  f.lblCompany.onClick = [this] { lblCompany_Click(); };
  f.lblClan.onClick = [this] { lblClan_Click(); };
  f.lblPrivate.onClick = [this] { lblPrivate_Click(); };
  f.imgEnd.onClick = [this] { imgEnd_Click(); };
  f.onBackgroundPress = [this] { Form_BackgroundPress(); };
  f.onCloseRequest = [this] { Form_CloseRequest(); };
}

Editor::~Editor() = default;

// ---- Favourite view ----

void Editor::ShowFav() {
  if (!FavSelected) return;
  MainForm& f = form_;
  // Each step reads the favourite afresh: a handler raised by an earlier step may have changed it.
  f.txtName.setText(state_.current().Name);
  f.shpDrop.visible = false;

  FavRecord& fav = state_.current();
  if (auto label = lang::ArmourLabel(fav.Armor))
    f.lblArmour.caption = std::string(lang::Pick(*label, state_.Lang));
  switch (fav.Armor) {
    case ArmorNone: f.picArmor.picture = Pic::Empty; break;
    case ArmorScout:
      f.picArmor.picture = Pic::Light;
      f.picWeapon(3).enabled = false;
      f.picWeapon(4).enabled = false;
      break;
    case ArmorAssault:
      f.picArmor.picture = Pic::Medium;
      f.picWeapon(3).enabled = true;
      f.picWeapon(4).enabled = false;
      break;
    case ArmorJuggernaut:
      f.picArmor.picture = Pic::Heavy;
      for (int i = 0; i < WeaponPictureCount; ++i) f.picWeapon(i).enabled = true;
      break;
    case NoSlot: f.picArmor.picture = Pic::No; break;
    default: break;
  }
  TrimWeaponSlots(fav);

  for (int n = 0; n < MaxWeaponSlots; ++n) {
    const WeaponCode code = fav.Weapon[static_cast<std::size_t>(n)];
    Control& pic = f.picWeapon(n);
    if (code == 0) {
      pic.picture = Pic::Empty;
    } else if (code >= 1 && code <= 10) {
      pic.picture = WeaponPics[static_cast<std::size_t>(code - 1)];
    } else if (code == NoSlot) {
      pic.picture = Pic::No;
    }
  }

  // A code outside the list (a damaged preset or exchange file) leaves the list without a
  // selection; the favourite keeps its code.
  f.cmbGren.select(state_.current().Gren);
  f.cmbPack.select(state_.current().Pack);

  const PackCode pack = state_.current().Pack;
  if (pack == 0) {
    f.picPack.picture = Pic::None;
  } else if (pack >= 1 && pack <= 7) {
    f.picPack.picture = PackPics[static_cast<std::size_t>(pack - 1)];
  } else if (pack >= 8 && pack <= 17) {
    f.picPack.picture = Pic::Deploypack;
  }
  f.picPack.visible = pack != 0;
}

void Editor::RefreshFavList() {
  MainForm& f = form_;
  const int noted = f.lstFav.value();
  if (!FavSelected) return;
  f.lstFav.clear();
  for (int i = 0; i < FavCount; ++i) f.lstFav.add(FavListEntry(state_.Favs, i));
  FavSelected = true;
  f.cmbGren.enabled = true;
  f.cmbPack.enabled = true;
  f.txtName.enabled = true;
  // The cleared list has no selection, so this raises the list's Click, which shows the favourite.
  f.lstFav.select(noted);
}

void Editor::LockControls() {
  MainForm& f = form_;
  f.cmbPack.enabled = false;
  f.cmbGren.enabled = false;
  f.txtName.enabled = false;
  f.shpDrop.visible = false;
  f.picArmor.enabled = false;
  for (int i = 0; i < WeaponPictureCount; ++i) f.picWeapon(i).enabled = false;
  for (Control* c :
       {static_cast<Control*>(&f.lstFav), &f.cmdImport, &f.cmdExport, &f.cmdSavePre, &f.cmdLoadPre,
        static_cast<Control*>(&f.cmbLang), &f.cmdLaunchLAN, &f.cmdLaunchLINE, &f.cmdImpFile, &f.cmdExpFile}) {
    c->enabled = false;
  }
  f.timAbout.enabled = false;
}

void Editor::UnlockControls() {
  MainForm& f = form_;
  f.picArmor.enabled = true;
  f.cmbPack.enabled = true;
  f.cmbGren.enabled = true;
  f.txtName.enabled = true;
  // All five, whatever the armour: the next ShowFav disables the slots the armour lacks.
  for (int i = 0; i < WeaponPictureCount; ++i) f.picWeapon(i).enabled = true;
  for (Control* c :
       {static_cast<Control*>(&f.lstFav), &f.cmdImport, &f.cmdExport, &f.cmdLoadPre, &f.cmdSavePre,
        static_cast<Control*>(&f.cmbLang), &f.cmdLaunchLAN, &f.cmdLaunchLINE, &f.cmdImpFile, &f.cmdExpFile}) {
    c->enabled = true;
  }
  f.timAbout.enabled = true;
}

void Editor::FavListClear() { form_.lstFav.clear(); }

void Editor::FavListAppend(const std::string& entry) { form_.lstFav.add(entry); }

void Editor::FavListSelect(int index) { form_.lstFav.select(index); }

void Editor::lstFav_Click() {
  const int index = form_.lstFav.value();
  // No entry selected (or more entries than favourites): there is no favourite to make current.
  if (index < 0 || index >= FavCount) return;
  state_.CurrentFav = static_cast<std::int16_t>(index);
  FavSelected = true;
  form_.imgAbout.enabled = true;
  UnlockControls();
  ShowFav();
}

// The three editing handlers store nothing while no favourite is chosen: after an import that
// failed, a notice unlocks these controls, and an edit would land in favourite 0 unseen.
void Editor::txtName_Change() {
  if (!FavSelected) return;
  state_.current().Name = form_.txtName.text();
  RefreshFavList();
}

void Editor::cmbGren_Click() {
  if (!FavSelected) return;
  state_.current().Gren = static_cast<GrenCode>(form_.cmbGren.value());
  ShowFav();
}

void Editor::cmbPack_Click() {
  if (!FavSelected) return;
  const auto picked = static_cast<PackCode>(form_.cmbPack.value());
  state_.current().Pack = picked;
  const PickResult result = CheckPackPick(state_.current(), picked);
  switch (result.outcome) {
    case PickOutcome::Accept:
      state_.current().Pack = picked;
      ShowFav();
      break;
    case PickOutcome::ForceEnergyPack:
      ShowNotice(std::string(Text(*result.message, state_.Lang)));
      state_.current().Pack = EnergyPack;
      ShowFav();
      break;
    case PickOutcome::WarnOnly:
    case PickOutcome::Refuse:
      // The pack stays stored; the view is not redrawn.
      if (result.message) ShowNotice(std::string(Text(*result.message, state_.Lang)));
      break;
  }
}

}  // namespace ks::ui
