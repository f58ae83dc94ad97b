#include "platform/screen.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "common/modal_driver.h"
#include "support/message_box.h"

using namespace kestravane;

// Runs on a desk of two screens, the primary one 1024 x 640 at 120 dots per
// inch, so that nothing here can pass on the offscreen platform's defaults.
class ScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void desktopIsThePrimaryScreen() {
    const platform::Rect desktop = platform::DesktopRect();
    QCOMPARE(desktop.left, 0);
    QCOMPARE(desktop.top, 0);
    QCOMPARE(desktop.right, 1024);
    QCOMPARE(desktop.bottom, 640);
  }

  void boxFontFollowsTheResolutionAndTheBoxStaysCentred() {
    int pixelSize = 0;
    QRect frame;
    WhenModal<QDialog>([&](QDialog* box) {
      pixelSize = box->font().pixelSize();
      frame = box->frameGeometry();
      QTest::keyClick(KeyboardTarget(box), Qt::Key_Return);
    });
    ErrorBoxText("Sensor array offline");
    QCOMPARE(pixelSize, 13);  // 8 points at 120 dots per inch
    QCOMPARE(frame.left(), (1024 - frame.width()) / 2);
    QCOMPARE(frame.top(), (640 - frame.height()) / 2);
  }
};

int main(int argc, char** argv) {
  QTemporaryDir folder;
  QFile config(folder.filePath(QStringLiteral("screens.json")));
  if (!folder.isValid() || !config.open(QIODevice::WriteOnly)) return 1;
  config.write(R"({"screens": [
    {"name": "primary", "x": 0, "y": 0, "width": 1024, "height": 640, "logicalDpi": 120, "logicalBaseDpi": 120},
    {"name": "side", "x": 1024, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96}
  ]})");
  config.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
  QApplication application(argc, argv);
  ScreenTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "screen_test.moc"
