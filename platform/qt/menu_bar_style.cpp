#include "platform/qt/menu_bar_style.h"

#include <QApplication>

namespace platform {

MenuBarStyle::MenuBarStyle() : QProxyStyle(QApplication::style()->name()) {}

int MenuBarStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* answer) const {
  if (hint == SH_MenuBar_AltKeyNavigation) return 0;
  return QProxyStyle::styleHint(hint, option, widget, answer);
}

}  // namespace platform
