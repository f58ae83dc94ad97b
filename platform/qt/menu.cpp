#include "platform/menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/qt/app_window.h"
#include "platform/qt/menu_bar_style.h"
#include "platform/qt/popup_menu.h"

namespace platform {
namespace {

void AddItems(AppWindow* window, QMenu* menu, std::span<const MenuItem> items) {
  for (const MenuItem& item : items) {
    if (!item.text) {
      menu->addSeparator();
      continue;
    }
    // The text after a tab is only the shortcut's name; the game's own
    // shortcut table makes the key work.
    QAction* action = menu->addAction(QString::fromUtf8(item.text));
    action->setEnabled(false);
    const int id = item.id;
    // For the popup to name a grayed item under the pointer, which Qt does
    // not announce.
    action->setData(id);
    QObject::connect(action, &QAction::hovered, window,
                     [window, id] { window->events()->MenuSelect(window, id, 0); });
    QObject::connect(action, &QAction::triggered, window, [window, action, id](bool checked) {
      // The check mark is the game's to set, not the click's to toggle.
      if (action->isCheckable()) action->setChecked(!checked);
      window->events()->Command(window, id, false);
    });
    window->AddMenuAction(id, action);
  }
}

}  // namespace

void InstallMenu(Window* window, std::span<const MenuPopup> popups) {
  AppWindow* appWindow = AppWindow::From(window);
  if (!appWindow) return;
  auto* menuBar = new QMenuBar(appWindow->widget());
  // The client area's size counts from below a menu bar inside the window.
  menuBar->setNativeMenuBar(false);
  // A widget does not own its style, which must outlive it: the window,
  // which outlives its menu bar, keeps it.
  auto* style = new MenuBarStyle;
  style->setParent(appWindow);
  menuBar->setStyle(style);
  int index = 0;
  for (const MenuPopup& popup : popups) {
    auto* menu = new PopupMenu(QString::fromUtf8(popup.title), appWindow, menuBar);
    menuBar->addMenu(menu);
    // Qt hides a menu before it triggers the chosen action, so the game hears
    // of the close before the command, as it expects.
    QObject::connect(menu, &QMenu::aboutToShow, appWindow, [appWindow, index] {
      appWindow->events()->MenuSelect(appWindow, index, MenuPopupFlag);
    });
    QObject::connect(menu, &QMenu::aboutToHide, appWindow,
                     [appWindow] { appWindow->events()->MenuSelect(appWindow, 0, 0); });
    AddItems(appWindow, menu, popup.items);
    ++index;
  }
  appWindow->SetMenuBar(menuBar);
}

void EnableMenuItem(Window* window, int id, bool enabled) {
  AppWindow* appWindow = AppWindow::From(window);
  if (QAction* action = appWindow ? appWindow->MenuAction(id) : nullptr) action->setEnabled(enabled);
}

void CheckMenuItem(Window* window, int id, bool checked) {
  AppWindow* appWindow = AppWindow::From(window);
  QAction* action = appWindow ? appWindow->MenuAction(id) : nullptr;
  if (!action) return;
  // A checkable item draws an empty box while unchecked; the game's menus
  // show a mark where one is set and nothing elsewhere.
  action->setCheckable(checked);
  action->setChecked(checked);
}

}  // namespace platform
