// The notice and about panels, their waits and the about icon's blink.
//
// Both panels wait in a nested event loop. A panel can open while another panel's wait is still
// pending (the about icon during a notice, the read-me notice during the about panel), so every
// wait has its own completion: the notice's OK ends only the notice shown, "WHO CARES ?" only the
// about wait, and each waiting operation continues once its own panel has been closed.

#include "ui/editor.h"

#include <algorithm>

namespace ks::ui {
namespace {

// Removes a pending wait from its list however the wait is left (also when the program ends
// inside it).
template <class T>
struct PopOnExit {
  std::vector<T*>& list;
  ~PopOnExit() { list.pop_back(); }
};

}  // namespace

void Editor::ShowNoticePanel(const std::string& text) {
  MainForm& f = form_;
  LockControls();
  // A notice during start-up can come before the window has been shown.
  f.shown = true;
  f.lblError.caption = text;
  f.frmError.visible = true;
  f.frmError2.visible = true;
  f.frmError2.bringToFront();
  f.frmError.bringToFront();
}

void Editor::ShowNotice(const std::string& text) {
  NoticeWait wait{text};
  notices_.push_back(&wait);
  {
    PopOnExit<NoticeWait> pop{notices_};
    ShowNoticePanel(text);
    PanelDone = false;
    platform_.beep();
    platform_.waitUntil([&wait] { return wait.done; });
    PanelDone = false;
  }
  // A notice that was shown before this one and has not been answered yet comes back; an about
  // panel still open keeps the controls locked.
  if (!notices_.empty() && !notices_.back()->done) {
    ShowNoticePanel(notices_.back()->text);
  } else if (about_ && !about_->done && form_.frmAbout.visible) {
    LockControls();
  }
}

void Editor::cmdErrorOK_Click() {
  PanelDone = true;
  // The panel shows the latest notice not yet answered.
  auto open = std::find_if(notices_.rbegin(), notices_.rend(), [](const NoticeWait* w) { return !w->done; });
  if (open != notices_.rend()) (*open)->done = true;
  form_.frmError.visible = false;
  form_.frmError2.visible = false;
  UnlockControls();
}

void Editor::imgAbout_Click() {
  MainForm& f = form_;
  platform_.beep();
  LockControls();
  f.frmAbout.visible = true;
  // There is one about panel: while its wait is pending, a further click only beeps, and the one
  // press of "WHO CARES ?" closes it. A wait already told to end (the read-me notice replaced the
  // panel) goes on waiting, since the panel is open again.
  if (about_) {
    about_->done = false;
    about_->silent = false;
    return;
  }

  AboutWait wait;
  about_ = &wait;
  struct Reset {
    AboutWait*& slot;
    ~Reset() { slot = nullptr; }
  } reset{about_};
  platform_.waitUntil([&wait] { return wait.done; });

  if (!wait.silent) platform_.beep();
  UnlockControls();
  f.frmAbout.visible = false;
  PanelDone = false;
  // Opened over a notice that is still waiting for its OK: the notice keeps the controls locked.
  if (std::any_of(notices_.begin(), notices_.end(), [](const NoticeWait* w) { return !w->done; })) {
    LockControls();
  }
}

void Editor::cmdAboutDone_Click() {
  PanelDone = true;
  if (about_) {
    about_->done = true;
  } else {
    form_.frmAbout.visible = false;
  }
}

void Editor::EndAboutWaitSilently() {
  form_.frmAbout.visible = false;
  if (about_) {
    about_->done = true;
    about_->silent = true;
  }
}

void Editor::timAbout_Timer() {
  if (BlinkState == 0) {
    BlinkState = 1;
    form_.imgAbout.picture = Pic::AboutOn;
  } else if (BlinkState == 1) {
    BlinkState = 0;
    form_.imgAbout.picture = Pic::AboutOff;
  }
}

}  // namespace ks::ui
