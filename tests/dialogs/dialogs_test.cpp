#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "common/dialog_driver.h"
#include "common/test_main_window.h"
#include "dialogs/aim_dialog.h"
#include "ship_at.h"
#include "dialogs/helm_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/scanner_log_dialog.h"
#include "support/message_box.h"

using namespace kestravane;

// The dialogs and boxes driven as the player drives them, with keys and
// clicks, over the real main window. The desk has two screens: 1024 x 768 on
// the left, 800 x 600 to its right from (1024, 100).
namespace {

// The edit fields, in the order the dialog shows them.
QLineEdit* Field(QWidget* dialog, int index) { return dialog->findChildren<QLineEdit*>().value(index); }

void Type(QWidget* dialog, const QString& text) { QTest::keyClicks(KeyboardTarget(dialog), text); }

const DialogStep ClosingTheWindow = [](QWidget* dialog) { dialog->close(); };

// Empties the field and types `text` into it, as the player does after
// clicking it.
void Retype(QWidget* dialog, int field, const QString& text) {
  QLineEdit* edit = Field(dialog, field);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

// Presses Enter in the dialog and gives back what the warning it raises says.
QString EnterRefused(QWidget* dialog) {
  QString warning;
  const auto box = [] {
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->isActiveWindow() && modal->windowTitle() == "Kestravane" ? modal : nullptr;
  };
  WhenReady([box] { return box() != nullptr; },
            [box, &warning] {
              warning = BoxText(box());
              QTest::keyClick(KeyboardTarget(box()), Qt::Key_Return);
            },
            10000, "No warning came up");
  PressIn(dialog, Qt::Key_Return);
  return warning;
}

QString Expected(const char* letter) {
  return QStringLiteral("Enter a %1 coordinate between 0 and 8.").arg(QLatin1String(letter));
}

// Which of the buttons named are checked, in order.
QList<bool> Checked(QWidget* dialog, const QStringList& names) {
  QList<bool> checked;
  for (const QString& name : names) checked << ButtonOf(dialog, name)->isChecked();
  return checked;
}

// What has the keyboard: a button's text, a field's position, or the list.
QString Focused(QWidget* dialog) {
  QWidget* focused = QApplication::focusWidget();
  if (auto* button = qobject_cast<QAbstractButton*>(focused)) return button->text();
  if (auto* edit = qobject_cast<QLineEdit*>(focused))
    return QStringLiteral("field %1").arg(dialog->findChildren<QLineEdit*>().indexOf(edit));
  if (qobject_cast<QListWidget*>(focused)) return QStringLiteral("list");
  return QStringLiteral("nothing");
}

QStringList ListLines(QWidget* dialog) {
  QStringList lines;
  auto* list = dialog->findChild<QListWidget*>();
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  std::unique_ptr<TestMainWindow> game_;

  MainWindow* Owner() const { return game_->window.get(); }

  // Each dialog, opened over the main window for a ship at 1-2-3 looking
  // along Z, with the place it keeps in `place`.
  std::vector<std::pair<const char*, std::function<void(Placement&)>>> Dialogs() {
    return {{"Options", [this](Placement&) { RunOptionsDialog(Owner(), {Difficulty::Normal, false}); }},
            {"Helm", [this](Placement& place) { RunHelmDialog(Owner(), ShipAt(1, 2, 3, ScanAxis::Z), place); }},
            {"Aim", [this](Placement& place) { RunAimDialog(Owner(), ShipAt(1, 2, 3, ScanAxis::Z), place); }},
            {"Scanner Log",
             [this](Placement& place) { RunScannerLogDialog(Owner(), ScanLog{}, ScanAxis::Z, place); }}};
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    game_ = std::make_unique<TestMainWindow>(folder_);
    Owner()->move(40, 40);
  }

  // Tab goes round the controls in the order the dialog shows them, from
  // the one that has the keyboard when it opens.
  void tabGoesRoundEachDialogFromWhereItStarts() {
    const QStringList rounds[] = {{"OK", "Cancel", "&Easy", "&Play Sound F/X Wave Files", "OK"},
                                  {"field 0", "field 1", "field 2", "&Engage", "Cancel", "field 0"},
                                  {"field 0", "field 1", "&Fire", "Cancel", "field 0"},
                                  {"list", "&Z Axis", "&Y Axis", "&X Axis", "OK", "list"}};
    int i = 0;
    for (const auto& [name, run] : Dialogs()) {
      QStringList round;
      LookThenEnd(
          [&round, count = rounds[i].size()](QWidget* dialog) {
            for (int step = 0; step < count; ++step) {
              round << Focused(dialog);
              PressIn(dialog, Qt::Key_Tab);
            }
          },
          Pressing(Qt::Key_Escape));
      Placement place;
      run(place);
      QCOMPARE(round, rounds[i++]);
    }
  }

  void optionsShowTheSettingsAndGiveBackWhatThePlayerChose() {
    QList<bool> levels;
    bool sounds = false, soundsAfterItsLetter = true;
    LookThenEnd(
        [&](QWidget* dialog) {
          levels = Checked(dialog, {"&Easy", "&Normal", "&Hard"});
          sounds = ButtonOf(dialog, "&Play Sound F/X Wave Files")->isChecked();
          QTest::mouseClick(ButtonOf(dialog, "&Easy"), Qt::LeftButton);
          PressIn(dialog, Qt::Key_P, Qt::AltModifier);
          soundsAfterItsLetter = QTest::qWaitFor(
              [dialog] { return !ButtonOf(dialog, "&Play Sound F/X Wave Files")->isChecked(); }, 2000);
        },
        Clicking("OK"));
    const std::optional<GameOptions> chosen = RunOptionsDialog(Owner(), {Difficulty::Hard, true});
    QCOMPARE(levels, (QList<bool>{false, false, true}));
    QVERIFY(sounds);
    QVERIFY(soundsAfterItsLetter);
    QCOMPARE(chosen, (std::optional<GameOptions>{{Difficulty::Easy, false}}));
  }

  // Cancel, Escape and the close box give nothing back, whatever was typed
  // or chosen, and the dialogs that remember their place keep where they
  // were left.
  void cancellingGivesNothingAndKeepsThePlace() {
    for (const DialogStep& cancel : {Clicking("Cancel"), Pressing(Qt::Key_Escape), ClosingTheWindow}) {
      LookThenEnd([](QWidget* dialog) { QTest::mouseClick(ButtonOf(dialog, "&Hard"), Qt::LeftButton); }, cancel);
      QVERIFY(!RunOptionsDialog(Owner(), {Difficulty::Normal, false}).has_value());

      QRect frame;
      const DialogStep moveAndType = [&frame](QWidget* dialog) {
        Retype(dialog, 0, "8");
        dialog->move(300, 210);
        frame = dialog->frameGeometry();
      };
      Placement place{35, 35, 0, 0, 1};
      LookThenEnd(moveAndType, cancel);
      QVERIFY(!RunHelmDialog(Owner(), ShipAt(0, 4, 4, ScanAxis::Z), place).has_value());
      QCOMPARE(place.Show, 1);
      QCOMPARE(QRect(place.Left, place.Top, place.Width, place.Height), frame);
      QCOMPARE(frame.topLeft(), QPoint(300, 210));

      LookThenEnd(moveAndType, cancel);
      QVERIFY(!RunAimDialog(Owner(), ShipAt(0, 4, 4, ScanAxis::Z), place).has_value());
      QCOMPARE(QRect(place.Left, place.Top, place.Width, place.Height), frame);
    }
  }

  void helmOpensOnTheShipWithTheZFieldReadyAndTakesACourseTypedWithTab() {
    QString selected;
    QList<bool> axes;
    LookThenEnd(
        [&](QWidget* dialog) {
          selected = Field(dialog, 0)->hasFocus() ? Field(dialog, 0)->selectedText() : "no focus";
          axes = Checked(dialog, {"&Z:", "&Y:", "&X:"});
          Type(dialog, "3");
          PressIn(dialog, Qt::Key_Tab);
          Type(dialog, "4");
          PressIn(dialog, Qt::Key_Tab);
          Type(dialog, "5");
        },
        Pressing(Qt::Key_Return));
    Placement place;
    const std::optional<HelmOrders> orders = RunHelmDialog(Owner(), ShipAt(1, 2, 7, ScanAxis::Y), place);
    QCOMPARE(selected, QStringLiteral("1"));
    QCOMPARE(axes, (QList<bool>{false, true, false}));
    QCOMPARE(orders, (std::optional<HelmOrders>{{{3, 4, 5}, ScanAxis::Y}}));
  }

  void helmRefusesNineInYKeepsTheZTypedBeforeItAndStaysOpen() {
    QString nineInY, minusInZ, yAfter, zAfter;
    bool stayedOpen = false, keyboardBack = false;
    LookThenEnd(
        [&](QWidget* dialog) {
          Retype(dialog, 0, "6");
          Retype(dialog, 1, "9");
          nineInY = EnterRefused(dialog);
          yAfter = Field(dialog, 1)->text();
          stayedOpen = dialog->isVisible();
          // With or without a window manager, the player types on here.
          keyboardBack = QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }, 2000);
          // Z was taken before Y was refused: a bad Z now goes back to 6.
          Retype(dialog, 0, "-1");
          minusInZ = EnterRefused(dialog);
          zAfter = Field(dialog, 0)->text();
          Retype(dialog, 1, "7");
          Retype(dialog, 2, "");  // an empty field counts as 0
        },
        Pressing(Qt::Key_Return));
    Placement place;
    const std::optional<HelmOrders> orders = RunHelmDialog(Owner(), ShipAt(1, 2, 3, ScanAxis::Z), place);
    QVERIFY2(nineInY.contains(Expected("Y")), qPrintable(nineInY));
    QCOMPARE(yAfter, QStringLiteral("2"));
    QVERIFY(stayedOpen);
    QVERIFY(keyboardBack);
    QVERIFY2(minusInZ.contains(Expected("Z")), qPrintable(minusInZ));
    QCOMPARE(zAfter, QStringLiteral("6"));
    QCOMPARE(orders, (std::optional<HelmOrders>{{{6, 7, 0}, ScanAxis::Z}}));
  }

