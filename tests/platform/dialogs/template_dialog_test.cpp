#include <QAbstractButton>
#include <QDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "common/modal_driver.h"
#include "orders_layout.h"
#include "platform/dialog.h"
#include "platform/dialog_items.h"
#include "platform/qt/picture_data.h"
#include "platform/resources.h"
#include "recording_events.h"
#include "test_window.h"

using namespace orders;

namespace {

platform::Window* AsWindow(QDialog* dialog) { return dynamic_cast<platform::Window*>(dialog); }

QWidget* Control(QDialog* dialog, int id) { return AsWindow(dialog)->Item(id); }

template <class T>
T* Control(QDialog* dialog, int id) {
  return qobject_cast<T*>(AsWindow(dialog)->Item(id));
}

void Click(QDialog* dialog, int id) { QTest::mouseClick(Control(dialog, id), Qt::LeftButton); }

void Press(QDialog* dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(KeyboardTarget(dialog), key, modifiers);
}

int RunOrders(RecordingEvents& events, platform::Window* owner = nullptr) {
  return platform::RunDialog(owner, Layout(), &events);
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

class TemplateDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void laysOutControlsInDialogUnitsOfADejaVuFont() {
    RecordingEvents events({Ok});
    QString family, title;
    int pixelSize = 0, baseX = 0, baseY = 0;
    QSize client, minimum, maximum;
    QPoint corner;
    QRect edit, list, ok, label;
    WhenModal<QDialog>([&](QDialog* dialog) {
      family = QFontInfo(dialog->font()).family();
      pixelSize = dialog->font().pixelSize();
      const QFontMetrics metrics(dialog->font());
      baseX = qRound(metrics.horizontalAdvance(
                         QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                     52.0);
      baseY = metrics.height();
      title = dialog->windowTitle();
      client = dialog->size();
      minimum = dialog->minimumSize();
      maximum = dialog->maximumSize();
      corner = dialog->frameGeometry().topLeft();
      edit = Control(dialog, NameEdit)->geometry();
      list = Control(dialog, Ships)->geometry();
      ok = Control(dialog, Ok)->geometry();
      label = Control(dialog, NameLabel)->geometry();
      Click(dialog, Ok);
    });
    QCOMPARE(RunOrders(events), Ok);

    QCOMPARE(family, QStringLiteral("DejaVu Sans"));
    QCOMPARE(pixelSize, 11);  // 8 points at 96 dots per inch
    // Close to the classic 6 x 13, so that the layouts keep their look.
    QVERIFY2(baseX >= 6 && baseX <= 7, qPrintable(QString::number(baseX)));
    QVERIFY2(baseY >= 12 && baseY <= 14, qPrintable(QString::number(baseY)));

    const auto pixels = [&](int x, int y, int width, int height) {
      return QRect(x * baseX / 4, y * baseY / 8, width * baseX / 4, height * baseY / 8);
    };
    QCOMPARE(title, QStringLiteral("Fleet Orders"));
    QCOMPARE(client, QSize(Width * baseX / 4, Height * baseY / 8));
    QCOMPARE(minimum, client);  // a modal frame cannot be resized
    QCOMPARE(maximum, client);
    QCOMPARE(corner, QPoint(X * baseX / 4, Y * baseY / 8));  // no owner: from the desktop's corner
    QCOMPARE(label, pixels(5, 5, 40, 10));
    QCOMPARE(edit, pixels(50, 5, 80, 12));
    QCOMPARE(list, pixels(5, 95, 125, 50));
    QCOMPARE(ok, pixels(145, 95, 50, 14));
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

  void refusesLayoutsItCannotBuild() {
    RecordingEvents events;
    bool prepared = false;
    events.onInitialise = [&](platform::Window*) { return prepared = true; };

    std::vector<std::uint8_t> cut = Layout();
    cut.resize(cut.size() - 1);
    QCOMPARE(platform::RunDialog(nullptr, cut, &events), -1);

    TemplateWriter unknown;
    unknown.Header(DialogStyle, 1, 0, 0, 100, 50, u"Tree");
    unknown.ControlStart(Shown, 5, 5, 50, 50, 7).String(u"SysTreeView32").String(u"").Word(0);
    QCOMPARE(platform::RunDialog(nullptr, unknown.bytes(), &events), -1);
    QVERIFY(!prepared);
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
      for (const char* line : {"W", "\tW", "WWW\tW", "\t\tW"})
        platform::AddListLine(dialog, Ships, line);
      return true;
    };
    int plainStart = 0, tabbedStart = 0, tabbedEnd = 0, afterWordsEnd = 0, twoTabsStart = 0;
    int baseX = 0;
    WhenModal<QDialog>([&](QDialog* dialog) {
      auto* list = Control<QListWidget>(dialog, Ships);
      const QImage image = list->viewport()->grab().toImage();
      const auto row = [&](int index) { return list->visualItemRect(list->item(index)); };
      plainStart = InkColumn(image, row(0), true);
      tabbedStart = InkColumn(image, row(1), true);
      tabbedEnd = InkColumn(image, row(1), false);
      afterWordsEnd = InkColumn(image, row(2), false);
      twoTabsStart = InkColumn(image, row(3), true);
      const QFontMetrics metrics(dialog->font());
      baseX = qRound(metrics.horizontalAdvance(
                         QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                     52.0);
      Click(dialog, Ok);
    });
    RunOrders(events);
    const int stop = 32 * baseX / 4;  // every 32 dialog units
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

  void tabVisitsTheTabStopsInTemplateOrder() {
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
      frameShown = Control(dialog, Frame)->isVisible();
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
      const QFontMetrics metrics(dialog->font());
      const int baseX = qRound(metrics.horizontalAdvance(QStringLiteral(
                                   "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                               52.0);
      expected = QPoint(X * baseX / 4, Y * metrics.height() / 8);
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

  void dropDownListsIconsAndReadOnlyFields() {
    constexpr int Picture = 5, Orders = 6, Report = 7;
    constexpr std::uint32_t Icon = 3, DropDownList = 3, ReadOnly = 0x800, RightAligned = 0x2;
    TemplateWriter out;
    out.Header(DialogStyle, 4, 0, 0, 160, 80, u"Report");
    out.ControlStart(Shown | Icon, 5, 5, 20, 20, Picture)
        .Ordinal(StaticClass)
        .Ordinal(5300)
        .Word(0);
    out.Control(0x85, Shown | TabStop | DropDownList, 30, 5, 80, 60, Orders, u"");
    out.Control(EditClass, Shown | TabStop | ReadOnly | RightAligned, 30, 25, 80, 12, Report,
                u"12 ships");
    out.Control(ButtonClass, Shown | TabStop | DefaultPush, 30, 45, 40, 14, Ok, u"OK");

    RecordingEvents events({Ok});
    events.onInitialise = [](platform::Window* dialog) {
      for (const char* line : {"Hold", "Advance", "Withdraw"})
        platform::AddListLine(dialog, Orders, line);
      platform::SelectListLine(dialog, Orders, 0);
      return true;
    };
    bool iconShown = false, readOnly = false, rightAligned = false, toldBeforeKey = true;
    int chosen = -1, comboHeight = 0;
    std::string chosenText;
    WhenModal<QDialog>([&](QDialog* dialog) {
      platform::Window* window = AsWindow(dialog);
      int error = 0;
      const QImage expected = platform::LoadIconResource(5300, error).data()->image;
      iconShown = Control<QLabel>(dialog, Picture)
                      ->pixmap()
                      .toImage()
                      .convertToFormat(QImage::Format_ARGB32) == expected;
      auto* report = Control<QLineEdit>(dialog, Report);
      readOnly = report->isReadOnly();
      rightAligned = report->alignment() & Qt::AlignRight;
      toldBeforeKey = events.Received(Orders, platform::NotifySelectionChanged);
      QWidget* orders = Control(dialog, Orders);
      comboHeight = orders->height();
      orders->setFocus();
      QTest::keyClick(orders, Qt::Key_Down);
      chosen = platform::SelectedListLine(window, Orders);
      chosenText = platform::ItemText(window, Orders);
      Click(dialog, Ok);
    });
    QCOMPARE(platform::RunDialog(nullptr, out.bytes(), &events), Ok);
    QVERIFY(iconShown);
    QVERIFY(readOnly);
    QVERIFY(rightAligned);
    QVERIFY(!toldBeforeKey);
    QCOMPARE(chosen, 1);
    QCOMPARE(chosenText, std::string("Advance"));
    QVERIFY(events.Received(Orders, platform::NotifySelectionChanged));
    QVERIFY2(comboHeight < 60 * 13 / 8, "the drop-down's height is not the closed box's");
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

QTEST_MAIN(TemplateDialogTest)
#include "template_dialog_test.moc"
