#pragma once
// The desktop as the editor sees it, on Qt: event pump, dialogs, shell, beep, window moving.

#include <string>
#include <vector>

#include "misc/platform.h"

namespace ks::ui {

class QtView;

class QtPlatform : public Platform {
 public:
  // An empty programFolder means the folder of the running program.
  explicit QtPlatform(std::string programFolder = {});

  // The window to keep up to date inside waits, to move and to own the dialogs.
  void attach(QtView* view) { view_ = view; }

  void beep() override;
  [[noreturn]] void quit() override;
  std::string programFolder() const override { return programFolder_; }
  void pumpEventsOnce() override;
  void waitUntil(const std::function<bool()>& done) override;
  void shellOpen(const std::string& file, const std::string& params) override;
  bool setCurrentFolder(const std::string& path) override;
  void dragWindow() override;
  std::string browseForFolder(const std::string& title, const std::string& startFolder) override;
  std::string pickFile(const std::vector<FileFilter>& filters, const std::string& initialFolder,
                       const std::string& title) override;
  double twipsPerPixelX() const override { return tppX_; }
  double twipsPerPixelY() const override { return tppY_; }

 protected:
  void syncView();

 private:
  QtView* view_ = nullptr;
  std::string programFolder_;
  double tppX_ = 15, tppY_ = 15;
};

}  // namespace ks::ui
