#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <QtTest>
#include <functional>

#include "common/modal_driver.h"
#include "dialogs/aim_dialog.h"
#include "dialogs/helm_dialog.h"
#include "dialogs/scanner_log_dialog.h"

using namespace kestravane;

// The windows that remember their place, under a window manager that draws
// frames around them (see under_openbox.sh): closed and opened again, each
// comes back exactly where the player left it.
namespace {

using Run = std::function<void(QWidget* owner, Placement&)>;

// Where the next dialog's frame is once the window manager has framed it and
// given it the keyboard; the dialog is then closed with Escape.
QPoint OpenedAt(const Run& run, QWidget* owner, Placement& place) {
  QPoint opened(-1, -1);
  WhenModal<QWidget>([&opened](QWidget* dialog) {
    const bool framed = QTest::qWaitFor([dialog] { return dialog->frameGeometry() != dialog->geometry(); }, 5000);
    opened = framed ? dialog->frameGeometry().topLeft() : QPoint(-2, -2);
    QTest::keyClick(KeyboardTarget(dialog), Qt::Key_Escape);
  });
  run(owner, place);
  return opened;
}

}  // namespace

class WindowPlaceTest : public QObject {
  Q_OBJECT

 private:
  QWidget owner_;

  static std::vector<std::pair<const char*, Run>> Dialogs() {
    return {{"Helm", [](QWidget* owner, Placement& place) { RunHelmDialog(owner, GameState{}, place); }},
            {"Aim", [](QWidget* owner, Placement& place) { RunAimDialog(owner, GameState{}, place); }},
            {"Scanner Log",
             [](QWidget* owner, Placement& place) { RunScannerLogDialog(owner, ScanLog{}, ScanAxis::Z, place); }}};
  }

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
    for (const auto& [name, run] : Dialogs())
      for (const auto& [top, left, expected] : {std::tuple{300, 200, QPoint(200, 300)}, {-5000, -400, QPoint(0, 0)}}) {
        Placement place{top, left, 0, 0, 0};
        for (int time = 0; time < 4; ++time) {
          const QPoint opened = OpenedAt(run, &owner_, place);
          QVERIFY2(opened == expected, qPrintable(QStringLiteral("%1, time %2: opened at %3,%4")
                                                      .arg(name).arg(time).arg(opened.x()).arg(opened.y())));
          QCOMPARE(QPoint(place.Left, place.Top), expected);
        }
      }
  }
};

QTEST_MAIN(WindowPlaceTest)
#include "window_place_test.moc"
