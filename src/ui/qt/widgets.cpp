#include "ui/qt/widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace ks::ui {

PaintedControl::PaintedControl(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  // A shape is decoration: a press on it belongs to whatever lies below (the window's background
  // starts a move there). Every other control keeps its presses for itself.
  if (kind == Kind::Shape) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  } else {
    setAttribute(Qt::WA_NoMousePropagation);
  }
}

void PaintedControl::setLook(const Look& look) {
  if (look == look_) return;
  look_ = look;
  update();
}

void PaintedControl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  if (look_.fill) p.fillRect(r, look_.back);
  if (!look_.picture.isNull()) p.drawPixmap(r, look_.picture);
  if (!look_.caption.isEmpty()) {
    p.setPen(look_.fore);
    p.setFont(font());
    p.drawText(r, int(look_.align | Qt::AlignTop | Qt::TextWordWrap), look_.caption);
  }
  if (look_.borderWidth > 0) {
    QPen pen(look_.border, look_.borderWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // The outline lies inside the control, as a drawn rectangle's border does.
    const qreal inset = look_.borderWidth / 2.0;
    p.drawRect(QRectF(r).adjusted(inset, inset, -inset, -inset));
  }
}

void PaintedControl::mousePressEvent(QMouseEvent* e) {
  e->accept();
  if (e->button() == Qt::LeftButton) pressed_ = true;
}

void PaintedControl::mouseReleaseEvent(QMouseEvent* e) {
  e->accept();
  if (e->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (rect().contains(e->position().toPoint()) && onClick) onClick();
}

ListBoxWidget::ListBoxWidget(QWidget* parent) : QListWidget(parent) {
  setAttribute(Qt::WA_NoMousePropagation);
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (user_ && row >= 0 && onUserPick) onUserPick(row);
  });
}

template <class F>
void ListBoxWidget::asUser(F&& f) {
  user_ = true;
  f();
  user_ = false;
}

void ListBoxWidget::mousePressEvent(QMouseEvent* e) {
  asUser([&] { QListWidget::mousePressEvent(e); });
}
void ListBoxWidget::mouseMoveEvent(QMouseEvent* e) {
  asUser([&] { QListWidget::mouseMoveEvent(e); });
}
void ListBoxWidget::keyPressEvent(QKeyEvent* e) {
  asUser([&] { QListWidget::keyPressEvent(e); });
}

}  // namespace ks::ui
