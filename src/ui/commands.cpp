// The command buttons: import from and export to the game, the preset, the exchange files.
#include "store/exchange.h"
#include "store/preset.h"
#include "ui/editor.h"

namespace ks::ui {

void Editor::cmdImport_Click() {
  // wired when the game-preferences import lands
}

void Editor::cmdExport_Click() {
  // wired when the game-preferences export lands
}

void Editor::cmdSavePre_Click() { SavePreset(state_, *this, platform_); }

void Editor::cmdLoadPre_Click() { LoadPresetClick(state_, *this, platform_); }

void Editor::cmdImpFile_Click() { ImportExchangeFile(state_, *this, platform_); }

void Editor::cmdExpFile_Click() { ExportExchangeFile(state_, *this, platform_); }

}  // namespace ks::ui
