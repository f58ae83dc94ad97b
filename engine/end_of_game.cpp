#include "engine/end_of_game.h"

namespace kestravane {

namespace {

void ShowEnd(Session& session, Outcome& outcome, ScannerPicture picture, GameEnd end) {
  session.Picture = picture;
  outcome.ShipButtons = false;
  outcome.Ended = end;
  if (!session.History.Ended) session.History.Ended = end;
}

}  // namespace

Outcome EndGameLost(Session& session) {
  GameState& state = session.State;
  Outcome outcome;
  outcome.Post(state.Missiles.Value < 1 ? Text::MissilesGone : Text::FuelGone);
  state.Fuel.Value = state.Fuel.Maximum;
  state.Missiles.Value = 0;
  session.ScannerTracing = true;
  ShowEnd(session, outcome, ScannerPicture::Defeat, GameEnd::Lost);
  return outcome;
}

Outcome RanOut(Session& session, Text gone) {
  Outcome outcome;
  outcome.Post(gone);
  outcome.Append(EndGameLost(session));
  return outcome;
}

Outcome EndGameWon(Session& session) {
  GameState& state = session.State;
  Outcome outcome;
  outcome.Post(Text::Victory);
  state.Fuel.Value = state.Fuel.Maximum;
  state.Missiles.Value = state.Missiles.Maximum;
  ShowEnd(session, outcome, ScannerPicture::Victory, GameEnd::Won);
  return outcome;
}

bool HuntOver(const GameState& state) {
  return state.ShipsDestroyed >= state.EnemyShips || state.Missiles.Value < 1;
}

}  // namespace kestravane
