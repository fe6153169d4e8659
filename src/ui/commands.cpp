// The command buttons: import from and export to the game, the preset, the exchange files.
#include "prefs/import_export.h"
#include "store/exchange.h"
#include "store/preset.h"
#include "ui/editor.h"

namespace ks::ui {

void Editor::cmdImport_Click() {
  LockControls();
  platform_.pumpEventsOnce();
  ImportFavs(state_, *this, platform_);
  form_.lstFav.enabled = true;
  form_.cmdImport.enabled = true;
  form_.cmdExport.enabled = true;
  // The list was refilled without a selection, so selecting entry 0 raises its Click, which makes
  // favourite 0 current and unlocks the window. After a failed import the list is empty and
  // nothing is selected.
  form_.lstFav.select(0);
  ShowFav();
}

void Editor::cmdExport_Click() { ExportFavs(state_, *this, platform_); }

void Editor::cmdSavePre_Click() { SavePreset(state_, *this, platform_); }

void Editor::cmdLoadPre_Click() { LoadPresetClick(state_, *this, platform_); }

void Editor::cmdImpFile_Click() { ImportExchangeFile(state_, *this, platform_); }

void Editor::cmdExpFile_Click() { ExportExchangeFile(state_, *this, platform_); }

}  // namespace ks::ui
