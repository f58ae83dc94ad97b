#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <array>

#include "game_window.h"
#include "platform/menu.h"

namespace {

const std::array<platform::MenuItem, 4> GameItems{{
    {101, "&New\tCtrl+N"},
    {102, "&Open...\tCtrl+O"},
    {0, nullptr},
    {103, "E&xit"},
}};
const std::array<platform::MenuItem, 1> OptionsItems{{{201, "&Sound"}}};
const std::array<platform::MenuPopup, 2> Popups{{{"&Game", GameItems}, {"&Options", OptionsItems}}};

QMenuBar* MenuBarOf(platform::Window* window) { return window->widget()->findChild<QMenuBar*>(); }

QMenu* PopupOf(platform::Window* window, int index) {
  return MenuBarOf(window)->actions().at(index)->menu();
}

}  // namespace

class MenuTest : public QObject {
  Q_OBJECT

 private slots:
  void itemsCarryTheirTextsAndStartGrayed() {
    TestWindow window;
    platform::InstallMenu(window, Popups);
    QMenuBar* menuBar = MenuBarOf(window);
    QVERIFY(menuBar);
    QCOMPARE(menuBar->actions().size(), 2);
    QCOMPARE(menuBar->actions().at(1)->text(), QString("&Options"));

    const QList<QAction*> items = PopupOf(window, 0)->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items.at(0)->text(), QString("&New\tCtrl+N"));
    QVERIFY(items.at(2)->isSeparator());
    for (QAction* item : items) {
      if (item->isSeparator()) continue;
      QVERIFY(!item->isEnabled());
      QVERIFY(!item->isCheckable());
      QVERIFY(item->shortcut().isEmpty());
    }
  }

  // Choosing a checked item sends its command; the check mark stays until
  // the game sets it.
  void onlyTheGameEnablesAndChecksItems() {
    TestWindow window;
    RecordingEvents& events = window.events;
    platform::InstallMenu(window, Popups);
    QAction* sound = PopupOf(window, 1)->actions().at(0);
    platform::EnableMenuItem(window, 201, true);
    QVERIFY(sound->isEnabled());
    QVERIFY(!PopupOf(window, 0)->actions().at(0)->isEnabled());
    platform::CheckMenuItem(window, 201, true);
    QVERIFY(sound->isCheckable() && sound->isChecked());
    sound->trigger();
    QCOMPARE(events.Named("Command"), QStringList({"Command 201"}));
    QVERIFY(sound->isChecked());
    platform::CheckMenuItem(window, 201, false);
    QVERIFY(!sound->isChecked());
    platform::EnableMenuItem(window, 201, false);
    QVERIFY(!sound->isEnabled());
  }

  // Three items alike but for their marks: one never checked, one checked
  // and cleared again, one checked. Only the last may look different.
  void onlyACheckedItemShowsAMark() {
    const platform::MenuItem items[] = {{301, "&Scan"}, {302, "&Scan"}, {303, "&Scan"}};
    const platform::MenuPopup view[] = {{"&View", items}};
    TestWindow window;
    platform::InstallMenu(window, view);
    for (const int id : {301, 302, 303}) platform::EnableMenuItem(window, id, true);
    platform::CheckMenuItem(window, 302, true);
    platform::CheckMenuItem(window, 302, false);
    platform::CheckMenuItem(window, 303, true);
    QVERIFY(ShowAndActivate(window));
    QMenuBar* menuBar = MenuBarOf(window);
    QTRY_VERIFY(menuBar->isVisible());

    QMenu* popup = PopupOf(window, 0);
    const QPoint title = menuBar->actionGeometry(popup->menuAction()).center();
    QTest::mouseClick(window->widget()->windowHandle(), Qt::LeftButton, {},
                      menuBar->mapTo(window->widget(), title));
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    const QImage shown = popup->screen()->grabWindow(popup->winId()).toImage();
    const qreal ratio = shown.devicePixelRatio();
    // Inside the popup's frame, which borders the first item.
    const auto itemImage = [&](int index) {
      const QRect place = popup->actionGeometry(popup->actions().at(index)).adjusted(2, 2, -2, -2);
      return shown.copy(QRect(place.topLeft() * ratio, place.size() * ratio));
    };
    QCOMPARE(itemImage(1), itemImage(0));
    QVERIFY(itemImage(2) != itemImage(0));
    QTest::keyClick(popup, Qt::Key_Escape);
  }

  void choosingAnItemTellsOfTheCloseBeforeTheCommand() {
    TestWindow window;
    RecordingEvents& events = window.events;
    platform::InstallMenu(window, Popups);
    platform::EnableMenuItem(window, 101, true);
    platform::EnableMenuItem(window, 102, true);
    QVERIFY(ShowAndActivate(window));
    events.calls.clear();

    QTest::keyClick(window->widget()->windowHandle(), Qt::Key_G, Qt::AltModifier);
    QMenu* game = PopupOf(window, 0);
    QTRY_VERIFY(game->isVisible());
    QTest::keyClick(game, Qt::Key_Down);
    QTest::keyClick(game, Qt::Key_Return);
    QTRY_VERIFY(!events.Named("Command").isEmpty());

    const QStringList menuCalls = events.calls.filter(QRegularExpression("^(Menu|Command)"));
    QCOMPARE(menuCalls.first(), QString("MenuSelect 0 16"));
    QVERIFY(menuCalls.contains("MenuSelect 101 0"));
    QVERIFY(menuCalls.contains("MenuSelect 102 0"));
    QCOMPARE(menuCalls.mid(menuCalls.size() - 2), QStringList({"MenuSelect 0 0", "Command 102"}));
    QVERIFY(!game->isVisible());
  }

  void secondPopupReportsItsIndex() {
    TestWindow window;
    RecordingEvents& events = window.events;
    platform::InstallMenu(window, Popups);
    QVERIFY(ShowAndActivate(window));
    events.calls.clear();

    QMenuBar* menuBar = MenuBarOf(window);
    menuBar->setActiveAction(menuBar->actions().at(1));
    QTRY_VERIFY(PopupOf(window, 1)->isVisible());
    QCOMPARE(events.calls.first(), QString("MenuSelect 1 16"));
    QTest::keyClick(PopupOf(window, 1), Qt::Key_Escape);
    QTRY_COMPARE(events.calls.last(), QString("MenuSelect 0 0"));
    QVERIFY(events.Named("Command").isEmpty());
  }
};

QTEST_MAIN(MenuTest)

#include "menu_test.moc"
