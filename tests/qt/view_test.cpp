// The real window on temporary folders: real widgets clicked with QTest, the files it writes, and
// widgets that mirror the model. Screenshots land in the build folder for a person to look at.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <ctime>
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

// Types like a keyboard that can produce any character, one key press per character.
void Type(QWidget* w, const QString& text) {
  for (const QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &release);
  }
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
  EXPECT_TRUE(QTest::qWaitFor([&] { return t.editor->BlinkState != before; }, 1000));
  ExpectMirrors(t);

  bool aboutShown = false;
  t.platform->onWait.push_back([&] {
    aboutShown = t.w("frmAbout")->isVisible();
    ExpectMirrors(t);
    SaveShot(t.view.get(), "about");
    Click(t.w("cmdAboutDone"));
  });
  Click(t.w("imgAbout"));
  EXPECT_TRUE(aboutShown);
  EXPECT_FALSE(t.w("frmAbout")->isVisible());
  EXPECT_TRUE(t.w("lstFav")->isEnabled());
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

TEST(QtView, EditsAFavouriteWithRealClicksAndExportsIt) {
  Tool t;
  const std::string original = test::ReadAll(t.prefs);

  auto* list = t.as<QListWidget>("lstFav");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
  Settle();
  EXPECT_EQ(t.state.CurrentFav, 1);
  EXPECT_EQ(t.as<QLineEdit>("txtName")->text().toStdString(), "Light Defense");

  Click(t.w("picArmor"));
  for (int k = 0; k < 3; ++k) EXPECT_TRUE(t.w("picDrop(" + std::to_string(k) + ")")->isVisible()) << k;
  ExpectMirrors(t);
  SaveShot(t.view.get(), "palette_armour");
  Click(t.w("picDrop(2)"));
  EXPECT_EQ(t.state.current().Armor, ArmorJuggernaut);
  EXPECT_FALSE(t.w("picDrop(0)")->isVisible());

  Click(t.w("picWeapon(0)"));
  EXPECT_TRUE(t.w("picDrop(9)")->isVisible());
  EXPECT_FALSE(t.w("lstFav")->isEnabled());
  ExpectMirrors(t);
  SaveShot(t.view.get(), "palette_weapon");
  Click(t.w("picDrop(1)"));
  EXPECT_EQ(t.state.current().Weapon[0], 2);  // chaingun

  // The pack from the drop-down list, picked in its popup.
  auto* packs = t.as<QComboBox>("cmbPack");
  packs->showPopup();
  QAbstractItemView* popup = packs->view();
  QTest::mouseClick(popup->viewport(), Qt::LeftButton, {},
                    popup->visualRect(packs->model()->index(4, 0)).center());
  Settle();
  EXPECT_EQ(t.state.current().Pack, 4);  // shield pack
  ExpectMirrors(t);

  std::string noticeText;
  t.answerNoticeWithOk([&] {
    noticeText = t.form().lblError.caption;
    EXPECT_TRUE(t.w("frmError")->isVisible());
    EXPECT_FALSE(t.w("cmdExport")->isEnabled());
    ExpectMirrors(t);
    SaveShot(t.view.get(), "notice_export");
  });
  Click(t.w("cmdExport"));
  EXPECT_EQ(noticeText, "Your config has been exported successfully !");
  EXPECT_TRUE(t.unexpectedNotices.empty());
  EXPECT_FALSE(t.w("frmError")->isVisible());
  EXPECT_TRUE(t.w("cmdExport")->isEnabled());

  const std::string written = test::ReadAll(t.prefs);
  const auto line = written.find("$pref::Favorite1 = \"");
  ASSERT_NE(line, std::string::npos);
  const std::string fav1 = written.substr(line, written.find('\r', line) - line);
  EXPECT_NE(fav1.find("armor\\tJuggernaut\\tweapon\\tChaingun\\t"), std::string::npos) << fav1;
  EXPECT_NE(fav1.find("Shield Pack"), std::string::npos) << fav1;
  EXPECT_NE(written.find("$pref::FavNames0 = \"\\c2Scout Sniper\";"), std::string::npos);
  EXPECT_EQ(test::ReadAll(t.programDir.file("ClientPrefs_BACKUP.cs")), original);
}