  void helmAxisButtonAloneTurnsTheScannerAndKeepsTheCourse() {
    QList<bool> axes;
    LookThenEnd(
        [&](QWidget* dialog) {
          QTest::mouseClick(ButtonOf(dialog, "&X:"), Qt::LeftButton);
          axes = Checked(dialog, {"&Z:", "&Y:", "&X:"});
        },
        Clicking("&Engage"));
    Placement place;
    const std::optional<HelmOrders> orders = RunHelmDialog(Owner(), ShipAt(2, 5, 8, ScanAxis::Z), place);
    QCOMPARE(axes, (QList<bool>{false, false, true}));
    QCOMPARE(orders, (std::optional<HelmOrders>{{{2, 5, 8}, ScanAxis::X}}));
  }

  void aimShowsTheTwoCoordinatesOfTheSectorAndTakesATargetTypedWithTab() {
    struct Case {
      ScanAxis axis;
      QStringList shown;  // label, field, label, field
      Quadrant target;    // after typing 0 Tab 8
    };
    const Case cases[] = {{ScanAxis::Z, {"&Y", "2", "&X", "3"}, {1, 0, 8}},
                          {ScanAxis::Y, {"&Z", "1", "&X", "3"}, {0, 2, 8}},
                          {ScanAxis::X, {"&Y", "2", "&Z", "1"}, {8, 0, 3}},
                          {ScanAxis(7), {"&Y", "2", "&X", "3"}, {1, 0, 8}}};
    for (const Case& test : cases) {
      QStringList shown;
      QString selected;
      LookThenEnd(
          [&](QWidget* dialog) {
            for (QLabel* label : dialog->findChildren<QLabel*>())
              if (label->text().startsWith('&')) shown << label->text() << label->buddy()->property("text").toString();
            selected = Field(dialog, 0)->hasFocus() ? Field(dialog, 0)->selectedText() : "no focus";
            Type(dialog, "0");
            PressIn(dialog, Qt::Key_Tab);
            Type(dialog, "8");
          },
          Pressing(Qt::Key_Return));
      Placement place;
      const std::optional<Quadrant> target = RunAimDialog(Owner(), ShipAt(1, 2, 3, test.axis), place);
      QCOMPARE(shown, test.shown);
      QCOMPARE(selected, test.shown[1]);
      QCOMPARE(target, std::optional<Quadrant>(test.target));
    }
  }

