#include <QApplication>
#include <QWidget>

#include "shown.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget w(nullptr, Qt::Window | Qt::FramelessWindowHint);
  w.resize(663, 487);
  w.show();
  EndWhenShown(w);
}
