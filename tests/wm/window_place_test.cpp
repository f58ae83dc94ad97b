#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <QtTest>
#include <functional>

#include "common/modal_driver.h"
#include "dialogs/aim_dialog.h"
#include "dialogs/helm_dialog.h"
#include "dialogs/record_dialog.h"
#include "dialogs/scanner_log_dialog.h"

using namespace kestravane;

// The windows that remember their place, under a window manager that draws
// frames around them (see under_openbox.sh): closed and opened again, each
// comes back exactly where the player left it.
class WindowPlaceTest : public QObject {
  Q_OBJECT

 private:
  QWidget owner_;

 private slots:
  void initTestCase() {
    owner_.setGeometry(40, 60, 470, 350);
    owner_.show();
    QVERIFY(QTest::qWaitForWindowActive(&owner_));
  }

  // A place beyond the screen's top left opens at its corner, caption and
  // frame on the screen, and is stored from there. (Past the right and
  // bottom edges openbox itself pulls a window wholly back onto the screen.)
  void eachDialogReopensWhereItWasLeftOnTheScreen() {
    const std::pair<const char*, std::function<void(Placement&)>> dialogs[] = {
        {"Helm", [this](Placement& place) { RunHelmDialog(&owner_, GameState{}, place); }},
        {"Aim", [this](Placement& place) { RunAimDialog(&owner_, GameState{}, place); }},
        {"Scanner Log", [this](Placement& place) { RunScannerLogDialog(&owner_, ScanLog{}, ScanAxis::Z, place); }},
        {"Captain's Record", [this](Placement& place) {
           CaptainsRecord record;
           RunRecordDialog(&owner_, record, Difficulty::Normal, std::nullopt, place);
         }}};
    for (const auto& [name, run] : dialogs)
      for (const auto& [top, left, expected] : {std::tuple{300, 200, QPoint(200, 300)}, {-5000, -400, QPoint(0, 0)}}) {
        Placement place{top, left, 0, 0, 0};
        for (int time = 0; time < 4; ++time) {
          // Where the dialog's frame is once the window manager has framed it
          // and given it the keyboard; Escape then closes it.
          QPoint opened(-1, -1);
          WhenModal<QWidget>([&opened](QWidget* dialog) {
            const bool framed =
                QTest::qWaitFor([dialog] { return dialog->frameGeometry() != dialog->geometry(); }, 5000);
            opened = framed ? dialog->frameGeometry().topLeft() : QPoint(-2, -2);
            QTest::keyClick(KeyboardTarget(dialog), Qt::Key_Escape);
          });
          run(place);
          QVERIFY2(opened == expected, qPrintable(QStringLiteral("%1, time %2: opened at %3,%4")
                                                      .arg(name).arg(time).arg(opened.x()).arg(opened.y())));
          QCOMPARE(QPoint(place.Left, place.Top), expected);
        }
      }
  }
};

QTEST_MAIN(WindowPlaceTest)
#include "window_place_test.moc"
