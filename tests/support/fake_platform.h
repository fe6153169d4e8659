#pragma once
// A Platform for tests: records beeps, shell calls, folders and quits in one log, answers the
// dialogs from queues, and runs scripted user actions inside waits so that nested waits happen in
// a fixed order.

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "misc/platform.h"

namespace ks::test {

// Thrown by quit(), so that no code after it runs; the test catches it.
struct QuitCalled {};

// A wait found no scripted action left: the test would hang in the real window.
struct StuckInWait : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class FakePlatform : public Platform {
 public:
  explicit FakePlatform(std::string programFolder = {}) : folder(std::move(programFolder)) {}

  // Runs the actions in turn, one per pass of a wait, until the wait's condition holds.
  std::deque<std::function<void()>> actions;
  std::deque<std::string> browseAnswers;  // one per browseForFolder; "" is a cancel
  std::deque<std::string> pickAnswers;    // one per pickFile; "" is a cancel

  // Everything the editor asked of the desktop, in order: "beep", "quit", "pump", "drag",
  // "shell <file>|<params>", "cd <folder>", "browse <title>", "pick <title>".
  std::vector<std::string> log;
  int beeps = 0;
  int waits = 0;
  std::vector<std::pair<std::string, std::string>> shellCalls;
  std::vector<std::string> currentFolders;
  bool setCurrentFolderResult = true;

  struct PickRequest {
    std::vector<FileFilter> filters;
    std::string initialFolder;
    std::string title;
  };
  std::vector<PickRequest> pickRequests;
  std::vector<std::string> browseStartFolders;

  std::string folder;
  double tppX = 15;
  double tppY = 15;

  // Counts the log entries equal to `entry`.
  int count(const std::string& entry) const;

  void beep() override;
  [[noreturn]] void quit() override;
  std::string programFolder() const override { return folder; }
  void pumpEventsOnce() override;
  void waitUntil(const std::function<bool()>& done) override;
  void shellOpen(const std::string& file, const std::string& params) override;
  bool setCurrentFolder(const std::string& path) override;
  void dragWindow() override;
  std::string browseForFolder(const std::string& title, const std::string& startFolder) override;
  std::string pickFile(const std::vector<FileFilter>& filters, const std::string& initialFolder,
                       const std::string& title) override;
  double twipsPerPixelX() const override { return tppX; }
  double twipsPerPixelY() const override { return tppY; }
};

}  // namespace ks::test
