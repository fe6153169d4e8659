#pragma once
// The widgets that stand for the model's controls where Qt has no fitting one.

#include <QListWidget>
#include <QPixmap>
#include <QWidget>
#include <functional>

#include "ui/controls.h"

namespace ks::ui {

// Labels, pictures, images, frames and shapes: drawn by hand so that colours, transparency,
// borders and pictures follow the model exactly. A left press and release inside is a click.
class PaintedControl : public QWidget {
 public:
  PaintedControl(Kind kind, QWidget* parent);

  std::function<void()> onClick;

  struct Look {
    QString caption;
    QColor fore, back;
    bool fill = true;
    QColor border;
    int borderWidth = 0;
    Qt::Alignment align = Qt::AlignLeft;
    QPixmap picture;
    bool operator==(const Look& o) const {
      return caption == o.caption && fore == o.fore && back == o.back && fill == o.fill &&
             border == o.border && borderWidth == o.borderWidth && align == o.align &&
             picture.cacheKey() == o.picture.cacheKey();
    }
  };
  void setLook(const Look& look);
  const Look& look() const { return look_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  Kind kind_;
  Look look_;
  bool pressed_ = false;
};

// A list box that reports only the user's own picks: Qt also moves the current row by itself
// (on focus, on clearing), and those moves must never reach the model.
class ListBoxWidget : public QListWidget {
 public:
  explicit ListBoxWidget(QWidget* parent);
  std::function<void(int)> onUserPick;

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  template <class F>
  void asUser(F&& f);
  bool user_ = false;
};

}  // namespace ks::ui
