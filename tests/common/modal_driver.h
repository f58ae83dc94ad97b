#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// A modal dialog blocks the test in its own event loop. This waits inside
// that loop for a modal widget of type T to be up and to have the keyboard
// (which it gets a little after it shows), then runs `step` on it
// once. A step must always end the dialog, even when one of its checks
// fails, or the test would wait in the dialog for good.
template <class T>
void WhenModal(std::function<void(T*)> step) {
  auto* poll = new QTimer;
  auto waited = std::make_shared<QElapsedTimer>();
  waited->start();
  QObject::connect(poll, &QTimer::timeout, [poll, waited, step] {
    if (T* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        modal && modal->isActiveWindow()) {
      poll->deleteLater();
      poll->stop();
      step(modal);
    } else if (waited->elapsed() > 10000) {
      poll->deleteLater();
      poll->stop();
      QTest::qFail("The modal dialog never came up", __FILE__, __LINE__);
    }
  });
  poll->start(5);
}

// The widget that has the keyboard, where a real key press would go.
inline QWidget* KeyboardTarget(QWidget* fallback) {
  QWidget* focused = QApplication::focusWidget();
  return focused ? focused : fallback;
}

// Everything a box or dialog says, its texts run together.
inline QString BoxText(const QWidget* box) {
  QString text;
  for (const QLabel* label : box->findChildren<QLabel*>()) text += label->text();
  return text;
}
