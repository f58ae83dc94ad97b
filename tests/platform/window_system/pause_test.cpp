#include <QTest>
#include <chrono>

#include "common/desktop_input.h"
#include "game_window.h"
#include "platform/pause.h"

// The pause an animation takes: the player's input sent meanwhile waits for
// it, and is not left waiting after it either, even when the pause began too
// late to sleep at all.
class PauseTest : public QObject {
  Q_OBJECT

 private slots:
  void inputWaitsForThePauseThenComesOnTheLoopsFirstPass_data() {
    QTest::addColumn<int>("milliseconds");
    QTest::newRow("on time") << 20;
    // Already late: the pause only looks at the window system once.
    QTest::newRow("late") << -5;
  }

  void inputWaitsForThePauseThenComesOnTheLoopsFirstPass() {
    QFETCH(int, milliseconds);
    TestWindow window;
    QVERIFY(ShowAndActivate(window));
    window.events.calls.clear();

    SendKeyFromDesktop(window->widget(), Qt::Key_K);
    SendClickFromDesktop(window->widget(), ClientAreaOf(window), QPoint(7, 9));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    platform::PauseUntil(deadline);
    QVERIFY(std::chrono::steady_clock::now() >= deadline);
    QCOMPARE(window.events.calls, QStringList());

    QCoreApplication::processEvents();
    QCOMPARE(window.events.calls, QStringList({"KeyDown 75", "LeftButtonDown 7 9"}));
  }
};

QTEST_MAIN(PauseTest)
#include "pause_test.moc"
