#pragma once

#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <functional>

namespace kestravane {

// The application's look for the menu bar, except that Alt alone never takes
// the keyboard into it. Qt would otherwise keep every key in the menu bar
// after a tap of Alt or a menu left with Esc, with nothing on the screen to
// say so, and the game's keys and shortcuts would seem dead. Alt with a
// popup's letter still opens the popup, and Left and Right still move on
// from an open one.
class MenuBarStyle : public QProxyStyle {
 public:
  MenuBarStyle();

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* answer) const override;
};

// What the pointer or the keyboard highlights in the menus: an item, or
// nothing that is one (a popup's title, a separator, the menus closing).
using MenuHighlight = std::function<void(const QAction* item)>;

// A popup of the game's menu bar. Qt highlights, and announces, only the
// enabled items; under the pointer on a separator or a grayed item its
// highlight goes without a word, and the game's menu help would go on
// describing the item left behind. This popup tells of those too: a grayed
// item as itself, anything else as no item.
class PopupMenu : public QMenu {
 public:
  PopupMenu(const QString& title, MenuHighlight highlight, QWidget* parent);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  MenuHighlight highlight_;
};

}  // namespace kestravane
