#pragma once
// Ends the probe the moment the window has been drawn on the screen for the first time.
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

inline void EndWhenShown(QWidget& w) {
  while (!w.windowHandle() || !w.windowHandle()->isExposed()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  w.repaint();
  QCoreApplication::processEvents();
  std::fflush(stdout);
  std::_Exit(0);
}
