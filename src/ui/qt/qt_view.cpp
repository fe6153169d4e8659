#include "ui/qt/qt_view.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <optional>

#include "misc/cp1252.h"
#include "ui/qt/widgets.h"

namespace ks::ui {
namespace {

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

QString Decode(const std::string& s, bool ansi) {
  return ansi ? QString::fromStdString(Cp1252ToUtf8(s)) : QString::fromStdString(s);
}

QFont ToQFont(const Font& f) {
  QFont font(QString::fromStdString(f.family));
  font.setPointSizeF(f.points);
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  // Where the family is missing, keep the look of a plain sans serif rather than any font at all.
  font.setStyleHint(QFont::SansSerif);
  return font;
}

// The text after the user's edit, cut so that typing never makes it longer than `limit`
// characters. Deleting always works, and a longer text put in by the program stays as it is.
QString LimitTyping(const QString& before, const QString& after, int limit, int* cursor) {
  if (limit <= 0 || after.size() <= limit || after.size() <= before.size()) return after;
  qsizetype prefix = 0;
  const qsizetype common = std::min(before.size(), after.size());
  while (prefix < common && before[prefix] == after[prefix]) ++prefix;
  qsizetype suffix = 0;
  while (suffix < common - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
    ++suffix;
  const QString inserted = after.mid(prefix, after.size() - prefix - suffix);
  const qsizetype kept = before.size() - (before.size() - prefix - suffix);
  const qsizetype room = std::max<qsizetype>(0, limit - kept);
  const QString result = before.left(prefix) + inserted.left(room) + before.right(suffix);
  *cursor = static_cast<int>(prefix + std::min(room, inserted.size()));
  return result;
}

}  // namespace

// The state a widget was last given, so that sync() touches only what changed.
struct QtView::Item {
  Control* control = nullptr;
  QWidget* widget = nullptr;
  QTimer* timer = nullptr;
  bool first = true;
  QRect geometry;
  bool visible = false, enabled = false;
  std::string tooltip;
  Cursor cursor = Cursor::Default;
  Font font;
  Rgb fore, back;
  std::vector<std::string> entries;
  int index = -2;
  QString shownText;
};

QtView::QtView(Form& form, double twipsPerPixelX, double twipsPerPixelY)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      form_(form),
      tppX_(twipsPerPixelX > 0 ? twipsPerPixelX : 15),
      tppY_(twipsPerPixelY > 0 ? twipsPerPixelY : 15) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  build();
  sync();
}

QtView::~QtView() = default;

QRect QtView::toPixels(double left, double top, double width, double height) const {
  // Rounding both edges keeps neighbouring controls flush.
  const int x0 = static_cast<int>(std::lround(left / tppX_));
  const int y0 = static_cast<int>(std::lround(top / tppY_));
  const int x1 = static_cast<int>(std::lround((left + width) / tppX_));
  const int y1 = static_cast<int>(std::lround((top + height) / tppY_));
  return QRect(x0, y0, x1 - x0, y1 - y0);
}

QWidget* QtView::widgetOf(const Control* control) const {
  for (const auto& item : items_) {
    if (item->control == control) return item->widget;
  }
  return nullptr;
}

QWidget* QtView::widgetOf(const std::string& name) const { return widgetOf(form_.find(name)); }

void QtView::forward(std::function<void()> action) {
  // Queued, so that Qt has finished its own handling of the event (a list's click, a closing
  // popup) before a handler rebuilds the widget or opens a nested wait.
  QMetaObject::invokeMethod(
      this,
      [this, action = std::move(action)] {
        action();
        sync();
      },
      Qt::QueuedConnection);
}

void QtView::build() {
  for (Control* c : form_.controls()) {
    auto item = std::make_unique<Item>();
    item->control = c;
    QWidget* parent = c->parent ? widgetOf(c->parent) : this;
    if (!parent) parent = this;
    switch (c->kind()) {
      case Kind::Button: {
        auto* b = new QPushButton(parent);
        b->setAutoDefault(false);
        b->setAttribute(Qt::WA_NoMousePropagation);
        connect(b, &QPushButton::clicked, this, [this, c] { forward([c] { c->click(); }); });
        item->widget = b;
        break;
      }
      case Kind::ListBox: {
        auto* list = static_cast<ListControl*>(c);
        auto* w = new ListBoxWidget(parent);
        w->onUserPick = [this, list](int row) { forward([list, row] { list->select(row); }); };
        item->widget = w;
        break;
      }
      case Kind::ComboBox: {
        auto* list = static_cast<ListControl*>(c);
        auto* w = new QComboBox(parent);
        w->setAttribute(Qt::WA_NoMousePropagation);
        w->setEditable(false);
        // activated() is the user's pick only; currentIndexChanged also fires on fill and clear.
        connect(w, &QComboBox::activated, this,
                [this, list](int i) { forward([list, i] { list->select(i); }); });
        item->widget = w;
        break;
      }
      case Kind::TextBox: {
        auto* text = static_cast<TextControl*>(c);
        auto* w = new QLineEdit(parent);
        w->setAttribute(Qt::WA_NoMousePropagation);
        w->setFrame(true);
        Item* raw = item.get();
        connect(w, &QLineEdit::textEdited, this, [this, w, text, raw](const QString& edited) {
          int cursor = w->cursorPosition();
          const QString accepted = LimitTyping(raw->shownText, edited, text->maxTypedLength, &cursor);
          if (accepted != edited) {
            const QSignalBlocker block(w);
            w->setText(accepted);
            w->setCursorPosition(cursor);
          }
          raw->shownText = accepted;
          const std::string utf8 = accepted.toStdString();
          std::string value = text->textIsAnsi ? Utf8ToCp1252(utf8) : utf8;
          ++pendingEdits_;
          forward([this, text, value = std::move(value)] {
            --pendingEdits_;
            text->setText(value);
          });
        });
        item->widget = w;
        break;
      }
      case Kind::Label:
      case Kind::Picture:
      case Kind::Image:
      case Kind::Frame:
      case Kind::Shape: {
        auto* w = new PaintedControl(c->kind(), parent);
        if (c->kind() != Kind::Shape && c->kind() != Kind::Frame) {
          w->onClick = [this, c] { forward([c] { c->click(); }); };
        }
        item->widget = w;
        break;
      }
      case Kind::Timer: {
        auto* timer = static_cast<TimerControl*>(c);
        item->timer = new QTimer(this);
        connect(item->timer, &QTimer::timeout, this, [this, timer] {
          timer->tick();
          sync();
        });
        break;
      }
    }
    items_.push_back(std::move(item));
  }
}

void QtView::syncItem(Item& item) {
  Control* c = item.control;
  if (item.timer) {
    auto* t = static_cast<TimerControl*>(c);
    if (item.timer->interval() != t->intervalMs) item.timer->setInterval(t->intervalMs);
    if (t->enabled && !item.timer->isActive()) item.timer->start();
    if (!t->enabled && item.timer->isActive()) item.timer->stop();
    return;
  }
  QWidget* w = item.widget;
  if (!w) return;
  const QRect geometry = toPixels(c->left, c->top, c->width, c->height);
  if (item.first || geometry != item.geometry) {
    w->setGeometry(geometry);
    item.geometry = geometry;
  }
  if (item.first || c->enabled != item.enabled) {
    w->setEnabled(c->enabled);
    item.enabled = c->enabled;
  }
  if (item.first || c->tooltip != item.tooltip) {
    w->setToolTip(QString::fromStdString(c->tooltip));
    item.tooltip = c->tooltip;
  }
  if (item.first || c->cursor != item.cursor) {
    if (c->cursor == Cursor::Default && c->kind() == Kind::TextBox) {
      w->unsetCursor();  // the text box keeps its own text cursor
    } else {
      w->setCursor(pictures_.cursor(c->cursor, devicePixelRatioF()));
    }
    item.cursor = c->cursor;
  }
  if (item.first || !(c->font == item.font)) {
    w->setFont(ToQFont(c->font));
    item.font = c->font;
  }
  const bool coloursChanged = item.first || !(c->fore == item.fore) || !(c->back == item.back);
  if (coloursChanged) {
    item.fore = c->fore;
    item.back = c->back;
  }

  switch (c->kind()) {
    case Kind::Button: {
      auto* b = static_cast<QPushButton*>(w);
      const QString caption = Decode(c->caption, c->textIsAnsi);
      if (b->text() != caption) b->setText(caption);
      if (coloursChanged) {
        QPalette pal = b->palette();
        pal.setColor(QPalette::Button, ToQColor(c->back));
        pal.setColor(QPalette::ButtonText, ToQColor(c->fore));
        b->setPalette(pal);
      }
      break;
    }
    case Kind::ListBox:
    case Kind::ComboBox: {
      auto* list = static_cast<ListControl*>(c);
      if (coloursChanged) {
        QPalette pal = w->palette();
        QColor fore = ToQColor(c->fore), back = ToQColor(c->back);
        for (auto role : {QPalette::Base, QPalette::Button, QPalette::Window}) pal.setColor(role, back);
        for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
          pal.setColor(role, fore);
        // Locked lists keep their colours, with the text dimmed.
        const QColor dim((fore.red() + back.red()) / 2, (fore.green() + back.green()) / 2,
                         (fore.blue() + back.blue()) / 2);
        for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
          pal.setColor(QPalette::Disabled, role, dim);
        w->setPalette(pal);
      }
      const bool entriesChanged = item.first || list->items != item.entries;
      if (c->kind() == Kind::ListBox) {
        auto* lw = static_cast<QListWidget*>(w);
        if (entriesChanged) {
          // Same count: rename in place, so that the list does not scroll while a name is typed.
          if (lw->count() != static_cast<int>(list->items.size())) {
            lw->clear();
            for (const auto& e : list->items) lw->addItem(Decode(e, c->textIsAnsi));
          } else {
            for (int i = 0; i < lw->count(); ++i) {
              const QString t = Decode(list->items[static_cast<std::size_t>(i)], c->textIsAnsi);
              if (lw->item(i)->text() != t) lw->item(i)->setText(t);
            }
          }
          item.entries = list->items;
        }
        const int shown = list->shownIndex();
        if (lw->currentRow() != shown || (shown >= 0 && !lw->item(shown)->isSelected())) {
          if (shown < 0) {
            lw->setCurrentRow(-1);
            lw->clearSelection();
          } else {
            lw->setCurrentRow(shown);
          }
        }
      } else {
        auto* cb = static_cast<QComboBox*>(w);
        if (entriesChanged) {
          cb->clear();
          for (const auto& e : list->items) cb->addItem(Decode(e, c->textIsAnsi));
          item.entries = list->items;
        }
        if (cb->currentIndex() != list->shownIndex()) cb->setCurrentIndex(list->shownIndex());
      }
      break;
    }
    case Kind::TextBox: {
      auto* text = static_cast<TextControl*>(c);
      auto* le = static_cast<QLineEdit*>(w);
      if (coloursChanged) {
        QPalette pal = le->palette();
        pal.setColor(QPalette::Base, ToQColor(c->back));
        pal.setColor(QPalette::Text, ToQColor(c->fore));
        pal.setColor(QPalette::Disabled, QPalette::Base, ToQColor(c->back));
        le->setPalette(pal);
      }
      // While the user's own edit is still on its way to the model, the widget is ahead of it.
      if (pendingEdits_ == 0) {
        const QString shown = Decode(text->text(), c->textIsAnsi);
        if (le->text() != shown) {
          const int cursor = le->cursorPosition();
          le->setText(shown);
          le->setCursorPosition(std::min(cursor, static_cast<int>(shown.size())));
        }
        item.shownText = shown;
      }
      break;
    }
    case Kind::Label:
    case Kind::Picture:
    case Kind::Image:
    case Kind::Frame:
    case Kind::Shape: {
      PaintedControl::Look look;
      if (c->kind() == Kind::Label) look.caption = Decode(c->caption, c->textIsAnsi);
      look.fore = ToQColor(c->fore);
      look.back = ToQColor(c->back);
      switch (c->kind()) {
        case Kind::Image: look.fill = false; break;
        case Kind::Shape: look.fill = c->filled; break;
        case Kind::Frame: look.fill = true; break;
        // Our pictures have soft, transparent edges that are meant to show what lies behind them,
        // so a picture box's back colour shows only while it holds no picture.
        case Kind::Picture: look.fill = !c->transparent && c->picture == Pic::None; break;
        default: look.fill = !c->transparent; break;
      }
      look.border = ToQColor(c->borderColour);
      look.borderWidth = c->borderWidth;
      look.align = c->align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft;
      look.picture = pictures_.get(c->picture, geometry.size(), devicePixelRatioF());
      static_cast<PaintedControl*>(w)->setLook(look);
      break;
    }
    case Kind::Timer: break;
  }

  if (item.first || c->visible != item.visible) {
    w->setVisible(c->visible);
    item.visible = c->visible;
  }
  item.first = false;
}

void QtView::restack() {
  std::vector<std::pair<QWidget*, std::vector<std::pair<int, QWidget*>>>> groups;
  for (const auto& item : items_) {
    if (!item->widget) continue;
    QWidget* parent = item->widget->parentWidget();
    auto it = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.first == parent; });
    if (it == groups.end()) {
      groups.push_back({parent, {}});
      it = groups.end() - 1;
    }
    it->second.push_back({item->control->z, item->widget});
  }
  for (auto& [parent, children] : groups) {
    std::stable_sort(children.begin(), children.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QWidget*> order;
    for (const auto& child : children) order.push_back(child.second);
    auto applied = std::find_if(stackApplied_.begin(), stackApplied_.end(),
                                [&](const auto& s) { return s.first == parent; });
    if (applied != stackApplied_.end() && applied->second == order) continue;
    for (QWidget* w : order) w->raise();
    if (applied == stackApplied_.end()) {
      stackApplied_.push_back({parent, order});
    } else {
      applied->second = order;
    }
  }
}

