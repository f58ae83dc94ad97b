#include "platform/pause.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace platform {

void PauseUntil(std::chrono::steady_clock::time_point deadline) {
  // Qt keeps window-system input in its queue while this flag is given, and
  // delivers it in order once the game's own loop runs again; exposures and
  // timers still pass.
  constexpr QEventLoop::ProcessEventsFlag holdInput = QEventLoop::ExcludeUserInputEvents;
  QCoreApplication::processEvents(holdInput);
  // A timer counts whole milliseconds: rounding up never wakes early, and the
  // loop catches the rare early wake-up of a coarse clock.
  for (auto left = deadline - std::chrono::steady_clock::now(); left.count() > 0;
       left = deadline - std::chrono::steady_clock::now()) {
    QEventLoop sleeper;
    QTimer::singleShot(std::chrono::ceil<std::chrono::milliseconds>(left), Qt::PreciseTimer, &sleeper,
                       &QEventLoop::quit);
    sleeper.exec(holdInput);
  }
  // Input that came meanwhile is still queued, but the wake-up that announced
  // it was spent on the pause: without a fresh one it would wait for the next
  // unrelated event instead of reaching the game as soon as its loop runs.
  QAbstractEventDispatcher::instance()->wakeUp();
}

}  // namespace platform
