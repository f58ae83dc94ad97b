#include "engine/targeting.h"

#include <algorithm>

namespace kestravane {

Outcome Retarget(Session& session, Cell cell) {
  GameState& state = session.State;
  Outcome outcome;
  const int row = std::clamp(cell.Row, 0, AxisLength - 1);
  const int column = std::clamp(cell.Column, 0, AxisLength - 1);
  switch (EffectiveAxis(state)) {
    case ScanAxis::Y:
      state.X = column;
      state.Z = row;
      break;
    case ScanAxis::X:
      state.Z = column;
      state.Y = row;
      break;
    default:
      state.X = column;
      state.Y = row;
      break;
  }
  outcome.Post(Text::TargetingCoordinates, state.Z, state.Y, state.X);
  return outcome;
}

Outcome AimAt(Session& session, Quadrant target) {
  GameState& state = session.State;
  state.Z = target.Z;
  state.Y = target.Y;
  state.X = target.X;
  Outcome outcome;
  outcome.Post(Text::TargetingCoordinates, state.Z, state.Y, state.X);
  return outcome;
}

}  // namespace kestravane
