#pragma once

#include <QApplication>
#include <functional>

#include "common/qt_waits.h"

// The modal widget of type T that is up and has the keyboard, which it gets
// a little after it shows; null when there is none.
template <class T = QWidget>
T* ModalWithKeyboard() {
  T* widget = qobject_cast<T*>(QApplication::activeModalWidget());
  return widget && widget->isActiveWindow() ? widget : nullptr;
}

// A modal dialog blocks the test in its own event loop. This waits inside that loop for a modal widget of type T to be
// up and to have the keyboard, then runs `step` on it once. A step must always end the dialog, even when one of its
// checks fails, or the test would wait in the dialog for good.
template <class T>
void WhenModal(std::function<void(T*)> step) {
  WhenReady([] { return ModalWithKeyboard<T>() != nullptr; }, [step] { step(ModalWithKeyboard<T>()); }, 10000,
            "The modal dialog never came up");
}

// The widget that has the keyboard, where a real key press would go.
inline QWidget* KeyboardTarget(QWidget* fallback) {
  return QApplication::focusWidget() ? QApplication::focusWidget() : fallback;
}
