#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <set>

#include "app/main_menu.h"
#include "app/settings.h"
#include "common/qt_waits.h"
#include "common/test_main_window.h"
#include "document/game_document.h"
#include "engine/commands.h"
#include "engine/globals.h"
#include "platform/keys.h"
#include "platform/qt/app_window.h"
#include "platform/qt/client_area.h"
#include "platform/resources.h"
#include "platform/screen.h"
#include "platform/surface.h"
#include "support/library.h"
#include "support/message_box.h"
#include "support/splash.h"

// The main window on its own, with no game open: its menus, their help on
// the status line, the toggles, and the About window.
class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  platform::Window* window_ = nullptr;

  platform::AppWindow* Main() const { return platform::AppWindow::From(window_); }
  QAction* Item(const QString& text) const {
    for (QAction* action : Main()->widget()->findChildren<QAction*>())
      if (action->text() == text) return action;
    qFatal("no menu item %s", qPrintable(text));
  }
  QString StatusLine() const { return qobject_cast<QLabel*>(Main()->Item(1003))->text(); }
  QMenu* Popup(const QString& title) const {
    for (QAction* action : Main()->widget()->findChild<QMenuBar*>()->actions())
      if (action->text() == title) return action->menu();
    qFatal("no popup %s", qPrintable(title));
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    window_ = OpenTestMainWindow(folder_);
    QVERIFY(window_);
  }

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
      int id;
      QRect place;
      const char* text;
    } controls[] = {
        {1003, {167, 321, 287, 18}, "Ready ..."},
        {5030, {170, 5, 283, 13}, ""},
        {5020, {10, 5, 60, 13}, " Weapons"},
        {5021, {20, 69, 32, 13}, "0-0-0"},
        {5022, {61, 30, 60, 13}, "Missiles"},
        {5023, {131, 47, 20, 13}, "0"},
        {5001, {75, 75, 32, 20}, "&Aim"},
        {5002, {113, 75, 32, 20}, "&Fire"},
        {5040, {10, 110, 60, 13}, " Engines"},
        {5041, {20, 184, 32, 13}, "0-0-0"},
        {5042, {61, 135, 60, 13}, "Fuel"},
        {5043, {131, 152, 20, 13}, "0"},
        {5003, {75, 180, 32, 20}, "<<<"},
        {5004, {113, 180, 32, 20}, ">>>"},
        {5060, {10, 215, 60, 13}, " Scanner"},
        {5061, {20, 277, 32, 13}, "0-0-0"},
        {5062, {67, 235, 85, 13}, "0 Roder Ships"},
        {5063, {67, 250, 85, 13}, "0 Destroyed"},
        {5064, {67, 265, 85, 13}, "0 Remaining"},
        {5065, {67, 301, 85, 13}, "0 Ships Remain"},
        {5066, {67, 316, 85, 13}, "0% Kill Ratio"},
    };
    for (const auto& control : controls) {
      QWidget* widget = Main()->Item(control.id);
      QVERIFY2(widget, qPrintable(QString::number(control.id)));
      QCOMPARE(widget->geometry(), control.place);
      QCOMPARE(widget->parentWidget(), static_cast<QWidget*>(Main()->clientArea()));
      QCOMPARE(widget->property("text").toString(), QString(control.text));
    }
    QCOMPARE(Game.Missiles.Frame.left, 61);
    QCOMPARE(Game.Missiles.Frame.bottom, 60);
    QCOMPARE(Game.Fuel.Frame.top, 151);
    QCOMPARE(Game.Fuel.Frame.right, 125);
  }

  void theFirstPaintDrawsTheEtchedLineAndTheSunkenFrames() {
    platform::Surface* surface = platform::WindowSurface(window_);
    const platform::Color shadow{128, 128, 128}, light{255, 255, 255}, grey{192, 192, 192};
    QCOMPARE(platform::PixelAt(surface, 0, 0), shadow);
    QCOMPARE(platform::PixelAt(surface, 469, 0), shadow);
    QCOMPARE(platform::PixelAt(surface, 0, 1), light);
    QCOMPARE(platform::PixelAt(surface, 0, 2), grey);
    const Rect frames[] = {Game.ScannerFrame, Game.StatusFrame, Game.WeaponsPanel,
                           Game.EnginesPanel, Game.ScannerPanel};
    for (const Rect& frame : frames) {
      QCOMPARE(platform::PixelAt(surface, frame.left, frame.top), shadow);
      QCOMPARE(platform::PixelAt(surface, frame.right, frame.top), shadow);
      QCOMPARE(platform::PixelAt(surface, frame.left, frame.bottom - 1), shadow);
      QCOMPARE(platform::PixelAt(surface, frame.left, frame.bottom), light);
      QCOMPARE(platform::PixelAt(surface, frame.right, frame.bottom), light);
      QCOMPARE(platform::PixelAt(surface, frame.right, frame.top + 1), light);
      QCOMPARE(platform::PixelAt(surface, frame.left + 1, frame.top + 1), grey);
    }
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

  void theStatusLineFollowsTheMenuHighlight() {
    Item("E&xit\tCtrl+Q")->hover();
    QCOMPARE(StatusLine(), QString("Exit Kestravane"));
    Item("&About Kestravane...")->hover();
    QCOMPARE(StatusLine(), QString("Show program information and copyright notice"));
    Item("&Keyboard Shortcuts")->hover();
    QCOMPARE(StatusLine(), QString("Show keyboard shortcuts"));

    QMenu* game = Popup("&Game");
    game->popup(QPoint(0, 0));
    QCOMPARE(StatusLine(), QString("Ready ..."));
    Item("&New\tCtrl+N")->hover();
    QCOMPARE(StatusLine(), QString("Start a new game"));
    game->hide();
    QCOMPARE(StatusLine(), QString("Ready ..."));
  }

  void alwaysOnTopAndPlaySoundsToggleAndCheck() {
    QWidget* frame = Main()->widget()->window();
    const QRect before = frame->frameGeometry();
    Item("Always on &Top")->trigger();
    QCOMPARE(Settings.TopMost, 1);
    QVERIFY(Item("Always on &Top")->isChecked());
    QVERIFY(frame->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->frameGeometry(), before);
    Item("Always on &Top")->trigger();
    QCOMPARE(Settings.TopMost, 0);
    QVERIFY(!Item("Always on &Top")->isChecked());
    QVERIFY(!(frame->windowFlags() & Qt::WindowStaysOnTopHint));

    Item("&Play Sounds")->trigger();
    QCOMPARE(Settings.Sounds, 1);
    QVERIFY(Item("&Play Sounds")->isChecked());
    Item("&Play Sounds")->trigger();
    QCOMPARE(Settings.Sounds, 0);
    QVERIFY(!Item("&Play Sounds")->isChecked());
  }

  void aboutShowsTheTitlePictureOnceCentredAndAKeyClosesIt() {
    Item("&About Kestravane...")->trigger();
    QVERIFY(Splash.Window);
    platform::Window* about = Splash.Window;
    QWidget* shown = platform::AppWindow::From(about)->clientArea();
    Rect picture;
    QVERIFY(PicSize(1000, &picture));
    QCOMPARE(shown->size(), QSize(picture.right, picture.bottom));
    const platform::Rect desktop = platform::DesktopRect();
    const QRect place = shown->window()->frameGeometry();
    QCOMPARE(place.size(), shown->size());
    QCOMPARE(place.left(), (desktop.right - desktop.left - picture.right) / 2);
    QCOMPARE(place.top(), (desktop.bottom - desktop.top - picture.bottom) / 2);
    QVERIFY(shown->window()->windowFlags() & Qt::WindowStaysOnTopHint);

    // It shows the title picture, pixel for pixel.
    int error = 0;
    const platform::Picture title = platform::LoadBitmapResource(1000, error);
    platform::Surface* surface = platform::WindowSurface(about);
    for (const QPoint at : {QPoint(0, 0), QPoint(160, 100), QPoint(319, 199), QPoint(40, 150)}) {
      const std::uint32_t expected = title.Pixel(at.x(), at.y());
      QCOMPARE(platform::PixelAt(surface, at.x(), at.y()),
               (platform::Color{static_cast<std::uint8_t>(expected >> 16),
                                static_cast<std::uint8_t>(expected >> 8),
                                static_cast<std::uint8_t>(expected)}));
    }
    platform::ReleaseSurface(surface);

    Item("&About Kestravane...")->trigger();
    QCOMPARE(Splash.Window, about);

    QTest::mouseClick(shown, Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(Splash.Window, about);
    QTest::keyClick(shown, Qt::Key_Space);
    QVERIFY(!Splash.Window);
  }

  void aLeftClickClosesAbout() {
    Item("&About Kestravane...")->trigger();
    QVERIFY(Splash.Window);
    QTest::mouseClick(platform::AppWindow::From(Splash.Window)->clientArea(), Qt::LeftButton, {},
                      QPoint(100, 100));
    QVERIFY(!Splash.Window);
  }

  void anErrorBoxClosesAboutFirst() {
    Item("&About Kestravane...")->trigger();
    QVERIFY(Splash.Window);
    bool aboutGoneWhenBoxShowed = false;
    AnswerNextModal([&](QWidget* box) {
      aboutGoneWhenBoxShowed = Splash.Window == nullptr;
      QTest::keyClick(box, Qt::Key_Return);
    });
    ErrorBoxText("Test(Call): a failure");
    QVERIFY(aboutGoneWhenBoxShowed);
  }

  void exitWritesTheDocumentAndPlacementIntoTheSettings() {
    Document.Path = folder_.filePath("last.war").toStdString();
    const QRect frame = Main()->widget()->window()->frameGeometry();
    QTest::keyClick(Main()->clientArea(), Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!platform::MainWindow());
    QCOMPARE(QString(Settings.FileSpec.data()), folder_.filePath("last.war"));
    QCOMPARE(Settings.MainPlacement.Left, frame.left());
    QCOMPARE(Settings.MainPlacement.Top, frame.top());
    QCOMPARE(Settings.MainPlacement.Width, frame.width());
    QCOMPARE(Settings.MainPlacement.Height, frame.height());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
