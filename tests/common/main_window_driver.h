#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "app/main_window.h"
#include "common/modal_driver.h"

using namespace kestravane;

// Plays the player's part on the game's main window: its menu commands and
// the question that guards a game in progress.

// The main window of the game running in this process, once it is up.
inline MainWindow* RunningMainWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<MainWindow*>(widget); window && window->isVisible()) return window;
  return nullptr;
}

// The menu command shown as `text` (its shortcut after a tab), or null.
inline QAction* MenuItem(const MainWindow& window, const QString& text) {
  for (QAction* action : window.findChildren<QAction*>())
    if (action->text() == text) return action;
  return nullptr;
}

// Answers the next save question with `answer`, keeping its text for the test.
inline void AnswerSaveQuestion(QMessageBox::StandardButton answer, QString* text = nullptr) {
  WhenModal<QMessageBox>([answer, text](QMessageBox* box) {
    if (text) *text = box->text();
    QTest::mouseClick(box->button(answer), Qt::LeftButton);
  });
}
