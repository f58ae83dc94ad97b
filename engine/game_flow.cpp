#include "engine/game_flow.h"

#include "engine/generation.h"
#include "engine/modes.h"

namespace kestravane {

Outcome StartNewGame(Session& session) {
  const std::uint32_t universe = session.Random.State();
  session.History = GameHistory{};
  session.History.Universe = universe;
  Outcome outcome = GenerateGame(session);
  outcome.Post(Text::UniverseNumber, universe);
  outcome.Append(GameOpened(session));
  return outcome;
}

Outcome GameOpened(Session& session) {
  session.InProgress = true;
  Outcome outcome;
  outcome.ShipButtons = true;
  return outcome;
}

Outcome ClearGame(Session& session) {
  session.InProgress = false;
  session.History = GameHistory{};
  session.Log = ScanLog{};
  session.Grid = QuadrantGrid{};
  GameState& state = session.State;
  state.EnemyShips = 0;
  state.ShipsDestroyed = 0;
  state.X = 0;
  state.Y = 0;
  state.Z = 0;
  state.Axis = ScanAxis::Z;
  state.Fuel.Value = 0;
  state.Missiles.Value = 0;

  Outcome outcome;
  outcome.ShipButtons = false;
  outcome.Post(Text::Ready);
  return outcome;
}

Outcome BeginDocumentCommand(Session& session) {
  if (session.Picture == ScannerPicture::None) return {};
  return ResumeGame(session);
}

void EndDocumentCommand(Session& session, bool done) {
  if (done) session.ScannerTracing = false;
}

}  // namespace kestravane
