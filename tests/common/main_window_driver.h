#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>
#include <QTest>

#include "common/modal_driver.h"
#include "platform/qt/app_window.h"

// Plays the player's part on the game's main window: its menu commands and
// the question that guards a game in progress.

// The menu command shown as `text` (its shortcut after a tab), or null.
inline QAction* MenuItem(platform::Window* window, const QString& text) {
  for (QAction* action : platform::AppWindow::From(window)->widget()->findChildren<QAction*>())
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
