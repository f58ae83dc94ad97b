#include "engine/score_figures.h"

#include <cstdarg>

#include "engine/sector.h"

namespace {

constexpr unsigned SectorShipsText = 5034;      // "%d Roder Ship%s"
constexpr unsigned SectorDestroyedText = 5035;  // "%d Destroyed"
constexpr unsigned SectorRemainingText = 5036;  // "%d Remaining"
constexpr unsigned ShipsRemainingText = 5037;   // "%d Ship%s Remain%s"
constexpr unsigned KillRatioText = 5038;        // "%d%% Kill Ratio"
constexpr unsigned NoShotText = 5039;           // " "

FigureLine FormatFigure(unsigned id, ...) {
  FigureLine line;
  std::va_list args;
  va_start(args, id);
  line.Loaded = FormatCatalogueLine(line.Text, id, args);
  va_end(args);
  return line;
}

const char* PluralS(int count) { return count == 1 ? "" : "s"; }
// The verb takes the "s" the noun does not: "1 Ship Remains", "2 Ships Remain".
const char* VerbS(int count) { return count == 1 ? "s" : ""; }

}  // namespace

int KillRatioPercent(int shipsDestroyed, int missilesFired) {
  const double perShot = static_cast<double>(shipsDestroyed) / missilesFired;
  return static_cast<int>(perShot * 100.0);
}

ScoreFigures MakeScoreFigures(const QuadrantGrid& grid, const GameState& state) {
  const int ships = CountSectorShips(grid, state);
  const int destroyed = CountSectorDestroyed(grid, state);
  const int universeLeft = state.EnemyShips - state.ShipsDestroyed;
  const int fired = state.Missiles.Maximum - state.Missiles.Value;

  ScoreFigures figures;
  figures.SectorShips = FormatFigure(SectorShipsText, ships, PluralS(ships));
  figures.SectorDestroyed = FormatFigure(SectorDestroyedText, destroyed);
  figures.SectorRemaining = FormatFigure(SectorRemainingText, ships - destroyed);
  figures.ShipsRemaining =
      FormatFigure(ShipsRemainingText, universeLeft, PluralS(universeLeft), VerbS(universeLeft));
  figures.KillRatio = fired == 0 ? FormatFigure(NoShotText)
                                 : FormatFigure(KillRatioText, KillRatioPercent(state.ShipsDestroyed, fired));
  return figures;
}
