#include <QApplication>
#include <QDir>
#include <QImage>
#include <QtTest>
#include <functional>

#include "common/modal_driver.h"
#include "dialogs/aim_dialog.h"
#include "ship_at.h"
#include "dialogs/helm_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/scanner_log_dialog.h"
#include "support/message_box.h"

using namespace kestravane;

// Every dialog and box as it first shows, pixel for pixel against the
// pictures under tests/golden/. KESTRAVANE_UPDATE_GOLDEN=1 in the environment
// rewrites those pictures instead, for a change of look made on purpose.
namespace {

struct Shot {
  const char* name;
  const char* caption;
  std::function<void()> open;
};

ScanLog SomeScans() {
  ScanLog log{};
  log.Sector[9 + 2] = {1, 3, 1, 2};
  log.Sector[9 + 5] = {1, 1, 0, 1};
  return log;
}

}  // namespace

class DialogPicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void eachDialogAndBoxLooksAsItsPicture() {
    // A blinking caret would make the pictures depend on the moment.
    QApplication::setCursorFlashTime(0);
    Placement place;
    QWidget* const noOwner = nullptr;
    const Shot shots[] = {
        {"options", "Kestravane Options", [&] { RunOptionsDialog(noOwner, {Difficulty::Normal, true}); }},
        {"helm", "Helm", [&] { RunHelmDialog(noOwner, ShipAt(1, 2, 3, ScanAxis::Y), place); }},
        {"aim", "Aim", [&] { RunAimDialog(noOwner, ShipAt(4, 5, 6, ScanAxis::X), place); }},
        {"scanner_log", "Scanner Log", [&] { RunScannerLogDialog(noOwner, SomeScans(), ScanAxis::Y, place); }},
        {"error_box", "Error",
         [] { ErrorBoxText("DrawPicture(Load): Cannot read the %s bitmap\rCode %d", "hull", 5); }},
        {"warning_box", "Kestravane",
         [&] { WarningBox(noOwner, Text::ProgramName, Text::HelmCoordinateRange, std::string("Y")); }},
    };
    const bool update = qEnvironmentVariableIntValue("KESTRAVANE_UPDATE_GOLDEN") == 1;
    const QDir golden(QStringLiteral(KESTRAVANE_GOLDEN_DIR));
    for (const Shot& shot : shots) {
      QImage image;
      QString caption;
      WhenModal<QWidget>([&](QWidget* dialog) {
        image = dialog->grab().toImage();
        caption = dialog->windowTitle();
        QTest::keyClick(KeyboardTarget(dialog), Qt::Key_Escape);
      });
      shot.open();
      QCOMPARE(caption, QString::fromUtf8(shot.caption));
      const QString file = golden.filePath(QString::fromUtf8(shot.name) + ".png");
      if (update) {
        QVERIFY(image.save(file));
        continue;
      }
      const QImage expected(file);
      QVERIFY2(!expected.isNull(), qPrintable(file));
      const QImage shown = image.convertToFormat(expected.format());
      if (shown != expected) {
        const QString actual = QDir::current().filePath(QString::fromUtf8(shot.name) + "-shown.png");
        shown.save(actual);
        QFAIL(qPrintable(QStringLiteral("%1 differs from %2; see %3").arg(shot.name, file, actual)));
      }
    }
  }
};

QTEST_MAIN(DialogPicturesTest)
#include "dialog_pictures_test.moc"