void QtView::sync() {
  // Only what changed is touched: a wait syncs on every pass, and any widget update would wake it
  // again at once.
  const QSize size = toPixels(0, 0, form_.width, form_.height).size();
  if (this->size() != size) setFixedSize(size);
  if (!windowApplied_ || form_.caption != captionApplied_) {
    setWindowTitle(QString::fromStdString(form_.caption));
    captionApplied_ = form_.caption;
  }
  if (!windowApplied_ || form_.icon != iconApplied_) {
    QIcon icon;
    if (form_.icon != Pic::None) {
      for (int px : {16, 32, 48, 64, 128}) icon.addPixmap(pictures_.get(form_.icon, QSize(px, px), 1));
    }
    setWindowIcon(icon);
    iconApplied_ = form_.icon;
  }
  if (!windowApplied_ || form_.cursor != cursorApplied_) {
    setCursor(pictures_.cursor(form_.cursor, devicePixelRatioF()));
    cursorApplied_ = form_.cursor;
  }
  if (windowApplied_ && (form_.background != backgroundApplied_ || !(form_.back == backApplied_))) update();
  backgroundApplied_ = form_.background;
  backApplied_ = form_.back;
  windowApplied_ = true;

  for (auto& item : items_) {
    QObject* target = item->widget ? static_cast<QObject*>(item->widget) : static_cast<QObject*>(item->timer);
    const QSignalBlocker block(target);
    syncItem(*item);
  }
  restack();
  if (form_.shown && !isVisible()) {
    if (!centred_) {
      const QScreen* s = QGuiApplication::primaryScreen();
      if (s) move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
      centred_ = true;
    }
    show();
  }
}

void QtView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), ToQColor(form_.back));
  const QPixmap bg = pictures_.get(form_.background, size(), devicePixelRatioF());
  if (!bg.isNull()) p.drawPixmap(rect(), bg);
}

void QtView::mousePressEvent(QMouseEvent* e) {
  e->accept();
  // Handled at once, not queued: the system's window moving takes over the press under way.
  if (form_.onBackgroundPress) form_.onBackgroundPress();
  sync();
}

void QtView::startMove() {
  QWindow* window = windowHandle();
  if (window && window->startSystemMove()) return;
  // Without the system's help, follow the mouse until the button is released.
  manualMove_ = true;
  moveOffset_ = QCursor::pos() - pos();
}

void QtView::mouseMoveEvent(QMouseEvent* e) {
  if (manualMove_) move(e->globalPosition().toPoint() - moveOffset_);
}

void QtView::mouseReleaseEvent(QMouseEvent*) { manualMove_ = false; }

void QtView::closeEvent(QCloseEvent* e) {
  if (!form_.onCloseRequest) return;  // accepted: nothing keeps the window
  e->ignore();
  form_.onCloseRequest();
  sync();
}

}  // namespace ks::ui
