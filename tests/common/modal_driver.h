#pragma once

#include <QApplication>
#include <functional>

#include "common/qt_waits.h"

// A modal dialog blocks the test in its own event loop. This waits inside
// that loop for a modal widget of type T to be up and to have the keyboard
// (which it gets a little after it shows), then runs `step` on it
// once. A step must always end the dialog, even when one of its checks
// fails, or the test would wait in the dialog for good.
template <class T>
void WhenModal(std::function<void(T*)> step) {
  const auto modal = [] {
    T* widget = qobject_cast<T*>(QApplication::activeModalWidget());
    return widget && widget->isActiveWindow() ? widget : nullptr;
  };
  WhenReady([modal] { return modal() != nullptr; }, [modal, step] { step(modal()); }, 10000,
            "The modal dialog never came up");
}

// The widget that has the keyboard, where a real key press would go.
inline QWidget* KeyboardTarget(QWidget* fallback) {
  QWidget* focused = QApplication::focusWidget();
  return focused ? focused : fallback;
}
