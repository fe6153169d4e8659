#pragma once
// The window's controls as plain state. The Qt view mirrors this state and forwards the user's
// input to it; every rule of the window lives above it, in the editor. Positions and sizes are in
// twips, relative to the parent control (or to the window when there is none).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ks::ui {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

struct Font {
  std::string family = "Verdana";
  double points = 8.25;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const Font&) const = default;
};

// Pictures are ids; the view maps each to an image.
enum class Pic {
  None,
  Empty, No,
  Light, Medium, Heavy,
  Blaster, Chaingun, Spinfusor, Plasma, Grenade, Missile, Fusion, Elf, Shocklance, Laser,
  Ammopack, Energy, Repairpack, Shieldpack, Cloakpack, Sensorjammerpack, Satchelpack, Deploypack,
  Background, AboutOn, AboutOff, NoticeLeft, NoticeRight, Readme, AppIcon,
};

enum class Cursor { Default, SizeAll, Hand };

enum class Kind { Button, Label, ListBox, ComboBox, TextBox, Picture, Image, Frame, Shape, Timer };

enum class Align { Left, Center };

class Control {
 public:
  Control(Kind kind, std::string name) : kind_(kind), name_(std::move(name)) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Kind kind() const { return kind_; }
  const std::string& name() const { return name_; }

  // Geometry in twips. Left may be fractional: a palette picture can sit half a twip off.
  double left = 0, top = 0, width = 0, height = 0;
  void move(double l, double t) { left = l; top = t; }

  bool visible = true;
  bool enabled = true;
  Control* parent = nullptr;  // a frame, or nullptr for the window
  // Stacking among siblings: higher is in front. bringToFront() is the only way to change it.
  int z = 0;

  // Texts are UTF-8, except where textIsAnsi says the text is a favourite name in Windows-1252.
  std::string caption;
  std::string tooltip;
  bool textIsAnsi = false;

  Font font;
  Rgb fore{0, 0, 0};
  Rgb back{255, 255, 255};
  bool transparent = false;  // labels: no background
  Align align = Align::Left;
  Cursor cursor = Cursor::Default;
  Pic picture = Pic::None;

  // Shapes and panels: fill and outline.
  bool filled = true;
  Rgb borderColour{0, 0, 0};
  int borderWidth = 0;  // pixels; 0 = no border

  // Click of buttons, labels, pictures and images. The view calls click() for the user's click;
  // a disabled or hidden control does not react.
  std::function<void()> onClick;
  void click() {
    if (isLive() && onClick) onClick();
  }

  // Brings the control in front of its siblings.
  void bringToFront();

  // Visible and enabled, and so are all frames it lies in.
  bool isLive() const;

 private:
  friend class Form;
  Kind kind_;
  std::string name_;
  class Form* form_ = nullptr;
};

// A list box or a drop-down list without typing. The selection lives here, not in the widget.
// Changing the selection, by the user or by the program, raises onClick exactly when the value
// really changes.
class ListControl : public Control {
 public:
  using Control::Control;

  std::vector<std::string> items;

  // Removes every entry; no selection afterwards. Raises nothing.
  void clear() {
    items.clear();
    value_ = -1;
  }
  void add(std::string item) { items.push_back(std::move(item)); }

  // The requested selection. For a drop-down list it may name an entry that does not exist (a
  // code read from a damaged file): the list then shows no selection, and the value is kept so
  // that the handler sees the code. A list box ignores a request for an entry it does not have.
  int value() const { return value_; }
  // The entry shown as selected, or -1.
  int shownIndex() const {
    return value_ >= 0 && value_ < static_cast<int>(items.size()) ? value_ : -1;
  }

  void select(int index);

  // List boxes keep only existing entries; drop-down lists keep any requested value.
  bool keepsMissingEntries = false;
  std::function<void()> onSelect;  // Click of the list

 private:
  int value_ = -1;
};

// A text box. Setting its text raises onChange exactly when the text really changes.
class TextControl : public Control {
 public:
  using Control::Control;

  const std::string& text() const { return text_; }
  void setText(std::string text);

  // The most characters the user may type; the program may put in more.
  int maxTypedLength = 0;  // 0 = no limit
  std::function<void()> onChange;

 private:
  std::string text_;
};

class TimerControl : public Control {
 public:
  TimerControl(std::string name, int intervalMs) : Control(Kind::Timer, std::move(name)), intervalMs(intervalMs) {
    visible = false;
  }
  int intervalMs;
  std::function<void()> onTimer;
  // The view calls tick() on every elapsed interval while the timer is enabled.
  void tick() {
    if (enabled && onTimer) onTimer();
  }
};

// The window: its own properties and every control on it, in creation order.
class Form {
 public:
  virtual ~Form() = default;

  std::string caption;
  double width = 0, height = 0;  // twips
  Rgb back{128, 128, 128};
  Pic background = Pic::None;
  Pic icon = Pic::None;
  Cursor cursor = Cursor::SizeAll;
  bool shown = false;

  // Every control, parents before their children.
  const std::vector<Control*>& controls() const { return controls_; }
  Control* find(const std::string& name) const;

  // A mouse press on the background (not on a control), with any button.
  std::function<void()> onBackgroundPress;
  // The system asks the window to close.
  std::function<void()> onCloseRequest;

 protected:
  // Registers a control; the first registered lies at the back.
  template <class C>
  C& add(C& control, Control* parent = nullptr) {
    control.parent = parent;
    control.z = ++zCounter_;
    control.form_ = this;
    controls_.push_back(&control);
    return control;
  }

 private:
  friend class Control;
  std::vector<Control*> controls_;
  int zCounter_ = 0;
};

}  // namespace ks::ui
