#pragma once
// The editor window: owns the MainForm, gives its controls their behaviour and implements the
// window operations the file subsystems call. One method per handler, named by control and event.
// Toolkit-free: the desktop is reached only through Platform.

#include <cstdint>
#include <string>
#include <vector>

#include "misc/platform.h"
#include "model/app_state.h"
#include "ui/main_form.h"
#include "ui/window_ops.h"

namespace ks::ui {

class Editor : public WindowOps {
 public:
  Editor(AppState& state, Platform& platform);
  ~Editor() override;
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  MainForm& form() { return form_; }
  const MainForm& form() const { return form_; }
  AppState& state() { return state_; }
  Platform& platform() { return platform_; }

  // Window state.
  bool FavSelected = false;          // a favourite has been chosen in lstFav; never cleared
  int PaletteKind = 0;               // 1 armour palette, 2 weapon palette, 0 before any opened
  int PaletteSlot = 0;               // weapon slot 0..4 of the weapon palette
  std::int16_t PalettePicWidth = 0;  // twips, the size of an empty-slot picture
  std::int16_t PalettePicHeight = 0;
  double TwipsPerPixelX = 15;  // the screen's, taken at start-up
  double TwipsPerPixelY = 15;
  // Set by the notice's OK and the about panel's done button, cleared when a wait ends. It is shared
  // by both panels; each pending wait also keeps its own completion, so that a panel opened during
  // another's wait ends only its own wait.
  bool PanelDone = false;
  std::int16_t BlinkState = 0;  // 0 or 1, the about icon's blink phase

  // WindowOps.
  void ShowNotice(const std::string& text) override;
  void LockControls() override;
  void UnlockControls() override;
  void ShowFav() override;
  void RefreshFavList() override;
  void FavListClear() override;
  void FavListAppend(const std::string& entry) override;
  void FavListSelect(int index) override;
  void ApplyLanguage() override;  // startup.cpp

  // Favourite view (editor.cpp).
  void lstFav_Click();
  void txtName_Change();
  void cmbGren_Click();
  void cmbPack_Click();

  // Commands (commands.cpp).
  void cmdImport_Click();
  void cmdExport_Click();
  void cmdSavePre_Click();
  void cmdLoadPre_Click();
  void cmdImpFile_Click();
  void cmdExpFile_Click();

  // Notice and about panels (panels.cpp).
  void cmdErrorOK_Click();
  void imgAbout_Click();
  void cmdAboutDone_Click();
  void timAbout_Timer();
  // Ends a pending about wait without its closing beep and hides the about panel; for the read-me
  // failure, whose notice replaces the about panel. Harmless when no about wait is pending.
  void EndAboutWaitSilently();
  bool AboutWaitPending() const { return about_ != nullptr; }
  bool NoticePending() const { return !notices_.empty(); }

  // Palettes (palettes.cpp).
  void picArmor_Click();
  void picWeapon_Click(int i);
  void picDrop_Click(int k);

  // Shell actions (shell_actions.cpp).
  void cmdLaunchLAN_Click();
  void cmdLaunchLINE_Click();
  void imgReadme_Click();
  void lblCompany_Click();
  void lblClan_Click();
  void lblPrivate_Click();
  void imgEnd_Click();
  void Form_BackgroundPress();
  void Form_CloseRequest();

  // Start-up and language (startup.cpp).
  void Form_Load();
  void cmbLang_Click();

 private:
  struct NoticeWait {
    std::string text;
    bool done = false;
  };
  struct AboutWait {
    bool done = false;
    bool silent = false;
  };
  void ShowNoticePanel(const std::string& text);

  AppState& state_;
  Platform& platform_;
  MainForm form_;
  // Pending waits, innermost last. They live on the stack of the waiting handler.
  std::vector<NoticeWait*> notices_;
  AboutWait* about_ = nullptr;
};

}  // namespace ks::ui
