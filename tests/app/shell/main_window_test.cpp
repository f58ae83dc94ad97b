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
#include "common/surface_pixels.h"
#include "common/test_main_window.h"
#include "engine/generation.h"
#include "platform/keys.h"
#include "platform/qt/app_window.h"
#include "platform/qt/client_area.h"
#include "platform/resources.h"
#include "platform/screen.h"
#include "platform/surface.h"
#include "support/message_box.h"
#include "support/pictures.h"

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
    for (QAction* action : Main()->widget()->findChild<QMenuBar*>()->actions())
      if (action->text() == title) return action->menu();
    qFatal("no popup %s", qPrintable(title));
  }
  platform::Window* About() const { return game_->splash.window(); }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    game_ = std::make_unique<TestMainWindow>(folder_);
    QVERIFY(game_->window);
  }

  void cleanupTestCase() { game_.reset(); }

  void onlyTheCommandsThatNeedNoGameAreEnabled() {
    const std::set<QString> enabled = {"&New\tCtrl+N", "&Open...\tCtrl+O", "Op&tions...",
                                       "E&xit\tCtrl+Q", "Always on &Top", "&About Kestravane...",
                                       "&Play Sounds"};
    int items = 0;
    for (QAction* action : Main()->widget()->findChildren<QAction*>()) {
      if (action->isSeparator() || action->menu() || action->text().isEmpty()) continue;
      ++items;
      QVERIFY2(action->isEnabled() == enabled.count(action->text()), qPrintable(action->text()));
    }
    QCOMPARE(items, 21);
    for (const char* axis : {"&Z Axis Scan\tCtrl+Z", "&Y Axis Scan\tCtrl+Y", "&X Axis Scan\tCtrl+X"})
      QVERIFY(!Item(axis)->isChecked());
  }

  // The texts are those of the first paint with no game open.
  void theControlsSitWhereTheLayoutPutsThem() {
    const struct {
      Control id;
      QRect place;
      const char* text;
    } controls[] = {
        {Control::StatusLine, {167, 321, 287, 18}, "Ready ..."},
        {Control::ScanLabel, {170, 5, 283, 13}, ""},
        {Control::WeaponsTitle, {10, 5, 60, 13}, " Weapons"},
        {Control::WeaponsReadout, {20, 69, 32, 13}, "0-0-0"},
        {Control::MissilesLabel, {61, 30, 60, 13}, "Missiles"},
        {Control::MissileCount, {131, 47, 20, 13}, "0"},
        {Control::AimButton, {75, 75, 32, 20}, "&Aim"},
        {Control::FireButton, {113, 75, 32, 20}, "&Fire"},
        {Control::EnginesTitle, {10, 110, 60, 13}, " Engines"},
        {Control::EnginesReadout, {20, 184, 32, 13}, "0-0-0"},
        {Control::FuelLabel, {61, 135, 60, 13}, "Fuel"},
        {Control::FuelCount, {131, 152, 20, 13}, "0"},
        {Control::ReverseButton, {75, 180, 32, 20}, "<<<"},
        {Control::EngageButton, {113, 180, 32, 20}, ">>>"},
        {Control::ScannerTitle, {10, 215, 60, 13}, " Scanner"},
        {Control::ScannerReadout, {20, 277, 32, 13}, "0-0-0"},
        {Control::SectorShipsFigure, {67, 235, 85, 13}, "0 Roder Ships"},
        {Control::SectorDestroyedFigure, {67, 250, 85, 13}, "0 Destroyed"},
        {Control::SectorRemainingFigure, {67, 265, 85, 13}, "0 Remaining"},
        {Control::ShipsRemainingFigure, {67, 301, 85, 13}, "0 Ships Remain"},
        {Control::KillRatioFigure, {67, 316, 85, 13}, "0% Kill Ratio"},
    };
    for (const auto& control : controls) {
      QWidget* widget = Main()->Item(Id(control.id));
      QVERIFY2(widget, qPrintable(QString::number(Id(control.id))));
      QCOMPARE(widget->geometry(), control.place);
      QCOMPARE(widget->property("text").toString(), QString(control.text));
    }
  }

  // The scanner and status frames, the three panels and the two gauges.
  void theFirstPaintDrawsTheEtchedLineAndTheSunkenFrames() {
    platform::Surface* surface = platform::WindowSurface(game_->window);
    const platform::Color grey{192, 192, 192};
    QCOMPARE(WrongPixel(surface, {0, 0, 470, 1}, platform::Color{128, 128, 128}), QString());
    QCOMPARE(WrongPixel(surface, {0, 1, 470, 2}, platform::Color{255, 255, 255}), QString());
    QCOMPARE(WrongPixel(surface, {0, 2, 470, 3}, grey), QString());
    const platform::Rect frames[] = {{165, 20, 458, 313}, {165, 320, 458, 340}, {10, 20, 155, 105},
                                     {10, 125, 155, 210}, {10, 230, 155, 340},  {61, 46, 125, 60},
                                     {61, 151, 125, 165}};
    for (const platform::Rect& frame : frames) QCOMPARE(WrongSunkenFrame(surface, frame, grey), QString());
    platform::ReleaseSurface(surface);
  }

  // The menu names each shortcut; the table must send the command named.
  void everyShortcutIsTheOneItsMenuItemNames() {
    const std::map<int, QString> keyNames = {{platform::KeyBackspace, "H"}, {platform::KeyEnter, "M"}};
    int checked = 0;
    for (const platform::Shortcut& shortcut : MainWindowShortcuts()) {
      const QString key = keyNames.count(shortcut.virtualKey) ? keyNames.at(shortcut.virtualKey)
                                                             : QString(QChar(shortcut.virtualKey));
      QCOMPARE(shortcut.control, !keyNames.count(shortcut.virtualKey));
      bool named = false;
      for (const platform::MenuPopup& popup : MainMenu())
        for (const platform::MenuItem& item : popup.items)
          if (item.id == shortcut.command)
            named = QString(item.text).endsWith("\tCtrl+" + key);
      QVERIFY2(named, qPrintable(QString::number(shortcut.command)));
      ++checked;
    }
    QCOMPARE(checked, 13);
  }

  // With no game open, Close and Save are grayed; the pointer shows their
  // help all the same, and a separator shows none. The keyboard passes over
  // both.
  void theStatusLineFollowsTheMenuHighlight() {
    QVERIFY(QTest::qWaitForWindowActive(Main()->widget()));
    QMenu* game = Popup("&Game");
    QAction* separator = game->actions().at(4);
    QVERIFY(separator->isSeparator());
    const auto pointAt = [game](QAction* item) {
      QTest::mouseMove(game->windowHandle(), game->actionGeometry(item).center());
    };
    QTest::keyClick(Main()->widget()->windowHandle(), Qt::Key_G, Qt::AltModifier);
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
    const QWidget* frame = Main()->widget()->window();
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
    QTRY_COMPARE(ControlText(game_->window, Control::MissileCount), QString("240"));
    QCOMPARE(ControlText(game_->window, Control::WeaponsReadout), position);

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
    platform::Window* about = About();
    QWidget* shown = platform::AppWindow::From(about)->clientArea();
    const std::optional<platform::Rect> picture = PicSize(Bitmap::Title);
    QVERIFY(picture);
    QCOMPARE(shown->size(), QSize(picture->right, picture->bottom));
    const platform::Rect desktop = platform::DesktopRect();
    const QRect place = shown->window()->frameGeometry();
    QCOMPARE(place.size(), shown->size());
    QCOMPARE(place.left(), (desktop.right - desktop.left - picture->right) / 2);
    QCOMPARE(place.top(), (desktop.bottom - desktop.top - picture->bottom) / 2);
    QVERIFY(shown->window()->windowFlags() & Qt::WindowStaysOnTopHint);

    // It shows the title picture, pixel for pixel.
    platform::Surface* surface = platform::WindowSurface(about);
    QCOMPARE(WrongPicture(surface, BitmapPicture(Id(Bitmap::Title)), 0, 0), QString());
    platform::ReleaseSurface(surface);

    Item("&About Kestravane...")->trigger();
    QCOMPARE(About(), about);

    QTest::mouseClick(shown, Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(About(), about);
    QTest::keyClick(shown, Qt::Key_Space);
    QVERIFY(!About());

    Item("&About Kestravane...")->trigger();
    QVERIFY(About());
    QTest::mouseClick(platform::AppWindow::From(About())->clientArea(), Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(!About());
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
    game_->game.document().Path = folder_.filePath("last.war").toStdString();
    QTest::keyClick(Main()->clientArea(), Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!platform::MainWindow());
    QCOMPARE(QString(game_->settings.FileSpec.data()), folder_.filePath("last.war"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
