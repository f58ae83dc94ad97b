#include "engine/captains_record.h"

#include <gtest/gtest.h>

using namespace kestravane;

// The best victories: fewest missiles, then least fuel, then the shortest time, then the earliest; never an assisted
// game, a loss or another level's, and never more than ten.
TEST(CaptainsRecord, RanksTheBestTenVictoriesOfALevelAndCountsEveryGame) {
  const auto game = [](GameEnd result, std::uint32_t missiles, std::uint32_t fuel, std::uint32_t seconds,
                        std::uint32_t universe = 7) {
    return RecordEntry{100, Difficulty::Easy, universe, result, missiles, fuel, 60, seconds, false};
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

  // A game's place, found by its figures whenever it ended.
  using Kind = ResultPlace::Kind;
  const auto placeOf = [&record](std::size_t index) {
    RecordEntry later = record.Entries[index];
    later.EndedAt += 500;
    return PlaceOf(record, later);
  };
  RecordEntry unknown = record.Entries[11];
  unknown.FuelUsed = 2;
  EXPECT_EQ((std::vector{placeOf(11), placeOf(12), placeOf(4), placeOf(3), placeOf(14), placeOf(15),
                         PlaceOf(record, unknown)}),
            (std::vector<ResultPlace>{{Kind::Ranked, 1}, {Kind::Ranked, 3}, {Kind::Ranked, 10}, {Kind::Outside},
                                      {Kind::Lost}, {Kind::Assisted}, {Kind::Unrecorded}}));

  // The best on each universe played more than once, the latest first: one
  // played once is left out, one never won has no best.
  record.Entries.push_back(game(GameEnd::Won, 50, 1, 1, 8));  // 17: once only
  record.Entries.push_back(game(GameEnd::Lost, 50, 1, 1, 9));  // 18 and 19: lost twice
  record.Entries.push_back(record.Entries.back());
  EXPECT_EQ(RepeatedUniverses(record, Difficulty::Easy),
            (std::vector<UniverseBest>{{9, 2, std::nullopt}, {7, 16, 11}}));
}
