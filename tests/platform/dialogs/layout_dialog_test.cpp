#include <QAbstractButton>
#include <QDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <optional>

#include "dialog_driver.h"
#include "orders_layout.h"
#include "platform/dialog.h"
#include "platform/dialog_items.h"
#include "recording_events.h"
#include "test_window.h"

using namespace orders;

namespace {

int RunOrders(RecordingEvents& events, platform::Window* owner = nullptr) {
  return platform::RunDialog(owner, Layout, &events);
}

// The first column of dark pixels in `row` of the list, left to right or
// right to left.
int InkColumn(const QImage& image, const QRect& row, bool fromLeft) {
  for (int i = 0; i < row.width(); ++i) {
    const int x = fromLeft ? row.left() + i : row.right() - i;
    for (int y = row.top(); y <= row.bottom(); ++y) {
      if (qGray(image.pixel(x, y)) < 100) return x;
    }
  }
  return -1;
}

}  // namespace

class LayoutDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void laysOutControlsInDialogUnitsOfADejaVuFont() {
    RecordingEvents events({Ok});
    QString family, title, frameTitle;
    int pixelSize = 0;
    std::optional<FontUnits> units;
    QSize client, minimum, maximum;
    QPoint corner;
    QRect edit, list, ok, label, attack, escort, frame;
    std::vector<std::string> texts;
    WhenModal<QDialog>([&](QDialog* dialog) {
      family = QFontInfo(dialog->font()).family();
      pixelSize = dialog->font().pixelSize();
      units.emplace(dialog->font());
      title = dialog->windowTitle();
      client = dialog->size();
      minimum = dialog->minimumSize();
      maximum = dialog->maximumSize();
      corner = dialog->frameGeometry().topLeft();
      edit = Control(dialog, NameEdit)->geometry();
      list = Control(dialog, Ships)->geometry();
      ok = Control(dialog, Ok)->geometry();
      label = Control(dialog, NameLabel)->geometry();
      attack = Control(dialog, Attack)->geometry();
      escort = Control(dialog, Escort)->geometry();
      const auto* box = dialog->findChild<QGroupBox*>();
      frame = box ? box->geometry() : QRect();
      frameTitle = box ? box->title() : QString();
      for (int id : {NameLabel, NameEdit, Attack, Left, Cloak, Ok, Help})
        texts.push_back(platform::ItemText(AsWindow(dialog), id));
      Click(dialog, Ok);
    });
    QCOMPARE(RunOrders(events), Ok);

    QCOMPARE(family, QStringLiteral("DejaVu Sans"));
    QCOMPARE(pixelSize, 11);  // 8 points at 96 dots per inch
    // Close to the classic 6 x 13, so that the layouts keep their look.
    QVERIFY2(units->baseX() >= 6 && units->baseX() <= 7,
             qPrintable(QString::number(units->baseX())));
    QVERIFY2(units->baseY() >= 12 && units->baseY() <= 14,
             qPrintable(QString::number(units->baseY())));

