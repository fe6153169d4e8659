// Starting the game, the read-me, the web links, dragging and ending the tool.
#include "ui/editor.h"

namespace ks::ui {

void Editor::cmdLaunchLAN_Click() {}

void Editor::cmdLaunchLINE_Click() {}

void Editor::imgReadme_Click() {}

void Editor::lblCompany_Click() {}

void Editor::lblClan_Click() {}

void Editor::lblPrivate_Click() {}

void Editor::imgEnd_Click() {}

void Editor::Form_BackgroundPress() {}

void Editor::Form_CloseRequest() {}

}  // namespace ks::ui
