#include "platform/screen.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

#include "common/modal_driver.h"
#include "support/message_box.h"

using namespace kestravane;

// On the desk of two_screens_at_120_dpi.json, the primary screen 1024 x 640
// at 120 dots per inch, nothing here can pass on the platform's defaults.
class ScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void boxesCentreOnThePrimaryScreenInAFontForItsResolution() {
    QCOMPARE(std::pair(platform::DesktopRect().right, platform::DesktopRect().bottom), std::pair(1024, 640));
    QFont font;
    QRect frame;
    WhenModal<QDialog>([&](QDialog* box) {
      font = box->font();
      frame = box->frameGeometry();
      QTest::keyClick(KeyboardTarget(box), Qt::Key_Return);
    });
    ErrorBox(Text::SoundFailed, "Sensor", 1, 2);
    QCOMPARE(font.pixelSize(), 13);  // 8 points at 120 dots per inch
    QCOMPARE(frame.topLeft(), QPoint((1024 - frame.width()) / 2, (640 - frame.height()) / 2));
  }
};

QTEST_MAIN(ScreenTest)
#include "screen_test.moc"
