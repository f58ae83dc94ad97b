#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `step` from the event loop as soon as `ready` holds: checked every few milliseconds, so it also fires inside
// modal loops and the game's own loop. After `timeoutMs` it gives up without running the step, failing the test with
// `failure` unless that is null. A failed wait, or a step whose check failed, ends every event loop, so that the test
// reports instead of running into its time limit. Deleting the timer it returns calls the wait off; the application
// owns it, so that a wait never ended goes with it.
inline QTimer* WhenReady(std::function<bool()> ready, std::function<void()> step, int timeoutMs = 10000,
                         const char* failure = "the awaited state never came") {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [poll, deadline = QDeadlineTimer(timeoutMs), ready, step, failure] {
    const bool isReady = ready();
    if (!isReady && !deadline.hasExpired()) return;
    poll->stop();
    poll->deleteLater();
    if (isReady)
      step();
    else if (failure)
      QTest::qFail(failure, __FILE__, __LINE__);
    if (QTest::currentTestFailed()) QCoreApplication::exit(1);
  });
  poll->start(5);
  return poll;
}
