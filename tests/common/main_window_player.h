#pragma once

#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "common/main_window_driver.h"
#include "common/test_main_window.h"

using namespace kestravane;

// The player's hands on the game's real main window in a Qt Test: its menu
// commands, its keys and what its status line says. A test derives from it
// beside QObject and makes the window in `game_`, with its files in `folder_`.
class MainWindowPlayer {
 protected:
  MainWindow* Main() const { return game_->window.get(); }
  BoardView* Client() const { return &Main()->board(); }
  GameState& State() const { return game_->state(); }
  Session& Game() const { return game_->session(); }
  QString StatusLine() const { return Client()->Status(); }
  QString Label(const platform::Rect& place) const { return LabelAt(*Client(), place); }

  // The menu command shown as `text`; the test stops when there is none.
  QAction* Item(const QString& text) const {
    QAction* action = MenuItem(*Main(), text);
    if (!action) qFatal("no menu item %s", qPrintable(text));
    return action;
  }

  // A key pressed on the main window, where the game's keys go, and the
  // missile it may have fired landed.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Client(), key, modifiers);
    WaitForLanding();
  }

  void WaitForLanding() {
    if (!QTest::qWaitFor([this] { return !Main()->controller().MissileInFlight(); }))
      qFatal("the missile never landed");
  }

  QTemporaryDir folder_;
  std::unique_ptr<TestMainWindow> game_;
};
