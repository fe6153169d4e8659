// The real window on temporary folders: real widgets clicked with QTest, the files it writes, and
// widgets that mirror the model. Screenshots land in the build folder for a person to look at.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "misc/cp1252.h"
#include "model/app_state.h"
#include "support/temp_dir.h"
#include "ui/editor.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_view.h"
#include "ui/qt/widgets.h"

namespace ks::ui {
namespace {

using test::TempDir;

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
    QApplication::setStyle(QStringLiteral("Fusion"));
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[8] = "qt_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};
const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// The real platform, with the person in front of it scripted: each wait that starts takes the
// next action and runs it from the event loop, as a click would arrive.
class ScriptedPlatform : public QtPlatform {
 public:
  using QtPlatform::QtPlatform;
  std::deque<std::function<void()>> onWait;
  std::function<void()> unexpectedWait;
  int drags = 0;

  void waitUntil(const std::function<bool()>& done) override {
    std::function<void()> action;
    if (!onWait.empty()) {
      action = std::move(onWait.front());
      onWait.pop_front();
    } else {
      action = unexpectedWait;
    }
    if (action) QTimer::singleShot(0, action);
    QtPlatform::waitUntil(done);
  }
  void dragWindow() override {
    ++drags;
    QtPlatform::dragWindow();
  }
};

std::string Settings(const std::string& lang, const std::string& game) {
  return "// [QZW]-Kitsmith v1.0\r\n// x\r\n//\r\n// Configfile\r\n//\r\n// Do not change anything at all "
         ":-)\r\n"
         "//\r\nLang=" +
         lang + "\r\nTribes2=" + game + "\r\n";
}

void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void Click(QWidget* w, Qt::MouseButton button = Qt::LeftButton) {
  ASSERT_NE(w, nullptr);
  QTest::mouseClick(w, button, {}, w->rect().center());
  Settle();
}

void SaveShot(QWidget* w, const std::string& name) {
  QDir().mkpath(QStringLiteral(KITSMITH_SHOTS_DIR));
  const QString path = QStringLiteral(KITSMITH_SHOTS_DIR "/%1.png").arg(QString::fromStdString(name));
  EXPECT_TRUE(w->grab().save(path)) << path.toStdString();
}

// One running tool: settings beside a temporary program folder, the sample game in another.
struct Tool {
  TempDir programDir, gameDir;
  std::string game = gameDir.path() + "/Tribes2";
  std::string prefs = game + "/gamedata/base/prefs/ClientPrefs.cs";
  AppState state;
  std::unique_ptr<ScriptedPlatform> platform;
  std::unique_ptr<Editor> editor;
  std::unique_ptr<QtView> view;
  std::vector<std::string> unexpectedNotices;

  explicit Tool(const std::string& lang = "E") {
    test::CopySampleGame(game);
    test::WriteAll(programDir.file("kitsmith.dat"), Settings(lang, game + "/"));
    platform = std::make_unique<ScriptedPlatform>(programDir.path());
    editor = std::make_unique<Editor>(state, *platform);
    view = std::make_unique<QtView>(editor->form(), platform->twipsPerPixelX(), platform->twipsPerPixelY());
    platform->attach(view.get());
    // A notice nobody scripted is noted and closed, so that a failing test ends instead of hanging.
    platform->unexpectedWait = [this] {
      unexpectedNotices.push_back(form().lblError.caption);
      if (form().frmError.visible) Click(w("cmdErrorOK"));
      if (form().frmAbout.visible) Click(w("cmdAboutDone"));
    };
    editor->Form_Load();
    view->sync();
  }
  ~Tool() {
    view.reset();
    editor.reset();
  }

