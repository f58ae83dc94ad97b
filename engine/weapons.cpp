#include "engine/weapons.h"

#include "engine/end_of_game.h"

namespace kestravane {

Launch LaunchMissile(Session& session) {
  GameState& state = session.State;
  Launch launch;
  if (!GaugeDown(state.Missiles)) {
    launch.Report = RanOut(session, Text::MissilesGone);
    return launch;
  }
  if (!session.History.Ended) ++session.History.MissilesFired;
  Outcome& report = launch.Report;
  report.Post(Text::MissileLaunched);
  report.Sounds.push_back(Sound::MissileLaunched);
  launch.Flight = MissileFlight{ShipQuadrant(state), ShipCell(state)};
  return launch;
}

Outcome StrikeTarget(Session& session, const MissileFlight& flight) {
  const Quadrant target = flight.Target;
  const int index = QuadrantIndex(target.Z, target.Y, target.X);
  QuadrantGrid& grid = session.Grid;
  GameState& state = session.State;
  const bool enemy = grid.Enemy[index] != 0;
  Outcome outcome;
  if (grid.Struck[index]) {
    // A wasted missile; in particular it cannot win the game.
    outcome.Post(enemy ? Text::ShipAlreadyDestroyed : Text::QuadrantSweptClean);
    outcome.Sounds.push_back(Sound::MissileWasted);
    return outcome;
  }

  grid.Struck[index] = 1;
  if (enemy) {
    outcome.Post(Text::EnemyDestroyed, target.Z, target.Y, target.X);
    ++state.ShipsDestroyed;
    outcome.Sounds.push_back(Sound::EnemyDestroyed);
    outcome.AlertWhenSilent = true;
    RecordKill(session.Log, target);
  } else {
    outcome.Post(Text::NoEnemyFound, target.Z, target.Y, target.X);
  }
  if (state.ShipsDestroyed >= state.EnemyShips) outcome.Append(EndGameWon(session));
  return outcome;
}

Outcome FireMissile(Session& session) {
  Launch launch = LaunchMissile(session);
  Outcome outcome = std::move(launch.Report);
  if (launch.Flight) outcome.Append(StrikeTarget(session, *launch.Flight));
  return outcome;
}

}  // namespace kestravane
