#include "app/missile_flight.h"

#include <algorithm>
#include <utility>

#include "app/board_view.h"
#include "display/missile_mark.h"

namespace kestravane {

FlightAnimation::FlightAnimation() {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Step(); });
}

void FlightAnimation::Fly(BoardView& board, int column, int row, std::function<void()> landed) {
  board_ = &board;
  path_ = MissilePath(column, row);
  step_ = 0;
  landed_ = std::move(landed);
  start_ = std::chrono::steady_clock::now();
  ToggleMark();
  WaitForDeadline();
}

// Each step ends at a deadline counted from the start, so the time spent
// drawing does not add up over the flight. A step already late still waits
// for one pass of the event loop, so that the window always gets its paints.
std::chrono::steady_clock::time_point FlightAnimation::StepEnd() const {
  return start_ + static_cast<int>(step_ + 1) * MissileStepTime;
}

void FlightAnimation::WaitForDeadline() {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(StepEnd() - std::chrono::steady_clock::now());
  timer_.start(std::max(left, std::chrono::milliseconds{0}));
}

void FlightAnimation::Step() {
  // A coarse clock may wake the timer a little early.
  if (std::chrono::steady_clock::now() < StepEnd()) {
    WaitForDeadline();
    return;
  }
  ToggleMark();
  if (++step_ == path_.size()) {
    Finish();
    return;
  }
  ToggleMark();
  WaitForDeadline();
}

void FlightAnimation::Land() {
  if (!Flying()) return;
  timer_.stop();
  ToggleMark();
  Finish();
}

void FlightAnimation::Finish() {
  board_ = nullptr;
  const std::function<void()> landed = std::exchange(landed_, nullptr);
  landed();
}

// Draws the mark, or erases it when drawn at the same place again, and puts
// it on the screen at once.
void FlightAnimation::ToggleMark() {
  DrawMissileMark(board_->Canvas(), path_[step_]);
  board_->ShowDrawn();
}

}  // namespace kestravane
