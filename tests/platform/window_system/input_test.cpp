#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>
#include <array>

#include "game_window.h"
#include "platform/keys.h"
#include "platform/menu.h"
#include "platform/shortcuts.h"

namespace {

const std::array<platform::Shortcut, 3> GameShortcuts{{
    {platform::KeyA + ('F' - 'A'), true, 500},
    {platform::KeyEnter, false, 501},
    {platform::KeyBackspace, false, 502},
}};

// The window as the desktop delivers input: to whatever has the keyboard.
QWindow* Desktop(const TestWindow& window) { return window->widget()->windowHandle(); }

QPoint InFrame(const TestWindow& window, int x, int y) {
  return ClientAreaOf(window)->mapTo(window->widget(), QPoint(x, y));
}

const platform::MenuItem ShipItems[] = {{500, "&Fire\tCtrl+F"}};
const platform::MenuItem HelpItems[] = {{600, "&About"}};
const platform::MenuPopup ShipAndHelp[] = {{"&Ship", ShipItems}, {"&Help", HelpItems}};

}  // namespace

class InputTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<TestWindow>();
    platform::InstallShortcuts(*window_, GameShortcuts);
    QVERIFY(ShowAndActivate(*window_));
    QTRY_COMPARE(QApplication::focusWidget(), ClientAreaOf(*window_));
    window_->events.calls.clear();
  }
  void cleanup() { window_.reset(); }

  void keysReachTheGameAsItsCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("code");
    const Qt::KeyboardModifiers none;
    QTest::newRow("a") << int(Qt::Key_A) << none << 0x41;
    QTest::newRow("shifted z") << int(Qt::Key_Z) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0x5A;
    QTest::newRow("0") << int(Qt::Key_0) << none << 0x30;
    QTest::newRow("9") << int(Qt::Key_9) << none << 0x39;
    QTest::newRow("space") << int(Qt::Key_Space) << none << 0x20;
    QTest::newRow("escape") << int(Qt::Key_Escape) << none << 0x1B;
    // What Shift+Tab comes as from a real keyboard.
    QTest::newRow("shift tab") << int(Qt::Key_Backtab) << none << 0x09;
    QTest::newRow("left") << int(Qt::Key_Left) << none << 0x25;
    QTest::newRow("up") << int(Qt::Key_Up) << none << 0x26;
    QTest::newRow("right") << int(Qt::Key_Right) << none << 0x27;
    QTest::newRow("down") << int(Qt::Key_Down) << none << 0x28;
    QTest::newRow("f1") << int(Qt::Key_F1) << none << 0x70;
    QTest::newRow("f12") << int(Qt::Key_F12) << none << 0x7B;
    QTest::newRow("ctrl enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                << 0x0D;
    QTest::newRow("exclamation") << int(Qt::Key_Exclam) << none << 0xFF;
  }
  void keysReachTheGameAsItsCodes() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, code);
    QTest::keyClick(Desktop(*window_), Qt::Key(key), modifiers);
    QCOMPARE(window_->events.calls.last(), QString("KeyDown %1").arg(code));
    QVERIFY(window_->events.Named("Command").isEmpty());
    QCOMPARE(QApplication::focusWidget(), ClientAreaOf(*window_));
  }

  void shortcutsTakeTheirKeysWhenCtrlMatches() {
    RecordingEvents& events = window_->events;
    QTest::keyClick(Desktop(*window_), Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(events.calls, QStringList({"KeyDown 17", "Command 500"}));
    events.calls.clear();
    QTest::keyClick(Desktop(*window_), Qt::Key_F);
    QTest::keyClick(Desktop(*window_), Qt::Key_Return);
    QTest::keyClick(Desktop(*window_), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(Desktop(*window_), Qt::Key_Backspace);
    QCOMPARE(events.calls,
             QStringList({"KeyDown 70", "Command 501", "Command 501", "Command 502"}));
  }

  // The game still sees the key: any key ends a picture, for one.
  void aShortcutOfAGrayedMenuItemIsAnOrdinaryKey() {
    const platform::MenuItem items[] = {{500, "&Fire\tCtrl+F"}, {501, "&Engage\tCtrl+M"}};
    const platform::MenuPopup popups[] = {{"&Ship", items}};
    platform::InstallMenu(*window_, popups);
    RecordingEvents& events = window_->events;
    events.calls.clear();
    QTest::keyClick(Desktop(*window_), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(Desktop(*window_), Qt::Key_Return);
    QCOMPARE(events.calls, QStringList({"KeyDown 17", "KeyDown 70", "KeyDown 13"}));
    events.calls.clear();
    platform::EnableMenuItem(*window_, 500, true);
    platform::EnableMenuItem(*window_, 501, true);
    QTest::keyClick(Desktop(*window_), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(Desktop(*window_), Qt::Key_Return);
    QCOMPARE(events.calls, QStringList({"KeyDown 17", "Command 500", "Command 501"}));
  }

  // Qt's menu bar would keep the keyboard after a tap of Alt or a menu left
  // with Esc, showing nothing: the player's next keys would seem lost.
  void aTapOfAltLeavesTheKeysWithTheGame() {
    QMenuBar* menuBar = InstallShipAndHelp();
    QTRY_VERIFY(menuBar->isVisible());
    // As the keyboard sends it: the press carries the modifier.
    QTest::keyPress(Desktop(*window_), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(Desktop(*window_), Qt::Key_Alt);
    QCOMPARE(KeysTheGameHears(), QStringList({"KeyDown 32", "KeyDown 17", "Command 500"}));
    QCOMPARE(QApplication::focusWidget(), ClientAreaOf(*window_));
  }

  // Alt and a popup's letter still open it, and Right still moves on.
  void aMenuLeftWithEscLeavesTheKeysWithTheGame() {
    QMenuBar* menuBar = InstallShipAndHelp();
    QTRY_VERIFY(menuBar->isVisible());
    QMenu* ship = menuBar->actions().at(0)->menu();
    QMenu* help = menuBar->actions().at(1)->menu();
    QTest::keyClick(Desktop(*window_), Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(ship->isVisible());
    QTest::keyClick(ship, Qt::Key_Right);
    QTRY_VERIFY(help->isVisible());
    QVERIFY(!ship->isVisible());
    QTest::keyClick(help, Qt::Key_Escape);
    QTRY_VERIFY(!help->isVisible());
    QCOMPARE(KeysTheGameHears(), QStringList({"KeyDown 32", "KeyDown 17", "Command 500"}));
    QCOMPARE(QApplication::focusWidget(), ClientAreaOf(*window_));

    const QPoint title = menuBar->actionGeometry(ship->menuAction()).center();
    QTest::mouseClick(Desktop(*window_), Qt::LeftButton, {}, menuBar->mapTo((*window_)->widget(), title));
    QTRY_VERIFY(ship->isVisible());
    QTest::keyClick(ship, Qt::Key_Escape);
    QTRY_VERIFY(!ship->isVisible());
    QCOMPARE(KeysTheGameHears(), QStringList({"KeyDown 32", "KeyDown 17", "Command 500"}));
    QCOMPARE(QApplication::focusWidget(), ClientAreaOf(*window_));
  }

  void tabStaysWithTheGameBesideAControlThatTakesFocus() {
    auto* field = new QLineEdit(ClientAreaOf(*window_));
    field->show();
    QTest::keyClick(Desktop(*window_), Qt::Key_Tab);
    QTest::keyClick(Desktop(*window_), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(window_->events.calls, QStringList({"KeyDown 9", "KeyDown 16", "KeyDown 9"}));
    QCOMPARE(QApplication::focusWidget(), ClientAreaOf(*window_));
  }

  void heldKeyRepeats() {
    QKeyEvent first(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), false);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(ClientAreaOf(*window_), &first);
    QApplication::sendEvent(ClientAreaOf(*window_), &repeat);
    QApplication::sendEvent(ClientAreaOf(*window_), &repeat);
    QCOMPARE(window_->events.calls, QStringList({"KeyDown 37", "KeyDown 37", "KeyDown 37"}));
  }

  void buttonPressesArriveInClientPixels() {
    RecordingEvents& events = window_->events;
    QTest::mouseClick(Desktop(*window_), Qt::LeftButton, {}, InFrame(*window_, 10, 20));
    QTest::mouseClick(Desktop(*window_), Qt::RightButton, {}, InFrame(*window_, 469, 349));
    QTest::mouseClick(Desktop(*window_), Qt::MiddleButton, {}, InFrame(*window_, 5, 5));
    QCOMPARE(events.calls, QStringList({"LeftButtonDown 10 20", "RightButtonDown 469 349"}));
  }

  void doubleClickIsTwoPresses() {
    QTest::mouseDClick(Desktop(*window_), Qt::LeftButton, {}, InFrame(*window_, 100, 50));
    QCOMPARE(window_->events.calls,
             QStringList({"LeftButtonDown 100 50", "LeftButtonDown 100 50"}));
  }

 private:
  std::unique_ptr<TestWindow> window_;

  // The Ship and Help menus, their items enabled. A menu bar added to a
  // window on the screen shows once Qt has had its turn.
  QMenuBar* InstallShipAndHelp() {
    platform::InstallMenu(*window_, ShipAndHelp);
    platform::EnableMenuItem(*window_, 500, true);
    platform::EnableMenuItem(*window_, 600, true);
    return (*window_)->widget()->findChild<QMenuBar*>();
  }

  // What the game hears of Space and then Ctrl+F, a shortcut.
  QStringList KeysTheGameHears() {
    window_->events.calls.clear();
    QTest::keyClick(Desktop(*window_), Qt::Key_Space);
    QTest::keyClick(Desktop(*window_), Qt::Key_F, Qt::ControlModifier);
    return window_->events.calls;
  }
};

QTEST_MAIN(InputTest)

#include "input_test.moc"
