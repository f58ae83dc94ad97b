#include <QtTest>

#include "game_window.h"
#include "platform/surface.h"

// On a screen scaled by two (this program runs with QT_SCALE_FACTOR=2) each
// pixel the game draws covers two by two pixels of the screen, all of its
// own colour: the pixel art stays sharp instead of being smoothed.
class ScaledScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void eachGamePixelIsATwoByTwoBlockOfItsOwnColour() {
    TestWindow window;
    QVERIFY(ShowAndActivate(window));
    QWidget* frame = window->widget();
    QCOMPARE(frame->devicePixelRatio(), 2.0);

    // A one-pixel checker pattern: smoothing would turn it grey.
    platform::Surface* surface = platform::WindowSurface(window);
    for (int y = 100; y < 110; ++y)
      for (int x = 200; x < 210; ++x)
        platform::FillRect(surface, {x, y, x + 1, y + 1},
                           (x + y) % 2 ? platform::Color{255, 255, 255} : platform::Color{0, 0, 0});
    platform::ReleaseSurface(surface);

    const QImage screen = frame->screen()->grabWindow(frame->winId()).toImage();
    for (int y = 100; y < 110; ++y) {
      for (int x = 200; x < 210; ++x) {
        const QPoint corner = ClientAreaOf(window)->mapTo(frame, QPoint(x, y)) * 2;
        const QColor expected = (x + y) % 2 ? Qt::white : Qt::black;
        for (const QPoint offset : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
          QCOMPARE(screen.pixelColor(corner + offset), expected);
      }
    }
  }
};

QTEST_MAIN(ScaledScreenTest)
#include "scaled_screen_test.moc"
