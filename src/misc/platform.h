#pragma once
// Everything the editor needs of the desktop. The Qt window implements it; tests use a fake that
// records what was asked and answers dialogs from a script.

#include <functional>
#include <string>
#include <vector>

namespace ks {

struct FileFilter {
  std::string label;    // "QZW-Kitsmith Files (*.KJZ)"
  std::string pattern;  // "*.KJZ"
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual void beep() = 0;
  // Ends the tool at once: nothing is saved, no further event is handled. Never returns.
  [[noreturn]] virtual void quit() = 0;
  // The folder that holds the program file, UTF-8, without trailing separator (a root keeps it).
  virtual std::string programFolder() const = 0;
  // Handles the pending window events once.
  virtual void pumpEventsOnce() = 0;
  // Handles window events until `done` holds. Blocks between events; it does not spin.
  virtual void waitUntil(const std::function<bool()>& done) = 0;
  // Opens a program, document or web address through the desktop. Empty params means none.
  // Failures are not reported.
  virtual void shellOpen(const std::string& file, const std::string& params) = 0;
  // Makes the folder current for programs started afterwards; false when it cannot.
  virtual bool setCurrentFolder(const std::string& path) = 0;
  // Hands the mouse press on the window's background to the system's window moving.
  virtual void dragWindow() = 0;
  // The folder browser; empty text when cancelled. startFolder may be empty.
  virtual std::string browseForFolder(const std::string& title, const std::string& startFolder) = 0;
  // The file dialog, in which an existing file can be chosen or a new name typed; empty text when
  // cancelled.
  virtual std::string pickFile(const std::vector<FileFilter>& filters, const std::string& initialFolder,
                               const std::string& title) = 0;
  // The screen's twips per pixel across and down (15 at 96 dots per inch).
  virtual double twipsPerPixelX() const = 0;
  virtual double twipsPerPixelY() const = 0;
};

}  // namespace ks
