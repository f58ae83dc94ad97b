#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "common/test_main_window.h"
#include "platform/profile.h"

using namespace kestravane;

// The main window placed from its settings on a desktop of two screens side
// by side (this program runs with the two-screen layout of two_screens.json):
// wherever the settings put it, the player can see it and move it.
class PlacementTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

  // The game's main window made from settings that put it at (left, top).
  std::unique_ptr<TestMainWindow> WindowAt(const char* left, const char* top) {
    platform::Profile profile(folder_.filePath("kestravane.ini").toStdString());
    profile.Set("Kestravane", "Left", left);
    profile.Set("Kestravane", "Top", top);
    if (!profile.Save()) qFatal("cannot write the settings");
    return std::make_unique<TestMainWindow>(folder_);
  }

  static QRect Frame(const TestMainWindow& game) {
    return game.window->frameGeometry();
  }

  static bool WholeOnAScreen(const QRect& frame) {
    for (const QScreen* screen : QGuiApplication::screens())
      if (screen->availableGeometry().contains(frame)) return true;
    return false;
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    QCOMPARE(QGuiApplication::screens().size(), 2);
  }

  void aWindowOnTheSecondScreenStaysThere() {
    const auto game = WindowAt("1100", "150");
    QCOMPARE(Frame(*game).topLeft(), QPoint(1100, 150));
  }

  void aPlaceOffEveryScreenBringsTheWholeWindowOnScreen() {
    const std::pair<const char*, const char*> places[] = {
        {"2147483647", "2147483647"}, {"5000", "40"}, {"2147483648", "2147483648"},  // the last: -2^31
        {"4294965796", "300"},  // Left -1500: a screen unplugged since
        {"200", "100000"}};
    for (const auto& [left, top] : places) {
      const auto game = WindowAt(left, top);
        QVERIFY2(WholeOnAScreen(Frame(*game)), left);
    }
  }

  void anOffScreenPlaceIsNotSavedBack() {
    const auto game = WindowAt("100", "100");
    game->window->move(100000, 100000);
    QTest::keyClick(&game->window->board(), Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!game->window->isVisible());
    const Placement& saved = game->settings.MainPlacement;
    QVERIFY2(WholeOnAScreen(QRect(saved.Left, saved.Top, saved.Width, saved.Height)),
             qPrintable(QString("%1, %2").arg(saved.Left).arg(saved.Top)));
  }
};

QTEST_MAIN(PlacementTest)
#include "placement_test.moc"
