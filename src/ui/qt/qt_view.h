#pragma once
// The Qt window: a passive mirror of the model's form. sync() copies the whole model onto the
// widgets; user input goes to the model only, which is where every rule lives.

#include <QPoint>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/qt/pictures.h"

class QTimer;

namespace ks::ui {

class QtView : public QWidget {
 public:
  // twips per logical pixel across and down (15 at 96 dots per inch).
  QtView(Form& form, double twipsPerPixelX, double twipsPerPixelY);
  ~QtView() override;

  // Brings every widget up to date with the model, signals blocked, and restacks by z-order.
  void sync();

  // Moves the window with the mouse from the press that is under way.
  void startMove();

  // The widget that mirrors a control; nullptr for timers and unknown names.
  QWidget* widgetOf(const std::string& name) const;
  QWidget* widgetOf(const Control* control) const;

  // Logical pixels of a model rectangle given in twips.
  QRect toPixels(double left, double top, double width, double height) const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  struct Item;
  void build();
  void syncItem(Item& item);
  void restack();
  // Runs a user action on the model once Qt has finished the event that produced it, then syncs.
  void forward(std::function<void()> action);

  Form& form_;
  double tppX_, tppY_;
  Pictures pictures_;
  std::vector<std::unique_ptr<Item>> items_;
  std::vector<std::pair<QWidget*, std::vector<QWidget*>>> stackApplied_;
  bool centred_ = false;
  bool manualMove_ = false;
  QPoint moveOffset_;
  bool windowApplied_ = false;
  std::string captionApplied_;
  Pic iconApplied_ = Pic::None;
  Cursor cursorApplied_ = Cursor::Default;
  Pic backgroundApplied_ = Pic::None;
  Rgb backApplied_;
  int pendingEdits_ = 0;
};

}  // namespace ks::ui
