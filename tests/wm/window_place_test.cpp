#include <QApplication>
#include <QWidget>
#include <QtTest>
#include <functional>

#include "common/modal_driver.h"
#include "dialogs/aim_dialog.h"
#include "dialogs/helm_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/record_dialog.h"
#include "dialogs/scanner_log_dialog.h"
#include "support/dialog_layout.h"
#include "support/message_box.h"

using namespace kestravane;

// The windows that remember their place, under a window manager that draws frames around them (see under_openbox.sh):
// closed and opened again, each comes back exactly where the player left it.
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

  // A place beyond the screen's top left opens at its corner, caption and frame on the screen, and is stored from
  // there. (Past the right and bottom edges openbox itself pulls a window wholly back onto the screen.)
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
      for (const auto& [top, left, expected] : {std::tuple{100, 200, QPoint(200, 100)}, {-5000, -400, QPoint(0, 0)}}) {
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

  // Options' frame opens at its place over the owner's inside, a box's frame in the middle of the screen. Neither
  // asks for a minimise or a maximise button (the Motif hints' functions and decorations, 8 and 16, 32 and 64), and
  // the window manager offers no maximising.
  void optionsAndBoxesOpenInPlaceFrameAndAll() {
    QRect frame;
    QPoint expected;
    QStringList hints;
    const auto measure = [&](bool options) {
      WhenModal<QDialog>([&, options](QDialog* dialog) {
        const bool framed = QTest::qWaitFor([dialog] { return dialog->frameGeometry() != dialog->geometry(); }, 5000);
        frame = framed ? dialog->frameGeometry() : QRect();
        if (options) {
          const auto& units = static_cast<const DialogLayout&>(*dialog->layout());
          expected = owner_.mapToGlobal(QPoint(units.Across(30), units.Down(40)));
          QProcess xprop;
          xprop.start("xprop", {"-id", QString::number(dialog->winId()), "_NET_WM_ALLOWED_ACTIONS", "_MOTIF_WM_HINTS"});
          xprop.waitForFinished();
          hints = QString(xprop.readAllStandardOutput()).split(QRegularExpression("[=,\\s]+"));
        }
        QTest::keyClick(KeyboardTarget(dialog), Qt::Key_Escape);
      });
    };
    measure(true);
    RunOptionsDialog(&owner_, GameOptions{});
    QCOMPARE(frame.topLeft(), expected);
    const int motif = static_cast<int>(hints.indexOf("_MOTIF_WM_HINTS(_MOTIF_WM_HINTS)"));
    QVERIFY2(motif > 0 && !hints.contains("_NET_WM_ACTION_MAXIMIZE_HORZ"), qPrintable(hints.join(' ')));
    QCOMPARE((hints.value(motif + 2).toInt(nullptr, 0) & 24) | (hints.value(motif + 3).toInt(nullptr, 0) & 96), 0);
    measure(false);
    WarningBox(&owner_, Text::LevelForNextGame);
    QCOMPARE(frame.center(), owner_.screen()->geometry().center());
  }
};

QTEST_MAIN(WindowPlaceTest)
#include "window_place_test.moc"