  void aimRefusesEmptyNegativeAndNineNamingTheCoordinate() {
    QString nineInZ, emptyZ, minusInY, secondAfter, firstAfter;
    LookThenEnd(
        [&](QWidget* dialog) {
          // Along X the fields are Y, then Z.
          Retype(dialog, 0, "5");
          Retype(dialog, 1, "9");
          nineInZ = EnterRefused(dialog);
          secondAfter = Field(dialog, 1)->text();
          Retype(dialog, 1, "");
          emptyZ = EnterRefused(dialog);
          // Y was accepted before Z was refused: a bad Y now goes back to 5.
          Retype(dialog, 0, "-1");
          minusInY = EnterRefused(dialog);
          firstAfter = Field(dialog, 0)->text();
          Retype(dialog, 1, "4");
        },
        Clicking("&Fire"));
    Placement place;
    const std::optional<Quadrant> target = RunAimDialog(Owner(), ShipAt(1, 2, 3, ScanAxis::X), place);
    QVERIFY2(nineInZ.contains(Expected("Z")), qPrintable(nineInZ));
    QCOMPARE(secondAfter, QStringLiteral("1"));
    QVERIFY2(emptyZ.contains(Expected("Z")), qPrintable(emptyZ));
    QVERIFY2(minusInY.contains(Expected("Y")), qPrintable(minusInY));
    QCOMPARE(firstAfter, QStringLiteral("5"));
    QCOMPARE(target, (std::optional<Quadrant>{{4, 5, 3}}));
  }

