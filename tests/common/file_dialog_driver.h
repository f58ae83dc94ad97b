#pragma once

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

#include "common/modal_driver.h"

// Plays the player's part in Qt's own file dialog.

inline QLineEdit* NameEdit(QFileDialog* dialog) {
  return dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

// Types a file name and presses Enter.
inline void TypeAndEnter(QFileDialog* dialog, const QString& name) {
  QLineEdit* edit = NameEdit(dialog);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, name);
  // The completion list would take the Enter for itself.
  if (edit->completer() && edit->completer()->popup()->isVisible())
    edit->completer()->popup()->hide();
  QTest::keyClick(edit, Qt::Key_Return);
}

inline void CancelFileDialog(QFileDialog* dialog) {
  QTest::keyClick(KeyboardTarget(dialog), Qt::Key_Escape);
}
