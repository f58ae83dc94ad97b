#pragma once

#include <QAbstractButton>
#include <QTest>
#include <functional>
#include <type_traits>

#include "common/modal_driver.h"

// Reaching into a running dialog or box of the game the way the player does:
// its buttons by what they say, keys where the keyboard is.

using DialogStep = std::function<void(QWidget*)>;

// Checks the next modal dialog of type T once it is up, then ends it with
// `end`. A failed check only leaves `look`, so the dialog still ends and the
// test goes on to report it instead of hanging in the dialog's loop.
template <class T = QWidget>
void LookThenEnd(const std::type_identity_t<std::function<void(T*)>>& look,
                 const std::type_identity_t<std::function<void(T*)>>& end) {
  WhenModal<T>([look, end](T* dialog) {
    look(dialog);
    end(dialog);
  });
}

inline QAbstractButton* ButtonOf(QWidget* dialog, const QString& text) {
  for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
    if (button->text() == text) return button;
  return nullptr;
}

inline void PressIn(QWidget* dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(KeyboardTarget(dialog), key, modifiers);
}

inline DialogStep Clicking(const QString& text) {
  return [text](QWidget* dialog) { QTest::mouseClick(ButtonOf(dialog, text), Qt::LeftButton); };
}

inline DialogStep Pressing(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  return [key, modifiers](QWidget* dialog) { PressIn(dialog, key, modifiers); };
}
