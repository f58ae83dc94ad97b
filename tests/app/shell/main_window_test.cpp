#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <map>
#include <memory>
#include <set>

#include "app/main_menu.h"
#include "common/main_window_player.h"
#include "common/qt_waits.h"
#include "common/resource_pictures.h"
#include "common/test_main_window.h"
#include "common/golden_image.h"
#include "display/main_layout.h"
#include "engine/generation.h"
#include "platform/qt/picture_data.h"
#include "platform/resources.h"
#include "platform/screen.h"
#include "support/message_box.h"

using namespace kestravane;

namespace {

// Whether two sessions hold the same game, byte for byte.
bool SameGame(const Session& a, const Session& b) {
  return a.InProgress == b.InProgress && std::memcmp(&a.State, &b.State, sizeof a.State) == 0 &&
         std::memcmp(&a.Grid, &b.Grid, sizeof a.Grid) == 0 && std::memcmp(&a.Log, &b.Log, sizeof a.Log) == 0;
}

}  // namespace

// The main window on its own, with no game open: its menus, their help on
// the status line, the toggles, the game it holds, and the About window.
class MainWindowTest : public QObject, public MainWindowPlayer {
  Q_OBJECT

 private:
  QMenu* Popup(const QString& title) const {
    for (QAction* action : Main()->menuBar()->actions())
      if (action->text() == title) return action->menu();
    qFatal("no popup %s", qPrintable(title));
  }
  QWidget* About() const { return game_->splash.window(); }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    game_ = std::make_unique<TestMainWindow>(folder_);
  }

  void cleanupTestCase() { game_.reset(); }

  void onlyTheCommandsThatNeedNoGameAreEnabled() {
    const std::set<QString> enabled = {"&New\tCtrl+N", "&Open...\tCtrl+O", "Op&tions...",
                                       "E&xit\tCtrl+Q", "Always on &Top", "&About Kestravane...",
                                       "&Play Sounds"};
    int items = 0;
    for (QAction* action : Main()->findChildren<QAction*>()) {
      if (action->isSeparator() || action->menu() || action->text().isEmpty()) continue;
      ++items;
      QVERIFY2(action->isEnabled() == enabled.count(action->text()), qPrintable(action->text()));
    }
    QCOMPARE(items, 21);
    for (const char* axis : {"&Z Axis Scan\tCtrl+Z", "&Y Axis Scan\tCtrl+Y", "&X Axis Scan\tCtrl+X"})
      QVERIFY(!Item(axis)->isChecked());
  }

  // The board, its labels and buttons as the first paint with no game open
  // leaves them, pixel for pixel.
  void theFirstPaintShowsTheTitleBoard() {
    game_->Repaint();
    QCOMPARE(GoldenDifference(Client()->grab().toImage(), "board_title"), QString());
  }

  // Each menu item names its key after a tab; the key table must send that
  // item's command for it. Helm and Engage sit on Backspace and Enter, the
  // keys whose control characters their items name.
  void everyKeyAMenuItemNamesSendsItsCommand() {
    int named = 0;
    for (const MenuPopup& popup : MainMenu()) {
      for (const MenuEntry& item : popup.items) {
        const QString text = QString::fromUtf8(item.text ? item.text : "");
        if (!text.contains("\tCtrl+")) continue;
        const QChar letter = text.back();
        const KeyMeaning meaning = letter == 'H'   ? MeaningOf(Qt::Key_Backspace, Qt::NoModifier)
                                   : letter == 'M' ? MeaningOf(Qt::Key_Return, Qt::NoModifier)
                                                   : MeaningOf(Qt::Key_A + (letter.unicode() - 'A'), Qt::ControlModifier);
        QVERIFY2(meaning.shortcut == item.command, qPrintable(text));
        ++named;
      }
    }
    QCOMPARE(named, 13);
  }

  // With no game open, Close and Save are grayed; the pointer shows their
  // help all the same, and a separator shows none. The keyboard passes over
  // both.
  void theStatusLineFollowsTheMenuHighlight() {
    QVERIFY(QTest::qWaitForWindowActive(Main()));
    QMenu* game = Popup("&Game");
    QAction* separator = game->actions().at(4);
    QVERIFY(separator->isSeparator());
    const auto pointAt = [game](QAction* item) {
      QTest::mouseMove(game->windowHandle(), game->actionGeometry(item).center());
    };
    QTest::keyClick(Main()->windowHandle(), Qt::Key_G, Qt::AltModifier);
    QTRY_VERIFY(game->isVisible());
    QCOMPARE(StatusLine(), QString("Start a new game"));
    pointAt(Item("&Close"));
    QCOMPARE(StatusLine(), QString("Close the current game"));
    pointAt(separator);
    QCOMPARE(StatusLine(), QString("Ready ..."));
    pointAt(Item("&Save...\tCtrl+S"));
    QCOMPARE(StatusLine(), QString("Save the current game"));
    pointAt(Item("&Open...\tCtrl+O"));
    QCOMPARE(StatusLine(), QString("Load an existing game"));
    QTest::keyClick(game, Qt::Key_Down);
    QCOMPARE(StatusLine(), QString("Set game difficulty level"));
    QTest::keyClick(game, Qt::Key_Escape);
    QTRY_VERIFY(!game->isVisible());
    QCOMPARE(StatusLine(), QString("Ready ..."));
  }

  // That the window keeps its place and stays shown is the platform's test.
  void alwaysOnTopAndPlaySoundsToggleAndCheck() {
    const QWidget* frame = Main();
    for (const bool on : {true, false}) {
      Item("Always on &Top")->trigger();
      QCOMPARE(game_->settings.TopMost, on);
      QCOMPARE(Item("Always on &Top")->isChecked(), on);
      QCOMPARE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
      Item("&Play Sounds")->trigger();
      QCOMPARE(game_->settings.Sounds, on);
      QCOMPARE(Item("&Play Sounds")->isChecked(), on);
    }
  }

  // The window's commands play on the game the window holds, and on no
  // other: a second game in the same process keeps every byte.
  void newPlaysOnTheWindowsOwnGame() {
    Session other;
    other.State.Difficulty = Difficulty::Hard;
    other.Random.Seed(4242);
    GenerateGame(other);
    other.InProgress = true;
    other.State.Z = 7;
    other.State.Y = 1;
    other.State.X = 5;
    const Session before = other;

    Item("&New\tCtrl+N")->trigger();
    const Session& shown = game_->session();
    QVERIFY(SameGame(other, before));
    // The next paint shows the window's game: its position and the full
    // supply of the settings' difficulty.
    const QString position = QString("%1-%2-%3").arg(shown.State.Z).arg(shown.State.Y).arg(shown.State.X);
    QTRY_COMPARE(Label(layout::MissileCount), QString("240"));
    QCOMPARE(Label(layout::WeaponsReadout), position);

    AnswerSaveQuestion(QMessageBox::No);
    Item("&Close")->trigger();
    QVERIFY(SameGame(other, before));
  }

  // A game left open by a failed case would stop the way out at the save
  // question.
  void cleanup() {
    if (!game_->session().InProgress) return;
    AnswerSaveQuestion(QMessageBox::No);
    Item("&Close")->trigger();
  }

  void aboutShowsTheTitlePictureOnceCentredAndAKeyOrALeftClickClosesIt() {
    Item("&About Kestravane...")->trigger();
    QVERIFY(About());
    QWidget* shown = About();
    const QImage picture = BitmapPicture(Id(Bitmap::Title)).data()->image;
    QCOMPARE(shown->size(), picture.size());
    const platform::Rect desktop = platform::DesktopRect();
    const QRect place = shown->frameGeometry();
    QCOMPARE(place.size(), shown->size());
    QCOMPARE(place.left(), (desktop.right - desktop.left - picture.width()) / 2);
    QCOMPARE(place.top(), (desktop.bottom - desktop.top - picture.height()) / 2);
    QVERIFY(shown->windowFlags() & Qt::WindowStaysOnTopHint);

    // It shows the title picture, pixel for pixel.
    QCOMPARE(shown->grab().toImage().convertToFormat(QImage::Format_RGB32),
             picture.convertToFormat(QImage::Format_RGB32));

    Item("&About Kestravane...")->trigger();
    QCOMPARE(About(), shown);

    QTest::mouseClick(shown, Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(About(), shown);
    QTest::keyClick(shown, Qt::Key_Space);
    QTRY_VERIFY(!About());

    Item("&About Kestravane...")->trigger();
    QVERIFY(About());
    QTest::mouseClick(About(), Qt::LeftButton, {}, QPoint(100, 100));
    QTRY_VERIFY(!About());
  }

  void anErrorBoxClosesAboutFirst() {
    Item("&About Kestravane...")->trigger();
    QVERIFY(About());
    bool aboutGoneWhenBoxShowed = false;
    AnswerNextModal([&](QWidget* box) {
      aboutGoneWhenBoxShowed = About() == nullptr;
      QTest::keyClick(box, Qt::Key_Return);
    });
    ErrorBoxText("Test(Call): a failure");
    QVERIFY(aboutGoneWhenBoxShowed);
  }

  // Where the window was left is the start-up test's.
  void exitWritesTheDocumentIntoTheSettings() {
    Main()->document().Path = folder_.filePath("last.war").toStdString();
    QTest::keyClick(Client(), Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!Main()->isVisible());
    QCOMPARE(QString(game_->settings.FileSpec.data()), folder_.filePath("last.war"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