  void scannerLogListsEverySectorAlongTheChosenAxis() {
    ScanLog log{};
    for (int sector = 0; sector < 9; ++sector) log.Sector[sector] = {1, sector % 3, sector % 2, sector % 3 - sector % 2};
    log.Sector[9 + 4] = {1, 1, 0, 1};
    QStringList alongZ, alongY, alongX;
    QList<bool> axesAfterY;
    LookThenEnd(
        [&](QWidget* dialog) {
          alongZ = ListLines(dialog);
          QTest::mouseClick(ButtonOf(dialog, "&Y Axis"), Qt::LeftButton);
          alongY = ListLines(dialog);
          axesAfterY = Checked(dialog, {"&Z Axis", "&Y Axis", "&X Axis"});
          PressIn(dialog, Qt::Key_X, Qt::AltModifier);
          QTRY_COMPARE(ListLines(dialog).size(), 18);
          alongX = ListLines(dialog);
        },
        Clicking("OK"));
    Placement place;
    RunScannerLogDialog(Owner(), log, ScanAxis::Z, place);

    QCOMPARE(alongZ.size(), 36);
    QCOMPARE(alongZ.mid(0, 8), (QStringList{"Sector 0 ----------------", "\t0 Roder Ships", "\t0 Destroyed",
                                            "\t0 Remaining", "Sector 1 ----------------", "\t1 Roder Ship",
                                            "\t1 Destroyed", "\t0 Remaining"}));
    QCOMPARE(alongY.size(), 20);
    QCOMPARE(alongY.mid(8, 5), (QStringList{"Sector 4 ----------------", "\t1 Roder Ship", "\t0 Destroyed",
                                            "\t1 Remaining", "Sector 5 ----------------"}));
    QCOMPARE(alongY[1], QStringLiteral("\tUnexplored"));
    QCOMPARE(axesAfterY, (QList<bool>{false, true, false}));
    QCOMPARE(alongX.size(), 18);
    QCOMPARE(alongX.count("\tUnexplored"), 9);
  }

  void scannerLogClosesByOkEscapeEnterOrCloseBoxAndKeepsItsPlace() {
    for (const DialogStep& close : {Clicking("OK"), Pressing(Qt::Key_Escape), Pressing(Qt::Key_Return), ClosingTheWindow}) {
      QRect frame;
      LookThenEnd(
          [&](QWidget* dialog) {
            dialog->move(120, 330);
            frame = dialog->frameGeometry();
          },
          close);
      Placement place{};
      RunScannerLogDialog(Owner(), ScanLog{}, ScanAxis::Z, place);
      QCOMPARE(QRect(place.Left, place.Top, place.Width, place.Height), frame);
      QCOMPARE(frame.topLeft(), QPoint(120, 330));
    }
  }

  // A box has the keyboard on its OK button and stays above the game's
  // windows; OK, Enter, Escape and the close box all close it.
  void boxesCloseEveryWay() {
    for (const DialogStep& close : {Clicking("OK"), Pressing(Qt::Key_Return), Pressing(Qt::Key_Escape), ClosingTheWindow}) {
      QString focused;
      bool onTop = false;
      LookThenEnd(
          [&](QWidget* box) {
            focused = Focused(box);
            onTop = box->windowFlags() & Qt::WindowStaysOnTopHint;
          },
          close);
      QVERIFY(!WarningBox(Owner(), Text::ProgramName, Text::HelmCoordinateRange, std::string("X")));
      QCOMPARE(focused, QStringLiteral("OK"));
      QVERIFY(onTop);
    }
  }

  // Each dialog opens where it was left, pulled in to 70 pixels inside the
  // right and bottom edges of the main window's screen and kept off the
  // space beyond its left and top edges.
  void dialogsOpenAtTheirPlacePulledOntoTheMainWindowsScreen() {
    struct Case {
      QPoint mainWindow;
      Placement stored;
      QPoint opened;
    };
    const Case cases[] = {
        {{40, 40}, {200, 300}, {300, 200}},       {{40, 40}, {100, 5000}, {954, 100}},
        {{40, 40}, {5000, 100}, {100, 698}},      {{40, 40}, {-400, -5000}, {0, 0}},
        {{1100, 150}, {5000, 5000}, {1754, 630}}, {{1100, 150}, {-30, 2}, {1024, 100}},
    };
    for (const Case& test : cases) {
      Owner()->move(test.mainWindow.x(), test.mainWindow.y());
      for (const auto& [name, run] : Dialogs()) {
        if (name == std::string("Options")) continue;
        QPoint opened;
        LookThenEnd([&](QWidget* dialog) { opened = dialog->frameGeometry().topLeft(); }, Pressing(Qt::Key_Escape));
        Placement place = test.stored;
        run(place);
        QCOMPARE(opened, test.opened);
        QCOMPARE(QPoint(place.Left, place.Top), test.opened);
      }
    }
    Owner()->move(40, 40);
  }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