  MainForm& form() { return editor->form(); }
  std::string settingsText() { return test::ReadAll(programDir.file("kitsmith.dat")); }
  QWidget* w(const std::string& name) { return view->widgetOf(name); }
  template <class W>
  W* as(const std::string& name) {
    return dynamic_cast<W*>(w(name));
  }
  // The next notice: look at it (and take a picture), then press its OK button like a user.
  void answerNoticeWithOk(std::function<void()> look = {}) {
    platform->onWait.push_back([this, look] {
      if (look) look();
      Click(w("cmdErrorOK"));
    });
  }
};

// Every widget shows what its control holds: geometry, visibility, enabled state, tooltip, texts,
// entries and selection, and the stacking among siblings.
void ExpectMirrors(Tool& t) {
  QtView& view = *t.view;
  for (Control* c : t.form().controls()) {
    QWidget* w = view.widgetOf(c);
    if (c->kind() == Kind::Timer) continue;
    ASSERT_NE(w, nullptr) << c->name();
    SCOPED_TRACE(c->name());
    EXPECT_EQ(w->geometry(), view.toPixels(c->left, c->top, c->width, c->height));
    EXPECT_EQ(w->isVisibleTo(w->parentWidget()), c->visible);
    EXPECT_EQ(!w->testAttribute(Qt::WA_ForceDisabled), c->enabled);
    EXPECT_EQ(w->toolTip().toStdString(), c->tooltip);
    auto decode = [c](const std::string& s) { return c->textIsAnsi ? Cp1252ToUtf8(s) : s; };
    switch (c->kind()) {
      case Kind::Button:
        EXPECT_EQ(static_cast<QPushButton*>(w)->text().toStdString(), decode(c->caption));
        break;
      case Kind::Label:
        EXPECT_EQ(static_cast<PaintedControl*>(w)->look().caption.toStdString(), decode(c->caption));
        break;
      case Kind::TextBox:
        EXPECT_EQ(static_cast<QLineEdit*>(w)->text().toStdString(),
                  decode(static_cast<TextControl*>(c)->text()));
        break;
      case Kind::ListBox: {
        auto* l = static_cast<ListControl*>(c);
        auto* lw = static_cast<QListWidget*>(w);
        ASSERT_EQ(lw->count(), static_cast<int>(l->items.size()));
        for (int i = 0; i < lw->count(); ++i)
          EXPECT_EQ(lw->item(i)->text().toStdString(), decode(l->items[static_cast<std::size_t>(i)]));
        EXPECT_EQ(lw->currentRow(), l->shownIndex());
        break;
      }
      case Kind::ComboBox: {
        auto* l = static_cast<ListControl*>(c);
        auto* cb = static_cast<QComboBox*>(w);
        ASSERT_EQ(cb->count(), static_cast<int>(l->items.size()));
        for (int i = 0; i < cb->count(); ++i)
          EXPECT_EQ(cb->itemText(i).toStdString(), decode(l->items[static_cast<std::size_t>(i)]));
        EXPECT_EQ(cb->currentIndex(), l->shownIndex());
        break;
      }
      case Kind::Picture:
      case Kind::Image:
        EXPECT_EQ(static_cast<PaintedControl*>(w)->look().picture.isNull(), c->picture == Pic::None);
        break;
      default: break;
    }
  }
  // Siblings are stacked by z: Qt keeps children from back to front.
  for (Control* a : t.form().controls()) {
    for (Control* b : t.form().controls()) {
      QWidget* wa = view.widgetOf(a);
      QWidget* wb = view.widgetOf(b);
      if (!wa || !wb || a->parent != b->parent || a->z >= b->z) continue;
      const auto& kids = wa->parentWidget()->children();
      EXPECT_LT(kids.indexOf(wa), kids.indexOf(wb)) << a->name() << " should lie behind " << b->name();
    }
  }
}

TEST(QtView, StartsOnTheSampleAndMirrorsTheModel) {
  Tool t;
  ASSERT_TRUE(t.view->isVisible());
  EXPECT_TRUE(t.unexpectedNotices.empty());
  // 9945 x 7305 twips at 15 twips per pixel.
  EXPECT_EQ(t.view->size(), QSize(663, 487));
  EXPECT_EQ(t.state.CurrentFav, 0);
  EXPECT_EQ(t.as<QListWidget>("lstFav")->currentRow(), 0);
  EXPECT_EQ(t.as<QLineEdit>("txtName")->text().toStdString(), Cp1252ToUtf8(t.state.Favs[0].Name));
  ExpectMirrors(t);
  SaveShot(t.view.get(), "main_english");

  // The about icon blinks through the 250 ms timer.
  const auto before = t.editor->BlinkState;
  QTest::qWait(300);
  EXPECT_NE(t.editor->BlinkState, before);
  ExpectMirrors(t);
}

TEST(QtView, GermanWindowFollowsTheLanguage) {
  Tool t("D");
  EXPECT_EQ(t.state.Lang, LangGerman);
  EXPECT_EQ(t.as<QComboBox>("cmbLang")->currentIndex(), 1);
  ExpectMirrors(t);
  SaveShot(t.view.get(), "main_german");

  // Switching to English by the user rebuilds the pack and grenade lists; Qt's own index changes
  // while they are refilled must not reach the model as a pick.
  const FavRecord shown = t.state.current();
  auto* lang = t.as<QComboBox>("cmbLang");
  lang->setFocus();
  QTest::keyClick(lang, Qt::Key_Up);
  Settle();
  EXPECT_EQ(t.state.Lang, LangEnglish);
  EXPECT_EQ(t.state.current(), shown);
  EXPECT_TRUE(t.unexpectedNotices.empty());
  EXPECT_NE(t.settingsText().find("Lang=E"), std::string::npos);
  ExpectMirrors(t);
}

}  // namespace
}  // namespace ks::ui
