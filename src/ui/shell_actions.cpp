// Starting the game, the read-me, the web links, dragging and ending the tool.
#include "ui/shell_actions.h"

#include <string>
#include <string_view>

#include "app/links.h"
#include "misc/file_exists.h"
#include "misc/paths.h"
#include "model/messages.h"
#include "ui/editor.h"

namespace ks::ui {

void LaunchGame(Platform& platform, const std::string& gamePath, LaunchMode mode, TargetOs os) {
  // A folder that cannot be made current is not reported: the start then simply fails, and the
  // tool ends all the same.
  for (const std::string& folder : LaunchFolderSteps(gamePath, os)) platform.setCurrentFolder(folder);
  platform.pumpEventsOnce();
  if (mode == LaunchMode::LanSolo) {
    platform.shellOpen("tribes2.exe", " -nologin");
    platform.pumpEventsOnce();
  } else {
    platform.shellOpen("sierraup.exe", "");
  }
  platform.beep();
  platform.quit();
}

namespace {

void OpenWebPage(Platform& platform, std::string_view url) {
  platform.beep();
  platform.shellOpen(std::string(url), "");
}

}  // namespace

void Editor::cmdLaunchLAN_Click() {
  LaunchGame(platform_, state_.GamePath, LaunchMode::LanSolo, RunningOs());
}

void Editor::cmdLaunchLINE_Click() {
  LaunchGame(platform_, state_.GamePath, LaunchMode::Online, RunningOs());
}

void Editor::imgReadme_Click() {
  PanelDone = false;
  platform_.beep();
  const std::string path = JoinFile(platform_.programFolder(), "readme.txt");
  if (FileExists(path)) {
    // Notepad takes the whole parameter text as the file name, so the path goes unquoted.
    platform_.shellOpen("notepad.exe", path);
    PanelDone = false;
    return;
  }
  // The notice replaces the about panel; once it is confirmed the about wait is over too, without
  // the about panel's closing beep.
  EndAboutWaitSilently();
  ShowNotice(std::string(Text(Msg::ReadmeMissing, state_.Lang)));
}

void Editor::lblCompany_Click() { OpenWebPage(platform_, CompanyUrl); }

void Editor::lblClan_Click() { OpenWebPage(platform_, ClanUrl); }

void Editor::lblPrivate_Click() { OpenWebPage(platform_, PrivateUrl); }

void Editor::imgEnd_Click() { platform_.quit(); }

void Editor::Form_BackgroundPress() { platform_.dragWindow(); }

void Editor::Form_CloseRequest() {
  platform_.beep();
  platform_.quit();
}

}  // namespace ks::ui
