#pragma once
// The window's pictures and cursors, drawn from the SVG sources compiled in as resources.

#include <QCursor>
#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

#include "ui/controls.h"

namespace ks::ui {

// ":/pics/<name>.svg" of a picture id; empty for Pic::None.
QString PicResource(Pic pic);

// Renders pictures for one window and keeps them, since the same few are drawn at every sync.
class Pictures {
 public:
  Pictures();

  // The picture at `size` logical pixels, rendered for a device pixel ratio so that it stays sharp
  // on high-density screens. A missing source gives a plain placeholder with the picture's name.
  QPixmap get(Pic pic, QSize size, qreal dpr);

  // The pointer for a control or the window's background.
  QCursor cursor(Cursor cursor, qreal dpr);

 private:
  QHash<QString, QPixmap> cache_;
  QCursor pick_;
  qreal pickDpr_ = 0;
};

}  // namespace ks::ui
