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

// Runs the orders dialog: `look` checks it once it is up, then `end` ends it.
int RunOrders(RecordingEvents& events, const DialogStep& look, const DialogStep& end = Clicking(Ok),
              platform::Window* owner = nullptr) {
  LookThenEnd(look, end);
  return platform::RunDialog(owner, Layout, &events);
}

// Which of the buttons `ids` are checked, in order.
std::vector<bool> Checked(QDialog* dialog, std::initializer_list<int> ids) {
  std::vector<bool> checked;
  for (int id : ids) checked.push_back(platform::ButtonChecked(AsWindow(dialog), id));
  return checked;
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
    const int result = RunOrders(events, [](QDialog* dialog) {
      QCOMPARE(QFontInfo(dialog->font()).family(), QStringLiteral("DejaVu Sans"));
      QCOMPARE(dialog->font().pixelSize(), 11);  // 8 points at 96 dots per inch
      const FontUnits units(dialog->font());
      // Close to the classic 6 x 13, so that the layouts keep their look.
      QVERIFY2(units.baseX() >= 6 && units.baseX() <= 7,
               qPrintable(QString::number(units.baseX())));
      QVERIFY2(units.baseY() >= 12 && units.baseY() <= 14,
               qPrintable(QString::number(units.baseY())));

      QCOMPARE(dialog->windowTitle(), QStringLiteral("Fleet Orders"));
      QCOMPARE(dialog->size(), units.Pixels(0, 0, Width, Height).size());
      QCOMPARE(dialog->minimumSize(), dialog->size());  // a modal frame cannot be resized
      QCOMPARE(dialog->maximumSize(), dialog->size());
      // No owner: measured from the desktop's corner.
      QCOMPARE(dialog->frameGeometry().topLeft(), units.Pixels(X, Y, 0, 0).topLeft());
      QCOMPARE(Control(dialog, NameEdit)->geometry(), units.Pixels(50, 5, 80, 12));
      QCOMPARE(Control(dialog, Ok)->geometry(), units.Pixels(145, 95, 50, 14));
      const auto* frame = dialog->findChild<QGroupBox*>();
      QVERIFY(frame && frame->isVisible());
      QCOMPARE(frame->geometry(), units.Pixels(2, 32, 140, 45));
      QCOMPARE(frame->title(), QStringLiteral("Orders"));
      std::vector<std::string> texts;
      for (int id : {NameLabel, NameEdit, Attack, Left, Cloak, Ok, Help})
        texts.push_back(platform::ItemText(AsWindow(dialog), id));
      QCOMPARE(texts, (std::vector<std::string>{"&Name:", "Vanguard", "&Attack", "Left", "Cloak",
                                                "OK", "&Help"}));
      QVERIFY(!Control(dialog, Locked)->isEnabled());
      QVERIFY(Control(dialog, Secret)->isHidden());

      const auto aligned = [dialog](int id) {
        return Control<QLabel>(dialog, id)->alignment() & Qt::AlignHorizontal_Mask;
      };
      QCOMPARE(aligned(NameLabel), Qt::AlignLeft);
      QCOMPARE(aligned(CountLabel), Qt::AlignHCenter);
      QCOMPARE(aligned(HeadingLabel), Qt::AlignRight);
      // The icon's control, given only its corner, takes the icon's size.
      const QImage icon = IconImage(WarningIcon);
      QVERIFY(!icon.isNull());
      int icons = 0;
      for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->pixmap().isNull()) continue;
        ++icons;
        QCOMPARE(label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32), icon);
        QCOMPARE(label->size(), icon.size());
      }
      QCOMPARE(icons, 1);
    });
    QCOMPARE(result, Ok);
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
    const auto look = [](QDialog* dialog) {
      QCOMPARE(QApplication::focusWidget(), Control(dialog, Ok));
      QCOMPARE(Control<QLineEdit>(dialog, NameEdit)->text(), QStringLiteral("Rearguard"));
    };
    QCOMPARE(RunOrders(events, look, Pressing(Qt::Key_Return)), Ok);
    QVERIFY(!visibleWhilePreparing);
    QVERIFY(controlsExisted);
  }

  void theGameMayFocusAControlAndEnterStillPressesTheDefault() {
    RecordingEvents events({Ok});
    events.onInitialise = [](platform::Window* dialog) {
      platform::FocusItem(dialog, CountEdit);
      return false;
    };
    const auto look = [](QDialog* dialog) {
      QCOMPARE(QApplication::focusWidget(), Control(dialog, CountEdit));
    };
    QCOMPARE(RunOrders(events, look, Pressing(Qt::Key_Enter, Qt::KeypadModifier)), Ok);
    QVERIFY(events.Received(Ok, platform::NotifyClicked));
  }

  void enterOnAnotherFocusedButtonPressesThatButton() {
    RecordingEvents events({Ok, Help});
    const auto focusHelp = [](QDialog* dialog) { Control(dialog, Help)->setFocus(); };
    QCOMPARE(RunOrders(events, focusHelp, Pressing(Qt::Key_Return)), Help);
    QVERIFY(!events.Received(Ok, platform::NotifyClicked));
  }

  void escapeAndTheCloseBoxOnlyAskTheGame() {
    RecordingEvents events;
    const auto look = [](QDialog* dialog) {
      Press(dialog, Qt::Key_Escape);
      QVERIFY(dialog->isVisible());
      dialog->close();  // what the close box does
      QVERIFY(dialog->isVisible());
    };
    const auto end = [](QDialog* dialog) { platform::EndDialog(AsWindow(dialog), 77); };
    QCOMPARE(RunOrders(events, look, end), 77);
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
    QCOMPARE(platform::RunDialog(nullptr, Layout, &events), 5);
    QCoreApplication::processEvents();
    QVERIFY(!shown);
    QVERIFY(events.commands.empty());
  }

  void automaticButtonsCheckThemselvesAndTheGameChecksTheRest() {
    RecordingEvents events({Ok});
    std::vector<bool> checkedWhenTold;
    events.onCommand = [&](platform::Window* dialog, int id, int) {
      if (id != Left && id != Right) return;
      checkedWhenTold.push_back(platform::ButtonChecked(dialog, id));
      platform::CheckRadioButton(dialog, Left, Right, id);
    };
    RunOrders(events, [](QDialog* dialog) {
      // Automatic radio buttons keep to their group.
      Click(dialog, Defend);
      QCOMPARE(Checked(dialog, {Attack, Defend, Retreat, Fast, Slow}),
               (std::vector<bool>{false, true, false, false, false}));
      Click(dialog, Fast);
      QCOMPARE(Checked(dialog, {Attack, Defend, Retreat, Fast, Slow}),
               (std::vector<bool>{false, true, false, true, false}));
      Click(dialog, Retreat);
      QCOMPARE(Checked(dialog, {Attack, Defend, Retreat, Fast, Slow}),
               (std::vector<bool>{false, false, true, true, false}));

      Click(dialog, Left);
      Click(dialog, Right);
      QCOMPARE(Checked(dialog, {Left, Right}), (std::vector<bool>{false, true}));
      // The game may check automatic ones too.
      platform::CheckRadioButton(AsWindow(dialog), Attack, Retreat, Attack);
      QCOMPARE(Checked(dialog, {Attack, Defend, Retreat}), (std::vector<bool>{true, false, false}));
      platform::CheckButton(AsWindow(dialog), Attack, false);
      QCOMPARE(Checked(dialog, {Attack, Defend, Retreat}),
               (std::vector<bool>{false, false, false}));

      Click(dialog, Escort);
      QCOMPARE(Checked(dialog, {Escort}), std::vector<bool>{true});
      Click(dialog, Escort);
      Click(dialog, Cloak);
      QCOMPARE(Checked(dialog, {Escort, Cloak}), (std::vector<bool>{false, false}));
      platform::CheckButton(AsWindow(dialog), Cloak, true);
      QCOMPARE(Checked(dialog, {Cloak}), std::vector<bool>{true});
    });
    QCOMPARE(checkedWhenTold, (std::vector<bool>{false, false}));  // the click checks nothing
    QVERIFY(events.Received(Defend, platform::NotifyClicked));
    QVERIFY(events.Received(Cloak, platform::NotifyClicked));
  }

  void editFieldsReadDecimalNumbers() {
    RecordingEvents events({Ok});
    RunOrders(events, [](QDialog* dialog) {
      struct Reading {
        const char* text;
        std::optional<int> asSigned;
        std::optional<int> asUnsigned;
        bool operator==(const Reading&) const = default;
      };
      const Reading readings[] = {
          {"  17\t", 17, 17},
          {"-42", -42, {}},
          {"+8", 8, {}},
          {"2147483647", 2147483647, 2147483647},
          {"-2147483648", -2147483647 - 1, {}},
          {"2147483648", {}, -2147483647 - 1},
          {"4294967295", {}, -1},
          {"4294967296", {}, {}},
          {"  ", {}, {}},
          {"-", {}, {}},
          {"1 2", {}, {}},
          {"0x10", {}, {}},
      };
      platform::Window* window = AsWindow(dialog);
      for (const Reading& reading : readings) {
        platform::SetItemText(window, NameEdit, reading.text);
        const Reading read{reading.text, platform::ItemInt(window, NameEdit, true),
                           platform::ItemInt(window, NameEdit, false)};
        QVERIFY2(read == reading, (QByteArray("text \"") + reading.text + "\""));
      }
      auto* name = Control<QLineEdit>(dialog, NameEdit);
      name->clear();
      QTest::keyClicks(name, "Wing 7");
      QCOMPARE(platform::ItemText(window, NameEdit), std::string("Wing 7"));
      // A number field takes digits only.
      QTest::keyClicks(Control(dialog, CountEdit), "a1-b2");
      QCOMPARE(platform::ItemText(window, CountEdit), std::string("12"));
      platform::SetItemInt(window, NameEdit, -7, true);
      QCOMPARE(platform::ItemText(window, NameEdit), std::string("-7"));
      platform::SetItemInt(window, NameEdit, -1, false);
      QCOMPARE(platform::ItemText(window, NameEdit), std::string("4294967295"));
    });
    QVERIFY(events.Received(NameEdit, platform::NotifyEditChanged));
    QVERIFY(events.Received(CountEdit, platform::NotifyEditChanged));
  }

  void listBoxesReportThePlayersChoiceOnly() {
    RecordingEvents events({Ok});
    events.onInitialise = [](platform::Window* dialog) {
      for (const char* line : {"Aldebaran", "Betelgeuse", "Capella"})
        platform::AddListLine(dialog, Ships, line);
      platform::SelectListLine(dialog, Ships, 1);
      return true;
    };
    RunOrders(events, [&events](QDialog* dialog) {
      platform::Window* window = AsWindow(dialog);
      auto* list = Control<QListWidget>(dialog, Ships);
      QCOMPARE(platform::SelectedListLine(window, Ships), 1);
      QVERIFY(!events.Received(Ships, platform::NotifySelectionChanged));
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                        list->visualItemRect(list->item(2)).center());
      QVERIFY(events.Received(Ships, platform::NotifySelectionChanged));
      QCOMPARE(platform::SelectedListLine(window, Ships), 2);
      // A double click is a click and a second press soon after.
      const QPoint first = list->visualItemRect(list->item(0)).center();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
      QVERIFY(events.Received(Ships, platform::NotifyDoubleClicked));
      platform::ClearList(window, Ships);
      QCOMPARE(list->count(), 0);
      QCOMPARE(platform::SelectedListLine(window, Ships), -1);
    });
  }

  void listLinesLineUpAtTheTabStops() {
    RecordingEvents events({Ok});
    events.onInitialise = [](platform::Window* dialog) {
      for (const char* line : {"W", "\tW", "Il\tW", "\t\tW"})
        platform::AddListLine(dialog, Ships, line);
      return true;
    };
    RunOrders(events, [](QDialog* dialog) {
      auto* list = Control<QListWidget>(dialog, Ships);
      const QImage image = list->viewport()->grab().toImage();
      const auto ink = [&](int line, bool fromLeft) {
        return InkColumn(image, list->visualItemRect(list->item(line)), fromLeft);
      };
      const int stop = FontUnits(dialog->font()).Across(ShipsTabStop);
      const int plainStart = ink(0, true);
      QVERIFY(plainStart >= 0);
      QVERIFY2(std::abs(ink(1, true) - plainStart - stop) <= 1,
               qPrintable(QStringLiteral("%1 %2 %3").arg(plainStart).arg(ink(1, true)).arg(stop)));
      QVERIFY2(std::abs(ink(2, false) - ink(1, false)) <= 1,
               qPrintable(QStringLiteral("%1 %2").arg(ink(1, false)).arg(ink(2, false))));
      QVERIFY(std::abs(ink(3, true) - plainStart - 2 * stop) <= 1);
    });
  }

  void tabVisitsTheTabStopsInTableOrderAndMnemonicsReachTheirControls() {
    RecordingEvents events({Ok});
    events.onInitialise = [](platform::Window* dialog) {
      platform::FocusItem(dialog, NameEdit);
      return false;
    };
    RunOrders(events, [](QDialog* dialog) {
      std::vector<int> visited;
      for (int step = 0; step < 11; ++step) {
        Press(dialog, Qt::Key_Tab);
        int id = -1;
        for (int candidate : {NameEdit, CountEdit, Attack, Defend, Retreat, Fast, Slow, Left, Right,
                              Escort, Cloak, Ships, Ok, Cancel, Help, Locked}) {
          if (Control(dialog, candidate) == QApplication::focusWidget()) id = candidate;
        }
        visited.push_back(id);
      }
      // Round once: a control that is no tab stop would show up on the way.
      QCOMPARE(visited, (std::vector<int>{CountEdit, Attack, Fast, Left, Escort, Cloak, Ships, Ok,
                                          Cancel, Help, NameEdit}));

      // The label's mnemonic goes to the control after it.
      QTest::keyClick(KeyboardTarget(dialog), Qt::Key_N, Qt::AltModifier);
      QCOMPARE(QApplication::focusWidget(), Control(dialog, NameEdit));
      QTest::keyClick(KeyboardTarget(dialog), Qt::Key_D, Qt::AltModifier);
      QTRY_VERIFY(platform::ButtonChecked(AsWindow(dialog), Defend));
    });
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
    const auto clickThroughWindowSystem = [&] {
      QTest::mouseClick(owner.widget()->windowHandle(), Qt::LeftButton, {},
                        ownerButton->geometry().center());
    };
    clickThroughWindowSystem();
    QCOMPARE(ownerClicks, 1);

    RecordingEvents events({Ok});
    const auto look = [&](QDialog* dialog) {
      QCOMPARE(dialog->frameGeometry().topLeft() - owner.widget()->mapToGlobal(QPoint(0, 0)),
               FontUnits(dialog->font()).Pixels(X, Y, 0, 0).topLeft());
      QCOMPARE(dialog->windowModality(), Qt::WindowModal);
      clickThroughWindowSystem();
    };
    QCOMPARE(RunOrders(events, look, Clicking(Ok), &owner), Ok);
    QCOMPARE(ownerClicks, 1);
  }

  // Writing to an item that is not there does nothing; reading one gives
  // nothing. The main window's controls answer like a dialog's.
  void missingItemsAreIgnoredAndReadAsNothing() {
    TestWindow window;
    auto* label = new QLabel(QStringLiteral("Sector 4-2"), window.widget());
    window.AddItem(5, label);
    platform::SetItemText(&window, 99, "lost");
    platform::AddListLine(&window, 99, "lost");
    platform::FocusItem(&window, 99);
    platform::SetItemText(nullptr, 5, "lost");
    QCOMPARE(platform::ItemText(&window, 99), std::string());
    QVERIFY(!platform::ButtonChecked(&window, 99));
    QCOMPARE(platform::SelectedListLine(&window, 5), -1);  // a label is not a list
    QCOMPARE(platform::ItemText(&window, 5), std::string("Sector 4-2"));
  }
};

QTEST_MAIN(LayoutDialogTest)
#include "layout_dialog_test.moc"
