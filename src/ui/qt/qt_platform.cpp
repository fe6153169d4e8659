#include "ui/qt/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QProcess>
#include <QScreen>
#include <QStringList>
#include <QUrl>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "misc/paths.h"
#include "misc/shell_map.h"
#include "ui/qt/qt_view.h"

#ifdef _WIN32
#include <shellapi.h>
#include <windows.h>
#endif

namespace ks::ui {
namespace {

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string S(const QString& s) { return QDir::toNativeSeparators(s).toStdString(); }

}  // namespace

QtPlatform::QtPlatform(std::string programFolder) : programFolder_(std::move(programFolder)) {
  if (programFolder_.empty()) programFolder_ = S(QCoreApplication::applicationDirPath());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const qreal dpiX = screen->logicalDotsPerInchX();
    const qreal dpiY = screen->logicalDotsPerInchY();
    if (dpiX > 0) tppX_ = 1440.0 / dpiX;
    if (dpiY > 0) tppY_ = 1440.0 / dpiY;
  }
}

void QtPlatform::syncView() {
  if (view_) view_->sync();
}

void QtPlatform::beep() { QApplication::beep(); }

void QtPlatform::quit() {
  // At once: nothing is saved and no further event is handled, not even the window's closing.
  std::_Exit(0);
}

void QtPlatform::pumpEventsOnce() {
  syncView();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  syncView();
}

void QtPlatform::waitUntil(const std::function<bool()>& done) {
  while (!done()) {
    syncView();
    // Sleeps until the next event: a waiting notice costs no processor time.
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  syncView();
}

void QtPlatform::shellOpen(const std::string& file, const std::string& params) {
  const ShellCommand cmd = MapShellOpen(file, params, RunningOs());
  switch (cmd.kind) {
    case ShellCommand::Kind::ShellExecute: {
#ifdef _WIN32
      const std::wstring program = ToFsPath(cmd.program).wstring();
      const std::wstring parameters = ToFsPath(cmd.params).wstring();
      ShellExecuteW(nullptr, nullptr, program.c_str(), cmd.params.empty() ? nullptr : parameters.c_str(),
                    nullptr, SW_SHOWNORMAL);
#else
      QStringList args;
      for (const auto& a : SplitParams(cmd.params)) args << Q(a);
      QProcess::startDetached(Q(cmd.program), args, QDir::currentPath());
#endif
      break;
    }
    case ShellCommand::Kind::Start: {
      QStringList args;
      for (const auto& a : cmd.args) args << Q(a);
      QProcess::startDetached(Q(cmd.program), args, QDir::currentPath());
      break;
    }
    case ShellCommand::Kind::OpenDocument:
      QDesktopServices::openUrl(QUrl::fromLocalFile(Q(cmd.target)));
      break;
    case ShellCommand::Kind::OpenUrl: QDesktopServices::openUrl(QUrl::fromUserInput(Q(cmd.target))); break;
  }
}

bool QtPlatform::setCurrentFolder(const std::string& path) {
  std::error_code ec;
  std::filesystem::current_path(ToFsPath(path), ec);
  return !ec;
}

void QtPlatform::dragWindow() {
  if (view_) view_->startMove();
}

std::string QtPlatform::browseForFolder(const std::string& title, const std::string& startFolder) {
  syncView();
  const QString folder = QFileDialog::getExistingDirectory(
      view_ && view_->isVisible() ? view_ : nullptr, Q(title), Q(startFolder),
      QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
  return folder.isEmpty() ? std::string() : S(folder);
}

std::string QtPlatform::pickFile(const std::vector<FileFilter>& filters, const std::string& initialFolder,
                                 const std::string& title) {
  syncView();
  QFileDialog dialog(view_ && view_->isVisible() ? view_ : nullptr, Q(title), Q(initialFolder));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  // An existing file can be chosen, or a new name typed for an export.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  QStringList names;
  for (const auto& f : filters) {
    QString label = Q(f.label);
    if (!label.contains(QLatin1Char('('))) label += QStringLiteral(" (%1)").arg(Q(f.pattern));
    names << label;
  }
  if (!names.isEmpty()) dialog.setNameFilters(names);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? std::string() : S(chosen.first());
}

}  // namespace ks::ui
