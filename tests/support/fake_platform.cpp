#include "support/fake_platform.h"

#include <algorithm>

namespace ks::test {

int FakePlatform::count(const std::string& entry) const {
  return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

void FakePlatform::beep() {
  ++beeps;
  log.push_back("beep");
}

void FakePlatform::quit() {
  log.push_back("quit");
  throw QuitCalled{};
}

void FakePlatform::pumpEventsOnce() { log.push_back("pump"); }

void FakePlatform::waitUntil(const std::function<bool()>& done) {
  ++waits;
  while (!done()) {
    if (actions.empty()) throw StuckInWait("a wait found no scripted user action left");
    auto action = std::move(actions.front());
    actions.pop_front();
    action();
  }
}

void FakePlatform::shellOpen(const std::string& file, const std::string& params) {
  shellCalls.emplace_back(file, params);
  log.push_back("shell " + file + "|" + params);
}

bool FakePlatform::setCurrentFolder(const std::string& path) {
  currentFolders.push_back(path);
  log.push_back("cd " + path);
  return setCurrentFolderResult;
}

void FakePlatform::dragWindow() { log.push_back("drag"); }

std::string FakePlatform::browseForFolder(const std::string& title, const std::string& startFolder) {
  log.push_back("browse " + title);
  browseStartFolders.push_back(startFolder);
  if (browseAnswers.empty()) throw StuckInWait("the folder browser has no scripted answer left");
  std::string answer = browseAnswers.front();
  browseAnswers.pop_front();
  return answer;
}

std::string FakePlatform::pickFile(const std::vector<FileFilter>& filters, const std::string& initialFolder,
                                   const std::string& title) {
  log.push_back("pick " + title);
  pickRequests.push_back({filters, initialFolder, title});
  if (pickAnswers.empty()) throw StuckInWait("the file dialog has no scripted answer left");
  std::string answer = pickAnswers.front();
  pickAnswers.pop_front();
  return answer;
}

}  // namespace ks::test
