#pragma once

#include <QTimer>
#include <chrono>
#include <cstddef>
#include <functional>
#include <vector>

#include "display/missile_path.h"

namespace kestravane {

class BoardView;

// How long the mark holds each place of its flight. The flight is paced by
// the clock, not by the processor: the longest one, 68 steps straight up,
// takes 272 ms on any machine, long enough for the eye to follow the mark
// and short enough not to hold up play. A whole number of milliseconds keeps
// each step's deadline on the tick of the event loop's timers.
inline constexpr std::chrono::milliseconds MissileStepTime{4};

// A missile's mark flying from the bottom centre of the scanner view to a
// cell of the sector grid, one step a timer tick, while the event loop goes
// on: the window keeps painting and the player's input reaches the game,
// which holds it until the landing.
class FlightAnimation {
 public:
  FlightAnimation();

  // Starts a flight to the cell at (column, row); `landed` runs once the
  // mark is gone from the window.
  void Fly(BoardView& board, int column, int row, std::function<void()> landed);
  bool Flying() const { return board_ != nullptr; }

  // Ends the flight now, as if its last step had come: the mark is erased and
  // `landed` runs.
  void Land();

 private:
  std::chrono::steady_clock::time_point StepEnd() const;
  void WaitForDeadline();
  void Step();
  void Finish();
  void ToggleMark();

  QTimer timer_;
  BoardView* board_ = nullptr;
  std::vector<MissilePoint> path_;
  std::size_t step_ = 0;
  std::chrono::steady_clock::time_point start_;
  std::function<void()> landed_;
};

}  // namespace kestravane
