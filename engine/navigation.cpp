#include "engine/navigation.h"

#include "engine/end_of_game.h"

namespace kestravane {

namespace {

std::int32_t& AxisCoordinate(GameState& state) {
  switch (EffectiveAxis(state)) {
    case ScanAxis::Y: return state.Y;
    case ScanAxis::X: return state.X;
    default: return state.Z;
  }
}

void ReportSector(const Session& session, Outcome& outcome) {
  const int ships = CountSectorShips(session.Grid, session.State);
  if (ships == 0) {
    outcome.Post(Text::SectorHasNoShips);
    return;
  }
  const int alive = ships - CountSectorDestroyed(session.Grid, session.State);
  if (alive == 0)
    outcome.Post(Text::SectorCleared);
  else
    outcome.Post(Text::ShipsInSector, alive);
}

}  // namespace

Outcome EngageEngines(Session& session) {
  std::int32_t& coordinate = AxisCoordinate(session.State);
  coordinate = coordinate >= AxisLength - 1 ? 0 : coordinate + 1;
  return MoveShip(session);
}

Outcome ReverseEngines(Session& session) {
  std::int32_t& coordinate = AxisCoordinate(session.State);
  coordinate = coordinate <= 0 ? AxisLength - 1 : coordinate - 1;
  return MoveShip(session);
}

Outcome SteerTo(Session& session, Quadrant destination, ScanAxis scanAxis) {
  GameState& state = session.State;
  state.Z = destination.Z;
  state.Y = destination.Y;
  state.X = destination.X;
  state.Axis = scanAxis;
  Outcome outcome;
  outcome.Post(Text::SettingHelm, state.Z, state.Y, state.X);
  outcome.Append(MoveShip(session));
  return outcome;
}

Outcome MoveShip(Session& session) {
  if (!GaugeDown(session.State.Fuel)) return RanOut(session, Text::FuelGone);
  if (!session.History.Ended) ++session.History.FuelUsed;
  Outcome outcome;
  outcome.Post(Text::EnginesEngaged);
  outcome.Sounds.push_back(Sound::EnginesEngaged);
  ReportSector(session, outcome);
  return outcome;
}

}  // namespace kestravane
