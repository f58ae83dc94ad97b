#include "app/menu_bar.h"

#include <QApplication>
#include <QMouseEvent>

namespace kestravane {

MenuBarStyle::MenuBarStyle() : QProxyStyle(QApplication::style()->name()) {}

int MenuBarStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* answer) const {
  if (hint == SH_MenuBar_AltKeyNavigation) return 0;
  return QProxyStyle::styleHint(hint, option, widget, answer);
}

PopupMenu::PopupMenu(const QString& title, MenuHighlight highlight, QWidget* parent)
    : QMenu(title, parent), highlight_(std::move(highlight)) {}

void PopupMenu::mouseMoveEvent(QMouseEvent* event) {
  QMenu::mouseMoveEvent(event);
  // An item Qt still highlights has been announced already.
  if (!isVisible() || activeAction()) return;
  const QAction* pointed = actionAt(event->position().toPoint());
  const bool grayedItem = pointed && !pointed->isSeparator() && !pointed->isEnabled();
  highlight_(grayedItem ? pointed : nullptr);
}

}  // namespace kestravane