TEST(QtView, TypedNamesAreLimitedAndStoredAsWindowsBytes) {
  Tool t;
  auto* name = t.as<QLineEdit>("txtName");
  name->setFocus();
  QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
  Type(name, QStringLiteral("Caf\u00e9 \u03a9 ABCDEFGHIJKLMNOP"));
  Settle();
  // Eighteen characters at most; é is one Windows byte, Ω has none and becomes '?'.
  EXPECT_EQ(t.state.Favs[0].Name, "Caf\xE9 ? ABCDEFGHIJK");
  EXPECT_EQ(name->text(), QStringLiteral("Caf\u00e9 ? ABCDEFGHIJK"));
  EXPECT_EQ(t.as<QListWidget>("lstFav")->item(0)->text(), QStringLiteral("01 : Caf\u00e9 ? ABCDEFGHIJK"));
  EXPECT_EQ(t.as<QListWidget>("lstFav")->currentRow(), 0);

  // A longer name put in by the program is shown whole; typing cannot lengthen it, deleting works.
  const std::string longName = "Twenty-five characters!!!";
  t.state.Favs[0].Name = longName;
  t.editor->ShowFav();
  t.view->sync();
  EXPECT_EQ(name->text().toStdString(), longName);
  QTest::keyClick(name, Qt::Key_End);
  QTest::keyClick(name, Qt::Key_X);
  Settle();
  EXPECT_EQ(t.state.Favs[0].Name, longName);
  QTest::keyClick(name, Qt::Key_Backspace);
  Settle();
  EXPECT_EQ(t.state.Favs[0].Name, longName.substr(0, 24));
  ExpectMirrors(t);
}

TEST(QtView, ExportsAnExchangeFileUnderANameTypedInTheFileDialog) {
  Tool t;
  QString title;
  // The dialog is modal: answer it from the event loop once it is up, as a person would.
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    poll.stop();
    title = dialog->windowTitle();
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    QTest::keyClicks(name, QStringLiteral("traded.KJZ"));
    QTest::keyClick(name, Qt::Key_Return);
  });
  poll.start(20);
  std::string noticeText;
  t.answerNoticeWithOk([&] { noticeText = t.form().lblError.caption; });
  Click(t.w("cmdExpFile"));
  EXPECT_EQ(title.toStdString(), "Select a File");
  // The exchange files' own rules spell the name in capitals.
  const std::string file = t.programDir.file("TRADED.KJZ");
  EXPECT_EQ(noticeText.rfind("Successfully exported to ", 0), 0u) << noticeText;
  EXPECT_NE(noticeText.find(file), std::string::npos) << noticeText;
  EXPECT_NE(test::ReadAll(file).find("Light Defense"), std::string::npos);
  EXPECT_TRUE(t.unexpectedNotices.empty());
}

TEST(QtView, AWaitingNoticeSleepsInsteadOfSpinning) {
  Tool t;
  std::clock_t cpuStart = 0, cpuEnd = 0;
  t.platform->onWait.push_back([&] {
    cpuStart = std::clock();
    QTimer::singleShot(500, [&] {
      cpuEnd = std::clock();
      Click(t.w("cmdErrorOK"));
    });
  });
  t.editor->ShowNotice("Wait for me");
  const double cpuMs = 1000.0 * static_cast<double>(cpuEnd - cpuStart) / CLOCKS_PER_SEC;
  // A loop that woke itself would burn the whole half second.
  EXPECT_LT(cpuMs, 100.0);
  EXPECT_FALSE(t.w("frmError")->isVisible());
}

TEST(QtView, OnlyTheBackgroundMovesTheWindow) {
  Tool t;
  struct Press {
    const char* where;  // nullptr: the bare background
    Qt::MouseButton button;
    int drags;
  };
  const Press presses[] = {
      {nullptr, Qt::LeftButton, 1},     {nullptr, Qt::RightButton, 1},  {"lblDesc", Qt::LeftButton, 0},
      {"cmdImport", Qt::LeftButton, 0}, {"shpDrop", Qt::LeftButton, 0},
  };
  for (const Press& p : presses) {
    SCOPED_TRACE(p.where ? p.where : "background");
    const int before = t.platform->drags;
    if (p.where) {
      QTest::mousePress(t.w(p.where), p.button, {}, QPoint(2, 2));
      QTest::mouseRelease(t.w(p.where), p.button, {}, QPoint(2, 2));
    } else {
      // Between the list and the favourite view nothing but the background picture lies.
      QTest::mousePress(t.view.get(), p.button, {}, QPoint(236, 300));
      QTest::mouseRelease(t.view.get(), p.button, {}, QPoint(236, 300));
    }
    Settle();
    EXPECT_EQ(t.platform->drags - before, p.drags);
  }
  EXPECT_EQ(t.view->cursor().shape(), Qt::SizeAllCursor);
  EXPECT_EQ(t.w("cmdImport")->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(t.w("picDrop(0)")->cursor().shape(), Qt::BitmapCursor);
  EXPECT_TRUE(t.unexpectedNotices.empty());
}

}  // namespace
}  // namespace ks::ui
