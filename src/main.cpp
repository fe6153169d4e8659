// Kitsmith: the window, its editor and the desktop they run on.
#include <QApplication>

#include "model/app_state.h"
#include "ui/editor.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_view.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  ks::AppState state;
  ks::ui::QtPlatform platform;
  ks::ui::Editor editor(state, platform);
  ks::ui::QtView view(editor.form(), platform.twipsPerPixelX(), platform.twipsPerPixelY());
  platform.attach(&view);
  // Start-up shows the window through the model once it is ready.
  editor.Form_Load();
  view.sync();
  return QApplication::exec();
}
