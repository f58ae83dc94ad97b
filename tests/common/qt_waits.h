#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// Runs `step` from the event loop as soon as `ready` holds: checked every few
// milliseconds, so it also fires inside modal loops and the game's own loop.
// After `timeoutMs` it gives up without running the step, failing the test
// with `failure` when one is given. Deleting the timer it returns calls the
// wait off; the application owns it, so that a wait never ended goes with it.
inline QTimer* WhenReady(std::function<bool()> ready, std::function<void()> step, int timeoutMs = 10000,
                      const char* failure = nullptr) {
  auto* poll = new QTimer(qApp);
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, clock, ready, step, timeoutMs, failure] {
    if (!ready() && clock->elapsed() < timeoutMs) return;
    const bool isReady = ready();
    poll->stop();
    poll->deleteLater();
    if (isReady)
      step();
    else if (failure)
      QTest::qFail(failure, __FILE__, __LINE__);
  });
  poll->start();
  return poll;
}
