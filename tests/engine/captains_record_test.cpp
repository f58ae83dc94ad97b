#include "engine/captains_record.h"

#include <gtest/gtest.h>

using namespace kestravane;

// The best victories: fewest missiles, then least fuel, then the shortest
// time, then the earliest; never an assisted game, a loss or
// another level's, and never more than ten.
TEST(CaptainsRecord, RanksTheBestTenVictoriesOfALevelAndCountsEveryGame) {
  const auto game = [](GameEnd result, std::uint32_t missiles, std::uint32_t fuel, std::uint32_t seconds) {
    return RecordEntry{100, Difficulty::Easy, 7u, result, missiles, fuel, 60, seconds, false};
  };
  CaptainsRecord record;
  for (std::uint32_t missiles = 130; missiles > 118; --missiles) record.Entries.push_back(game(GameEnd::Won, missiles, 9, 9));
  record.Entries.push_back(game(GameEnd::Won, 121, 8, 9));   // 12: less fuel than 9
  record.Entries.push_back(game(GameEnd::Won, 121, 9, 8));   // 13: as 9, quicker
  record.Entries.push_back(game(GameEnd::Lost, 60, 1, 1));   // 14: a loss
  record.Entries.push_back(game(GameEnd::Won, 60, 1, 1));    // 15: assisted
  record.Entries.back().Assisted = true;
  record.Entries.push_back(game(GameEnd::Won, 60, 1, 1));    // 16: another level
  record.Entries.back().Difficulty = Difficulty::Hard;
  const DifficultyStanding easy = StandingAt(record, Difficulty::Easy);
  EXPECT_EQ(std::tuple(easy.Played, easy.Won, easy.Lost, easy.WinPercent, easy.Assisted), std::tuple(16, 15, 1, 93, 1));
  EXPECT_EQ(easy.Best, (std::vector<std::size_t>{11, 10, 12, 13, 9, 8, 7, 6, 5, 4}));
}
