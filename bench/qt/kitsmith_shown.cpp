// The program's own start-up (as in src/main.cpp), ended once favourite 0 is shown.
#include <QApplication>

#include "model/app_state.h"
#include "shown.h"
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
  editor.Form_Load();
  view.sync();
  if (state.CurrentFav != 0 || !editor.FavSelected) return 1;
  EndWhenShown(view);
}
