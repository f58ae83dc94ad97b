#include "app/missile_flight.h"

#include "display/missile_mark.h"
#include "display/missile_path.h"
#include "platform/pause.h"
#include "platform/surface.h"

namespace {

// Draws the mark, or erases it when drawn at the same place again, and puts
// it on the screen at once.
void ToggleMark(platform::Window* window, MissilePoint at) {
  platform::Surface* surface = platform::WindowSurface(window);
  DrawMissileMark(surface, at);
  platform::ReleaseSurface(surface);
}

}  // namespace

void FlyMissile(platform::Window* window, int column, int row) {
  // A game paint during the flight would redraw the scanner under a mark
  // that the next stroke then inverts back in as a stray one; painting what
  // is owed first leaves only exposures, which show the image as it is.
  platform::UpdateWindow(window);
  const std::vector<MissilePoint> path = MissilePath(column, row);
  // Every step's end is counted from the start, so the time spent drawing
  // does not add up over the flight.
  const auto start = std::chrono::steady_clock::now();
  for (std::size_t step = 0; step < path.size(); ++step) {
    ToggleMark(window, path[step]);
    platform::PauseUntil(start + static_cast<int>(step + 1) * MissileStepTime);
    ToggleMark(window, path[step]);
  }
}
