#include <gtest/gtest.h>

#include "common/golden_image.h"
#include "display/hunt_map.h"
#include "engine/end_of_game.h"
#include "engine/game_flow.h"
#include "engine/targeting.h"
#include "engine/weapons.h"

using namespace kestravane;

// Universe 1997 hunted for a while: the first five ships in the grid's order hit, row Y 4 of sector Z 2 swept, the
// sectors Z 0, Y 4 and X 7 scanned. Its map hides every ship not found until the game is lost, then shows the
// survivors; a screen reader hears the same of sector Z 2.
TEST(HuntMap, HidesTheShipsNotFoundUntilTheHuntIsOver) {
  Session session;
  session.Random.Seed(1997);
  session.State.Difficulty = Difficulty::Normal;
  StartNewGame(session);
  std::vector<Quadrant> targets;
  for (int i = 0; targets.size() < 5; ++i)
    if (session.Grid.Enemy[i]) targets.push_back({i / 81, i / 9 % 9, i % 9});
  for (int x = 0; x < AxisLength; ++x) targets.push_back({2, 4, x});
  for (const Quadrant target : targets) {
    AimAt(session, target);
    FireMissile(session);
  }
  for (const auto& [axis, coordinate] : {std::pair{ScanAxis::Z, 0}, {ScanAxis::Y, 4}, {ScanAxis::X, 7}})
    LoggedScan(session.Log, axis, coordinate).Scanned = 1;
  platform::PictureStore pictures;

  const std::pair<const char*, const char*> stages[] = {
      {"hunt_map_in_play",
       "Sector Z 2: 1 Roder ship destroyed at Y 4 X 3; shots: 1 hit, 8 missed; 17 of 81 quadrants scanned"},
      {"hunt_map_over",
       "Sector Z 2: 1 Roder ship destroyed at Y 4 X 3; 2 Roder ships survived at Y 2 X 6, Y 7 X 1; "
       "shots: 1 hit, 8 missed; 17 of 81 quadrants scanned"},
  };
  for (const auto& [golden, sectorTwo] : stages) {
    const QImage map = DrawHuntMap(session.Grid, session.Log, session.State, pictures);
    EXPECT_EQ(GoldenDifference(map, golden).toStdString(), "");
    EXPECT_EQ(HuntMapSectorNames(session.Grid, session.Log, session.State).value(2).toStdString(), sectorTwo);
    EndGameLost(session);
  }
}
