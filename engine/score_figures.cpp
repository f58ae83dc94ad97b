#include "engine/score_figures.h"

#include "engine/sector.h"

namespace kestravane {

namespace {

const char* PluralS(int count) { return count == 1 ? "" : "s"; }
// The verb takes the "s" the noun does not: "1 Ship Remains", "2 Ships Remain".
const char* VerbS(int count) { return count == 1 ? "s" : ""; }

}  // namespace

int KillRatioPercent(int shipsDestroyed, int missilesFired) {
  const double perShot = static_cast<double>(shipsDestroyed) / missilesFired;
  return static_cast<int>(perShot * 100.0);
}

int MissilesFired(const GameState& state) { return state.Missiles.Maximum - state.Missiles.Value; }

ScoreFigures MakeScoreFigures(const QuadrantGrid& grid, const GameState& state) {
  const int ships = CountSectorShips(grid, state);
  const int destroyed = CountSectorDestroyed(grid, state);
  const int universeLeft = state.EnemyShips - state.ShipsDestroyed;
  const int fired = MissilesFired(state);
  return {
      MakeMessage(Text::SectorShips, ships, PluralS(ships)),
      MakeMessage(Text::SectorDestroyed, destroyed),
      MakeMessage(Text::SectorRemaining, ships - destroyed),
      MakeMessage(Text::ShipsRemaining, universeLeft, PluralS(universeLeft), VerbS(universeLeft)),
      fired == 0 ? MakeMessage(Text::NoShotFired)
                 : MakeMessage(Text::KillRatio, KillRatioPercent(state.ShipsDestroyed, fired)),
  };
}

}  // namespace kestravane