    QCOMPARE(title, QStringLiteral("Fleet Orders"));
    QCOMPARE(client, units->Pixels(0, 0, Width, Height).size());
    QCOMPARE(minimum, client);  // a modal frame cannot be resized
    QCOMPARE(maximum, client);
    QCOMPARE(corner, units->Pixels(X, Y, 0, 0).topLeft());  // no owner: from the desktop's corner
    QCOMPARE(label, units->Pixels(5, 5, 40, 10));
    QCOMPARE(edit, units->Pixels(50, 5, 80, 12));
    QCOMPARE(list, units->Pixels(5, 95, 125, 50));
    QCOMPARE(ok, units->Pixels(145, 95, 50, 14));
    QCOMPARE(attack, units->Pixels(5, 40, 60, 10));
    QCOMPARE(escort, units->Pixels(5, 80, 60, 10));
    QCOMPARE(frame, units->Pixels(2, 32, 140, 45));
    QCOMPARE(frameTitle, QStringLiteral("Orders"));
    QCOMPARE(texts, (std::vector<std::string>{"&Name:", "Vanguard", "&Attack", "Left", "Cloak",
                                              "OK", "&Help"}));
  }

  void labelsKeepTheirAlignmentAndIconsTakeTheirSize() {
    RecordingEvents events({Ok});
    Qt::Alignment name, count, heading;
    QImage shownIcon;
    QSize iconSize;
    WhenModal<QDialog>([&](QDialog* dialog) {
      name = Control<QLabel>(dialog, NameLabel)->alignment();
      count = Control<QLabel>(dialog, CountLabel)->alignment();
      heading = Control<QLabel>(dialog, HeadingLabel)->alignment();
      for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->pixmap().isNull()) continue;
        shownIcon = label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        iconSize = label->size();
      }
      Click(dialog, Ok);
    });
    RunOrders(events);
    QCOMPARE(name & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QCOMPARE(count & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(heading & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QVERIFY(!IconImage(WarningIcon).isNull());
    QCOMPARE(shownIcon, IconImage(WarningIcon));
    QCOMPARE(iconSize, IconImage(WarningIcon).size());
  }

  void preparesBeforeShowingThenFocusesTheDefaultButton() {
    RecordingEvents events({Ok});
    bool visibleWhilePreparing = true;
    bool controlsExisted = false;
    events.onInitialise = [&](platform::Window* dialog) {
      visibleWhilePreparing = dialog->widget()->isVisible();
      controlsExisted = dialog->Item(Ships) && dialog->Item(Ok);
      platform::SetItemText(dialog, NameEdit, "Rearguard");
      return true;
    };
    QWidget* focused = nullptr;
    QWidget* okButton = nullptr;
    QString name;
    WhenModal<QDialog>([&](QDialog* dialog) {
      focused = QApplication::focusWidget();
      okButton = Control(dialog, Ok);
      name = Control<QLineEdit>(dialog, NameEdit)->text();
      Press(dialog, Qt::Key_Return);
    });
    QCOMPARE(RunOrders(events), Ok);
    QVERIFY(!visibleWhilePreparing);
    QVERIFY(controlsExisted);
    QCOMPARE(name, QStringLiteral("Rearguard"));
    QCOMPARE(focused, okButton);
  }

  void theGameMayFocusAControlAndEnterStillPressesTheDefault() {
    RecordingEvents events({Ok});
    events.onInitialise = [](platform::Window* dialog) {
      platform::FocusItem(dialog, CountEdit);
      return false;
    };
    QWidget* focused = nullptr;
    QWidget* countEdit = nullptr;
    WhenModal<QDialog>([&](QDialog* dialog) {
      focused = QApplication::focusWidget();
      countEdit = Control(dialog, CountEdit);
      Press(dialog, Qt::Key_Enter, Qt::KeypadModifier);
    });
    QCOMPARE(RunOrders(events), Ok);
    QCOMPARE(focused, countEdit);
    QVERIFY(events.Received(Ok, platform::NotifyClicked));
  }

  void enterOnAnotherFocusedButtonPressesThatButton() {
    RecordingEvents events({Ok, Help});
    WhenModal<QDialog>([&](QDialog* dialog) {
      Control(dialog, Help)->setFocus();
      Press(dialog, Qt::Key_Return);
    });
    QCOMPARE(RunOrders(events), Help);
    QVERIFY(!events.Received(Ok, platform::NotifyClicked));
  }

  void escapeAndTheCloseBoxOnlyAskTheGame() {
    RecordingEvents events;
    bool visibleAfterEscape = false, visibleAfterClose = false;
    WhenModal<QDialog>([&](QDialog* dialog) {
      Press(dialog, Qt::Key_Escape);
      visibleAfterEscape = dialog->isVisible();
      dialog->close();  // what the close box does
      visibleAfterClose = dialog->isVisible();
      platform::EndDialog(AsWindow(dialog), 77);
    });
    QCOMPARE(RunOrders(events), 77);
    QVERIFY(visibleAfterEscape);
    QVERIFY(visibleAfterClose);
    const std::vector<std::pair<int, int>> cancels{{Cancel, 0}, {Cancel, 0}};
    QCOMPARE(events.commands, cancels);
  }

  void endingWhilePreparingNeverShowsTheDialog() {
    RecordingEvents events;
    events.onInitialise = [](platform::Window* dialog) {
      platform::EndDialog(dialog, 5);
      return true;
    };
    QWidget* shown = nullptr;
    const auto watch = std::make_unique<QTimer>();
    QObject::connect(watch.get(), &QTimer::timeout,
                     [&] { shown = shown ? shown : QApplication::activeModalWidget(); });
    watch->start(0);
    QCOMPARE(RunOrders(events), 5);
    QCoreApplication::processEvents();
    QVERIFY(!shown);
    QVERIFY(events.commands.empty());
  }

  void automaticRadioButtonsKeepToTheirGroup() {
    RecordingEvents events({Ok});
    std::vector<bool> afterDefend, afterFast, afterRetreat;
    const auto states = [](QDialog* dialog) {
      std::vector<bool> checked;
      for (int id : {Attack, Defend, Retreat, Fast, Slow}) {
        checked.push_back(platform::ButtonChecked(AsWindow(dialog), id));
      }
      return checked;
    };
    WhenModal<QDialog>([&](QDialog* dialog) {
      Click(dialog, Defend);
      afterDefend = states(dialog);
      Click(dialog, Fast);
      afterFast = states(dialog);
      Click(dialog, Retreat);
      afterRetreat = states(dialog);
      Click(dialog, Ok);
    });
    RunOrders(events);
    QCOMPARE(afterDefend, (std::vector<bool>{false, true, false, false, false}));
    QCOMPARE(afterFast, (std::vector<bool>{false, true, false, true, false}));
    QCOMPARE(afterRetreat, (std::vector<bool>{false, false, true, true, false}));
    QVERIFY(events.Received(Defend, platform::NotifyClicked));
    QVERIFY(events.Received(Fast, platform::NotifyClicked));
  }

  void theGameChecksRadioButtonsInARange() {
    RecordingEvents events({Ok});
    std::vector<bool> checkedWhenTold;
    events.onCommand = [&](platform::Window* dialog, int id, int) {
      if (id != Left && id != Right) return;
      checkedWhenTold.push_back(platform::ButtonChecked(dialog, id));
      platform::CheckRadioButton(dialog, Left, Right, id);
    };
    bool leftAfterLeft = false, rightAfterLeft = true, leftAfterRight = true,
         rightAfterRight = false;
    bool attackByGame = false, defendByGame = true, noneLeft = false;
    WhenModal<QDialog>([&](QDialog* dialog) {
      platform::Window* window = AsWindow(dialog);
      Click(dialog, Left);
      leftAfterLeft = platform::ButtonChecked(window, Left);
      rightAfterLeft = platform::ButtonChecked(window, Right);
      Click(dialog, Right);
      leftAfterRight = platform::ButtonChecked(window, Left);
      rightAfterRight = platform::ButtonChecked(window, Right);
      // The same on an automatic group, whose buttons also answer the game.
      Click(dialog, Defend);
      platform::CheckRadioButton(window, Attack, Retreat, Attack);
      attackByGame = platform::ButtonChecked(window, Attack);
      defendByGame = platform::ButtonChecked(window, Defend);
      platform::CheckButton(window, Attack, false);
      noneLeft = !platform::ButtonChecked(window, Attack) &&
                 !platform::ButtonChecked(window, Defend) &&
                 !platform::ButtonChecked(window, Retreat);
      Click(dialog, Ok);
    });
    RunOrders(events);
    QCOMPARE(checkedWhenTold,
             (std::vector<bool>{false, false}));  // not checked by the click itself
    QVERIFY(leftAfterLeft);
    QVERIFY(!rightAfterLeft);
    QVERIFY(!leftAfterRight);
    QVERIFY(rightAfterRight);
    QVERIFY(attackByGame);
    QVERIFY(!defendByGame);
    QVERIFY(noneLeft);
  }

  void checkBoxesAutomaticAndManual() {
    RecordingEvents events({Ok});
    bool escortOnce = false, escortTwice = true, cloakClicked = true, cloakByGame = false;
    WhenModal<QDialog>([&](QDialog* dialog) {
      platform::Window* window = AsWindow(dialog);
      Click(dialog, Escort);
      escortOnce = platform::ButtonChecked(window, Escort);
      Click(dialog, Escort);
      escortTwice = platform::ButtonChecked(window, Escort);
      Click(dialog, Cloak);
      cloakClicked = platform::ButtonChecked(window, Cloak);
      platform::CheckButton(window, Cloak, true);
      cloakByGame = platform::ButtonChecked(window, Cloak);
      Click(dialog, Ok);
    });
    RunOrders(events);
    QVERIFY(escortOnce);
    QVERIFY(!escortTwice);
    QVERIFY(!cloakClicked);
    QVERIFY(cloakByGame);
    QVERIFY(events.Received(Cloak, platform::NotifyClicked));
  }

  void editFieldsReadDecimalNumbers() {
    struct Reading {
      const char* text;
      std::optional<int> asSigned;
      std::optional<int> asUnsigned;
      bool operator==(const Reading&) const = default;
    };
    const std::vector<Reading> readings{
        {"42", 42, 42},
        {"  17\t", 17, 17},
        {"-42", -42, {}},
        {"+8", 8, {}},
        {"2147483647", 2147483647, 2147483647},
        {"-2147483648", -2147483647 - 1, {}},
        {"2147483648", {}, -2147483647 - 1},
        {"4294967295", {}, -1},
        {"4294967296", {}, {}},
        {"", {}, {}},
        {"  ", {}, {}},
        {"-", {}, {}},
        {"12a", {}, {}},
        {"1 2", {}, {}},
        {"0x10", {}, {}},
    };
    RecordingEvents events({Ok});
    std::vector<Reading> read;
    QString typedName, typedCount, signedText, unsignedText;
    WhenModal<QDialog>([&](QDialog* dialog) {
      platform::Window* window = AsWindow(dialog);
      for (const Reading& reading : readings) {
        platform::SetItemText(window, NameEdit, reading.text);
        read.push_back({reading.text, platform::ItemInt(window, NameEdit, true),
                        platform::ItemInt(window, NameEdit, false)});
      }
      auto* name = Control<QLineEdit>(dialog, NameEdit);
      name->clear();
      QTest::keyClicks(name, "Wing 7");
      typedName = QString::fromStdString(platform::ItemText(window, NameEdit));
      QTest::keyClicks(Control(dialog, CountEdit), "a1-b2");  // a number field takes digits only
      typedCount = QString::fromStdString(platform::ItemText(window, CountEdit));
      platform::SetItemInt(window, NameEdit, -7, true);
      signedText = QString::fromStdString(platform::ItemText(window, NameEdit));
      platform::SetItemInt(window, NameEdit, -1, false);
      unsignedText = QString::fromStdString(platform::ItemText(window, NameEdit));
      Click(dialog, Ok);
    });
    RunOrders(events);
    QCOMPARE(read.size(), readings.size());
    for (std::size_t i = 0; i < readings.size(); ++i)
      QVERIFY2(read[i] == readings[i], (QByteArray("text \"") + readings[i].text + "\""));
    QCOMPARE(typedName, QStringLiteral("Wing 7"));
    QCOMPARE(typedCount, QStringLiteral("12"));
    QCOMPARE(signedText, QStringLiteral("-7"));
    QCOMPARE(unsignedText, QStringLiteral("4294967295"));
    QVERIFY(events.Received(NameEdit, platform::NotifyEditChanged));
    QVERIFY(events.Received(CountEdit, platform::NotifyEditChanged));
  }

  void listBoxesReportThePlayersChoiceOnly() {
    RecordingEvents events({Ok});
    events.onInitialise = [](platform::Window* dialog) {
      for (const char* line : {"Aldebaran", "Betelgeuse", "Capella"}) {
        platform::AddListLine(dialog, Ships, line);
      }
      platform::SelectListLine(dialog, Ships, 1);
      return true;
    };
    int selectedAtStart = -1, selectedAfterClick = -1, countAfterClear = -1, selectedAfterClear = 0;
    bool toldBeforeClick = true, toldOfClick = false, toldOfDoubleClick = false;
    WhenModal<QDialog>([&](QDialog* dialog) {
      platform::Window* window = AsWindow(dialog);
      auto* list = Control<QListWidget>(dialog, Ships);
      selectedAtStart = platform::SelectedListLine(window, Ships);
      toldBeforeClick = events.Received(Ships, platform::NotifySelectionChanged);
      const QRect third = list->visualItemRect(list->item(2));
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
      toldOfClick = events.Received(Ships, platform::NotifySelectionChanged);
      selectedAfterClick = platform::SelectedListLine(window, Ships);
      // A double click is a click and a second press soon after.
      const QPoint first = list->visualItemRect(list->item(0)).center();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
      toldOfDoubleClick = events.Received(Ships, platform::NotifyDoubleClicked);
      platform::ClearList(window, Ships);
      countAfterClear = list->count();
      selectedAfterClear = platform::SelectedListLine(window, Ships);
      Click(dialog, Ok);
    });
    RunOrders(events);
    QCOMPARE(selectedAtStart, 1);
    QVERIFY(!toldBeforeClick);
    QVERIFY(toldOfClick);
    QCOMPARE(selectedAfterClick, 2);
    QVERIFY(toldOfDoubleClick);
    QCOMPARE(countAfterClear, 0);
    QCOMPARE(selectedAfterClear, -1);
  }

  void listLinesLineUpAtTheTabStops() {
    RecordingEvents events({Ok});
    events.onInitialise = [](platform::Window* dialog) {
      for (const char* line : {"W", "\tW", "Il\tW", "\t\tW"})
        platform::AddListLine(dialog, Ships, line);
      return true;
    };
    int plainStart = 0, tabbedStart = 0, tabbedEnd = 0, afterWordsEnd = 0, twoTabsStart = 0;
    int stop = 0;
    WhenModal<QDialog>([&](QDialog* dialog) {
      auto* list = Control<QListWidget>(dialog, Ships);
      const QImage image = list->viewport()->grab().toImage();
      const auto row = [&](int index) { return list->visualItemRect(list->item(index)); };
      plainStart = InkColumn(image, row(0), true);
      tabbedStart = InkColumn(image, row(1), true);
      tabbedEnd = InkColumn(image, row(1), false);
      afterWordsEnd = InkColumn(image, row(2), false);
      twoTabsStart = InkColumn(image, row(3), true);
      stop = FontUnits(dialog->font()).Across(ShipsTabStop);
      Click(dialog, Ok);
    });
    RunOrders(events);
    QVERIFY(plainStart >= 0);
    QVERIFY2(std::abs(tabbedStart - plainStart - stop) <= 1,
             qPrintable(QStringLiteral("%1 %2 %3").arg(plainStart).arg(tabbedStart).arg(stop)));
    QVERIFY2(std::abs(afterWordsEnd - tabbedEnd) <= 1,
             qPrintable(QStringLiteral("%1 %2").arg(tabbedEnd).arg(afterWordsEnd)));
    QVERIFY(std::abs(twoTabsStart - plainStart - 2 * stop) <= 1);
  }

  void mnemonicsReachTheirControls() {
    RecordingEvents events({Ok});
    QWidget* focusedByLabel = nullptr;
    QWidget* nameEdit = nullptr;
    bool defendChecked = false;
    QString labelText;
    WhenModal<QDialog>([&](QDialog* dialog) {
      nameEdit = Control(dialog, NameEdit);
      labelText = Control<QLabel>(dialog, NameLabel)->text();
      QTest::keyClick(KeyboardTarget(dialog), Qt::Key_N, Qt::AltModifier);
      focusedByLabel = QApplication::focusWidget();
      QTest::keyClick(KeyboardTarget(dialog), Qt::Key_D, Qt::AltModifier);
      defendChecked =
          QTest::qWaitFor([&] { return platform::ButtonChecked(AsWindow(dialog), Defend); });
      Click(dialog, Ok);
    });
    RunOrders(events);
    QCOMPARE(labelText, QStringLiteral("&Name:"));
    QCOMPARE(focusedByLabel, nameEdit);
    QVERIFY(defendChecked);
    QVERIFY(events.Received(Defend, platform::NotifyClicked));
  }

  void tabVisitsTheTabStopsInTableOrder() {
    RecordingEvents events({Ok});
    events.onInitialise = [](platform::Window* dialog) {
      platform::FocusItem(dialog, NameEdit);
      return false;
    };
    std::vector<int> visited;
    bool lockedEnabled = true, secretHidden = false, frameShown = false;
    WhenModal<QDialog>([&](QDialog* dialog) {
      platform::Window* window = AsWindow(dialog);
      for (int step = 0; step < 9; ++step) {
        Press(dialog, Qt::Key_Tab);
        int id = -1;
        for (int candidate : {NameEdit, CountEdit, Attack, Defend, Retreat, Fast, Slow, Left, Right,
                              Escort, Cloak, Ships, Ok, Cancel, Help, Locked}) {
          if (window->Item(candidate) == QApplication::focusWidget()) id = candidate;
        }
        visited.push_back(id);
      }
      lockedEnabled = Control(dialog, Locked)->isEnabled();
      secretHidden = Control(dialog, Secret)->isHidden();
      const QGroupBox* frame = dialog->findChild<QGroupBox*>();
      frameShown = frame && frame->isVisible();
      Click(dialog, Ok);
    });
    RunOrders(events);
    QCOMPARE(visited,
             (std::vector<int>{CountEdit, Attack, Fast, Left, Escort, Cloak, Ships, Ok, Cancel}));
    QVERIFY(!lockedEnabled);
    QVERIFY(secretHidden);
    QVERIFY(frameShown);
  }

  void anOwnerPlacesTheDialogAndTakesNoInput() {
    TestWindow owner;
    auto* ownerButton = new QPushButton(QStringLiteral("Fire"), owner.widget());
    ownerButton->setGeometry(10, 10, 80, 30);
    int ownerClicks = 0;
    QObject::connect(ownerButton, &QPushButton::clicked, [&] { ++ownerClicks; });
    owner.widget()->show();
    QVERIFY(QTest::qWaitForWindowExposed(owner.widget()));

    // Through the window, as the player's click comes, so that modality applies.
    const auto ClickThroughWindowSystem = [&] {
      QTest::mouseClick(owner.widget()->windowHandle(), Qt::LeftButton, {},
                        ownerButton->geometry().center());
    };
    ClickThroughWindowSystem();
    QCOMPARE(ownerClicks, 1);

    RecordingEvents events({Ok});
    QPoint offset;
    QPoint expected;
    Qt::WindowModality modality = Qt::NonModal;
    WhenModal<QDialog>([&](QDialog* dialog) {
      expected = FontUnits(dialog->font()).Pixels(X, Y, 0, 0).topLeft();
      offset = dialog->frameGeometry().topLeft() - owner.widget()->mapToGlobal(QPoint(0, 0));
      modality = dialog->windowModality();
      ClickThroughWindowSystem();
      Click(dialog, Ok);
    });
    QCOMPARE(RunOrders(events, &owner), Ok);
    QCOMPARE(offset, expected);
    QCOMPARE(modality, Qt::WindowModal);
    QCOMPARE(ownerClicks, 1);
  }

  void itemsOfAnyWindow() {
    TestWindow window;
    auto* label = new QLabel(window.widget());
    auto* button = new QPushButton(window.widget());
    window.AddItem(5, label);
    window.AddItem(6, button);

    platform::SetItemText(&window, 5, "Sector 4-2\rEnemy fleet sighted");
    QCOMPARE(label->text(), QStringLiteral("Sector 4-2\nEnemy fleet sighted"));
    platform::SetItemText(&window, 6, "&End Turn");
    QCOMPARE(button->text(), QStringLiteral("&End Turn"));
    QCOMPARE(platform::ItemText(&window, 6), std::string("&End Turn"));
    platform::SetItemInt(&window, 5, 1234, true);
    QCOMPARE(platform::ItemInt(&window, 5, false), 1234);

    // Items that are not there are ignored, and read as nothing.
    platform::SetItemText(&window, 99, "lost");
    platform::CheckButton(&window, 99, true);
    platform::AddListLine(&window, 99, "lost");
    platform::FocusItem(&window, 99);
    platform::SetItemText(nullptr, 5, "lost");
    QCOMPARE(platform::ItemText(&window, 99), std::string());
    QCOMPARE(platform::ItemInt(&window, 99, true), std::nullopt);
    QVERIFY(!platform::ButtonChecked(&window, 99));
    QCOMPARE(platform::SelectedListLine(&window, 99), -1);
    QCOMPARE(platform::SelectedListLine(&window, 5), -1);  // a label is not a list
    QCOMPARE(label->text(), QStringLiteral("1234"));
  }
};

QTEST_MAIN(LayoutDialogTest)
#include "layout_dialog_test.moc"
