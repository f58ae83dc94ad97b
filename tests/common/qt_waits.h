#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `step` from the event loop as soon as `ready` holds: checked every few
// milliseconds, so it also fires inside modal loops and the game's own loop.
// Gives up (and fails the step by never running it) after `timeoutMs`.
inline void WhenReady(std::function<bool()> ready, std::function<void()> step,
                      int timeoutMs = 10000) {
  auto* poll = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, clock, ready, step, timeoutMs] {
    if (!ready() && clock->elapsed() < timeoutMs) return;
    const bool isReady = ready();
    poll->stop();
    poll->deleteLater();
    delete clock;
    if (isReady) step();
  });
  poll->start();
}

// Hands the next modal dialog or box to `answer` as soon as it is up.
inline void AnswerNextModal(std::function<void(QWidget*)> answer, int timeoutMs = 10000) {
  WhenReady([] { return QApplication::activeModalWidget() != nullptr; },
            [answer] { answer(QApplication::activeModalWidget()); }, timeoutMs);
}
