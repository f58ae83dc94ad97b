#pragma once

#include <QProxyStyle>

namespace platform {

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

}  // namespace platform
