#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "common/test_main_window.h"
#include "dialogs/aim_dialog.h"
#include "dialogs/helm_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/scanner_log_dialog.h"
#include "platform/dialog.h"
#include "platform/dialogs/dialog_driver.h"
#include "platform/window.h"

// The dialogs driven as the player drives them, with keys and clicks, over
// the real main window. The desk has two screens: 1024 x 768 on the left,
// 800 x 600 to its right from (1024, 100).
namespace {

QLineEdit* Field(QDialog* dialog, int id) { return Control<QLineEdit>(dialog, id); }

void Type(QDialog* dialog, const QString& text) { QTest::keyClicks(KeyboardTarget(dialog), text); }

// Empties the field and types `text` into it, as the player does after
// clicking it.
void Retype(QDialog* dialog, int id, const QString& text) {
  QLineEdit* field = Field(dialog, id);
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

// Waits for the warning the game raises over a dialog, keeps its text and
// presses OK in it.
void AnswerWarning(QString* text) {
  const auto box = [] {
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->isActiveWindow() && modal->windowTitle() == "Kestravane" ? modal : nullptr;
  };
  WhenReady([box] { return box() != nullptr; },
            [box, text] {
              *text = BoxText(box());
              QTest::keyClick(KeyboardTarget(box()), Qt::Key_Return);
            },
            10000, "No warning came up");
}

// Presses Enter in the dialog and gives back what the warning it raises says.
QString EnterRefused(QDialog* dialog) {
  QString warning;
  AnswerWarning(&warning);
  Press(dialog, Qt::Key_Return);
  return warning;
}

QString Expected(const char* letter) {
  return QStringLiteral("Enter a %1 coordinate between 0 and 8.").arg(QLatin1String(letter));
}

GameState ShipAt(int z, int y, int x, ScanAxis axis) {
  GameState state;
  state.Z = z;
  state.Y = y;
  state.X = x;
  state.Axis = axis;
  return state;
}

QStringList ListLines(QDialog* dialog) {
  QStringList lines;
  auto* list = Control<QListWidget>(dialog, Id(ScannerLogItem::Sectors));
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

constexpr int ZField = Id(HelmItem::ZField), YField = Id(HelmItem::YField), XField = Id(HelmItem::XField);
constexpr int FirstField = Id(AimItem::FirstField), SecondField = Id(AimItem::SecondField);
constexpr int Confirm = Id(DialogButton::Confirm), Cancel = Id(DialogButton::Cancel);

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  std::unique_ptr<TestMainWindow> game_;

  platform::Window* Owner() const { return game_->window; }

  // The place a dialog closed at.
  static Placement ClosedAt(const QRect& frame) {
    return {frame.top(), frame.left(), frame.height(), frame.width(), 0};
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    game_ = std::make_unique<TestMainWindow>(folder_);
    QVERIFY(game_->window);
    platform::MoveWindow(Owner(), 40, 40);
  }

  void optionsShowTheSettingsAndGiveBackWhatThePlayerChose() {
    std::vector<bool> levels;
    bool sounds = false;
    LookThenEnd(
        [&](QDialog* dialog) {
          for (int id : {101, 102, 103}) levels.push_back(platform::ButtonChecked(AsWindow(dialog), id));
          sounds = platform::ButtonChecked(AsWindow(dialog), 113);
          Click(dialog, Id(OptionsItem::Easy));
          QTest::keyClick(KeyboardTarget(dialog), Qt::Key_P, Qt::AltModifier);  // the sound box's letter
          QTRY_VERIFY(!platform::ButtonChecked(AsWindow(dialog), 113));
        },
        Clicking(Confirm));
    const std::optional<GameOptions> chosen = RunOptionsDialog(Owner(), {Difficulty::Hard, true});
    QCOMPARE(levels, (std::vector<bool>{false, false, true}));
    QVERIFY(sounds);
    QVERIFY(chosen.has_value());
    QCOMPARE(chosen->Difficulty, Difficulty::Easy);
    QVERIFY(!chosen->Sounds);
  }

  void optionsCancelledByButtonEscapeOrCloseBoxGiveNothing() {
    const std::vector<DialogStep> ways = {Clicking(Cancel), Pressing(Qt::Key_Escape),
                                          [](QDialog* dialog) { dialog->close(); }};
    for (const DialogStep& cancel : ways) {
      LookThenEnd([](QDialog* dialog) { Click(dialog, Id(OptionsItem::Hard)); }, cancel);
      QVERIFY(!RunOptionsDialog(Owner(), {Difficulty::Normal, false}).has_value());
    }
  }

  void helmOpensOnTheShipWithTheZFieldReadyAndTakesACourseTypedWithTab() {
    QString selected;
    bool yAxis = false;
    LookThenEnd(
        [&](QDialog* dialog) {
          selected = Field(dialog, ZField)->hasFocus() ? Field(dialog, ZField)->selectedText() : "no focus";
          yAxis = platform::ButtonChecked(AsWindow(dialog), Id(HelmItem::YAxis)) &&
                  !platform::ButtonChecked(AsWindow(dialog), Id(HelmItem::ZAxis));
          Type(dialog, "3");
          Press(dialog, Qt::Key_Tab);
          Type(dialog, "4");
          Press(dialog, Qt::Key_Tab);
          Type(dialog, "5");
        },
        Pressing(Qt::Key_Return));
    Placement place;
    const std::optional<HelmOrders> orders = RunHelmDialog(Owner(), ShipAt(1, 2, 7, ScanAxis::Y), place);
    QCOMPARE(selected, QStringLiteral("1"));
    QVERIFY(yAxis);
    QVERIFY(orders.has_value());
    QCOMPARE(orders->Destination, (Quadrant{3, 4, 5}));
    QCOMPARE(orders->Axis, ScanAxis::Y);
  }

  void helmRefusesNineInYKeepsTheZTypedBeforeItAndStaysOpen() {
    QString nineInY, minusInZ, yAfter, zAfter;
    bool stayedOpen = false, keyboardBack = false;
    LookThenEnd(
        [&](QDialog* dialog) {
          Retype(dialog, ZField, "6");
          Retype(dialog, YField, "9");
          nineInY = EnterRefused(dialog);
          yAfter = Field(dialog, YField)->text();
          stayedOpen = dialog->isVisible();
          // With or without a window manager, the player types on here.
          keyboardBack = QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }, 2000);
          // Z was taken before Y was refused: a bad Z now goes back to 6.
          Retype(dialog, ZField, "-1");
          minusInZ = EnterRefused(dialog);
          zAfter = Field(dialog, ZField)->text();
          Retype(dialog, YField, "7");
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
    QVERIFY(orders.has_value());
    QCOMPARE(orders->Destination, (Quadrant{6, 7, 3}));
  }

  void helmReadsAnEmptyFieldAsZero() {
    LookThenEnd([](QDialog* dialog) { Retype(dialog, XField, ""); }, Clicking(Confirm));
    Placement place;
    const std::optional<HelmOrders> orders = RunHelmDialog(Owner(), ShipAt(4, 4, 8, ScanAxis::Z), place);
    QVERIFY(orders.has_value());
    QCOMPARE(orders->Destination, (Quadrant{4, 4, 0}));
  }

  void helmAxisButtonAloneTurnsTheScannerAndKeepsTheCourse() {
    std::vector<bool> checked;
    LookThenEnd(
        [&](QDialog* dialog) {
          Click(dialog, Id(HelmItem::XAxis));
          for (int id : {104, 105, 106}) checked.push_back(platform::ButtonChecked(AsWindow(dialog), id));
        },
        Clicking(Confirm));
    Placement place;
    const std::optional<HelmOrders> orders = RunHelmDialog(Owner(), ShipAt(2, 5, 8, ScanAxis::Z), place);
    QCOMPARE(checked, (std::vector<bool>{false, false, true}));
    QVERIFY(orders.has_value());
    QCOMPARE(orders->Destination, (Quadrant{2, 5, 8}));
    QCOMPARE(orders->Axis, ScanAxis::X);
  }

  void helmCancelledGivesNoOrdersButKeepsWhereTheDialogWas() {
    for (const DialogStep& cancel : std::vector<DialogStep>{Clicking(Cancel), Pressing(Qt::Key_Escape),
                                                             [](QDialog* dialog) { dialog->close(); }}) {
      QRect frame;
      LookThenEnd(
          [&](QDialog* dialog) {
            Retype(dialog, ZField, "8");
            dialog->move(300, 210);
            frame = dialog->frameGeometry();
          },
          cancel);
      Placement place{35, 35, 0, 0, 1};
      QVERIFY(!RunHelmDialog(Owner(), ShipAt(0, 4, 4, ScanAxis::Z), place).has_value());
      QCOMPARE(frame.topLeft(), QPoint(300, 210));
      Placement expected = ClosedAt(frame);
      expected.Show = 1;
      QCOMPARE(place.Left, expected.Left);
      QCOMPARE(place.Top, expected.Top);
      QCOMPARE(place.Width, expected.Width);
      QCOMPARE(place.Height, expected.Height);
      QCOMPARE(place.Show, 1);
    }
  }

  void aimLabelsAndFieldsFollowTheScanAxis() {
    struct Case {
      ScanAxis axis;
      QStringList shown;  // label, field, label, field
    };
    const Case cases[] = {{ScanAxis::Z, {"&Y", "2", "&X", "3"}},
                          {ScanAxis::Y, {"&Z", "1", "&X", "3"}},
                          {ScanAxis::X, {"&Y", "2", "&Z", "1"}},
                          {ScanAxis(7), {"&Y", "2", "&X", "3"}}};
    for (const Case& test : cases) {
      QStringList shown;
      LookThenEnd(
          [&](QDialog* dialog) {
            for (int id : {101, 102, 103, 104})
              shown << QString::fromStdString(platform::ItemText(AsWindow(dialog), id));
          },
          Pressing(Qt::Key_Escape));
      Placement place;
      RunAimDialog(Owner(), ShipAt(1, 2, 3, test.axis), place);
      QCOMPARE(shown, test.shown);
    }
  }

  void aimTakesATargetTypedWithTabAndKeepsTheSectorCoordinate() {
    QString selected;
    LookThenEnd(
        [&](QDialog* dialog) {
          selected = Field(dialog, FirstField)->hasFocus() ? Field(dialog, FirstField)->selectedText() : "no focus";
          Type(dialog, "0");
          Press(dialog, Qt::Key_Tab);
          Type(dialog, "8");
        },
        Pressing(Qt::Key_Return));
    Placement place;
    const std::optional<Quadrant> target = RunAimDialog(Owner(), ShipAt(5, 6, 7, ScanAxis::Y), place);
    QCOMPARE(selected, QStringLiteral("5"));
    QVERIFY(target.has_value());
    QCOMPARE(*target, (Quadrant{0, 6, 8}));
  }

  void aimRefusesEmptyNegativeAndNineNamingTheCoordinate() {
    QString nineInZ, emptyZ, minusInY, secondAfter, firstAfter;
    LookThenEnd(
        [&](QDialog* dialog) {
          // Along X the fields are Y, then Z.
          Retype(dialog, FirstField, "5");
          Retype(dialog, SecondField, "9");
          nineInZ = EnterRefused(dialog);
          secondAfter = Field(dialog, SecondField)->text();
          Retype(dialog, SecondField, "");
          emptyZ = EnterRefused(dialog);
          // Y was accepted before Z was refused: a bad Y now goes back to 5.
          Retype(dialog, FirstField, "-1");
          minusInY = EnterRefused(dialog);
          firstAfter = Field(dialog, FirstField)->text();
          Retype(dialog, SecondField, "4");
        },
        Clicking(Confirm));
    Placement place;
    const std::optional<Quadrant> target = RunAimDialog(Owner(), ShipAt(1, 2, 3, ScanAxis::X), place);
    QVERIFY2(nineInZ.contains(Expected("Z")), qPrintable(nineInZ));
    QCOMPARE(secondAfter, QStringLiteral("1"));
    QVERIFY2(emptyZ.contains(Expected("Z")), qPrintable(emptyZ));
    QVERIFY2(minusInY.contains(Expected("Y")), qPrintable(minusInY));
    QCOMPARE(firstAfter, QStringLiteral("5"));
    QVERIFY(target.has_value());
    QCOMPARE(*target, (Quadrant{4, 5, 3}));
  }

  void scannerLogListsEverySectorAlongTheChosenAxis() {
    ScanLog log{};
    for (int sector = 0; sector < 9; ++sector) log.Sector[sector] = {1, sector % 3, sector % 2, sector % 3 - sector % 2};
    log.Sector[9 + 4] = {1, 1, 0, 1};
    QStringList alongZ, alongY, alongX;
    std::vector<bool> checkedAfterY;
    LookThenEnd(
        [&](QDialog* dialog) {
          alongZ = ListLines(dialog);
          Click(dialog, Id(ScannerLogItem::YAxis));
          alongY = ListLines(dialog);
          for (int id : {101, 102, 103}) checkedAfterY.push_back(platform::ButtonChecked(AsWindow(dialog), id));
          QTest::keyClick(KeyboardTarget(dialog), Qt::Key_X, Qt::AltModifier);
          QTRY_COMPARE(ListLines(dialog).size(), 18);
          alongX = ListLines(dialog);
        },
        Clicking(Confirm));
    Placement place;
    RunScannerLogDialog(Owner(), log, ScanAxis::Z, place);

    QCOMPARE(alongZ.size(), 36);
    QCOMPARE(alongZ.mid(0, 4), (QStringList{"Sector 0 ----------------", "\t0 Roder Ships", "\t0 Destroyed",
                                            "\t0 Remaining"}));
    QCOMPARE(alongZ.mid(4, 4), (QStringList{"Sector 1 ----------------", "\t1 Roder Ship", "\t1 Destroyed",
                                            "\t0 Remaining"}));
    QCOMPARE(alongZ[8], QStringLiteral("Sector 2 ----------------"));
    QCOMPARE(alongZ[9], QStringLiteral("\t2 Roder Ships"));
    QCOMPARE(alongY.size(), 20);
    QCOMPARE(alongY.mid(8, 5), (QStringList{"Sector 4 ----------------", "\t1 Roder Ship", "\t0 Destroyed",
                                            "\t1 Remaining", "Sector 5 ----------------"}));
    QCOMPARE(alongY[1], QStringLiteral("\tUnexplored"));
    QCOMPARE(checkedAfterY, (std::vector<bool>{false, true, false}));
    QCOMPARE(alongX.first(), QStringLiteral("Sector 0 ----------------"));
    QCOMPARE(alongX.count("\tUnexplored"), 9);
  }

  void scannerLogLinesUpItsFiguresAtTheTabStop() {
    int headingInk = -1, figureInk = -1, stop = 0;
    LookThenEnd(
        [&](QDialog* dialog) {
          auto* list = Control<QListWidget>(dialog, Id(ScannerLogItem::Sectors));
          const QImage image = list->viewport()->grab().toImage();
          const auto ink = [&](int line) {
            const QRect row = list->visualItemRect(list->item(line));
            for (int x = row.left(); x <= row.right(); ++x)
              for (int y = row.top(); y <= row.bottom(); ++y)
                if (qGray(image.pixel(x, y)) < 100) return x;
            return -1;
          };
          headingInk = ink(2);  // "Sector 1": the selected first line is drawn inverted
          figureInk = ink(3);   // "\tUnexplored"
          stop = FontUnits(dialog->font()).Across(14);
        },
        Clicking(Confirm));
    Placement place;
    RunScannerLogDialog(Owner(), ScanLog{}, ScanAxis::Z, place);
    QVERIFY(headingInk >= 0);
    // The glyphs' own side bearings differ by a pixel at most.
    QVERIFY2(std::abs(figureInk - headingInk - stop) <= 1,
             qPrintable(QStringLiteral("%1 %2 %3").arg(headingInk).arg(figureInk).arg(stop)));
  }

  void scannerLogClosesByOkEscapeOrCloseBoxAndKeepsItsPlace() {
    for (const DialogStep& close : std::vector<DialogStep>{Clicking(Confirm), Pressing(Qt::Key_Escape),
                                                            Pressing(Qt::Key_Return),
                                                            [](QDialog* dialog) { dialog->close(); }}) {
      QRect frame;
      LookThenEnd(
          [&](QDialog* dialog) {
            dialog->move(120, 330);
            frame = dialog->frameGeometry();
          },
          close);
      Placement place{};
      RunScannerLogDialog(Owner(), ScanLog{}, ScanAxis::Z, place);
      QCOMPARE(QPoint(place.Left, place.Top), QPoint(120, 330));
      QCOMPARE(QSize(place.Width, place.Height), frame.size());
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
        {{40, 40}, {200, 300}, {300, 200}},
        {{40, 40}, {100, 5000}, {954, 100}},
        {{40, 40}, {5000, 100}, {100, 698}},
        {{40, 40}, {-400, -5000}, {0, 0}},
        {{1100, 150}, {5000, 5000}, {1754, 630}},
        {{1100, 150}, {-30, 2}, {1024, 100}},
    };
    using Runner = std::function<void(Placement&)>;
    const std::vector<Runner> dialogs = {
        [this](Placement& place) { RunHelmDialog(Owner(), GameState{}, place); },
        [this](Placement& place) { RunAimDialog(Owner(), GameState{}, place); },
        [this](Placement& place) { RunScannerLogDialog(Owner(), ScanLog{}, ScanAxis::Z, place); },
    };
    for (const Case& test : cases) {
      platform::MoveWindow(Owner(), test.mainWindow.x(), test.mainWindow.y());
      for (const Runner& run : dialogs) {
        QPoint opened;
        LookThenEnd([&](QDialog* dialog) { opened = dialog->frameGeometry().topLeft(); }, Pressing(Qt::Key_Escape));
        Placement place = test.stored;
        run(place);
        QCOMPARE(opened, test.opened);
        QCOMPARE(QPoint(place.Left, place.Top), test.opened);
      }
    }
    platform::MoveWindow(Owner(), 40, 40);
  }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
