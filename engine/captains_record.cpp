#include "engine/captains_record.h"

#include <algorithm>
#include <tuple>

namespace kestravane {

RecordEntry EntryFor(const Session& session, GameEnd result, std::int64_t endedAt) {
  const GameHistory& history = session.History;
  return {.EndedAt = endedAt,
          .Difficulty = session.State.Difficulty,
          .Universe = history.Universe,
          .Result = result,
          .MissilesFired = history.MissilesFired,
          .FuelUsed = history.FuelUsed,
          .ShipsDestroyed = session.State.ShipsDestroyed,
          .SecondsPlayed = history.SecondsPlayed,
          .Assisted = history.Assisted};
}

DifficultyStanding StandingAt(const CaptainsRecord& record, Difficulty difficulty) {
  DifficultyStanding standing;
  const std::vector<RecordEntry>& entries = record.Entries;
  for (std::size_t index = 0; index < entries.size(); ++index) {
    const RecordEntry& entry = entries[index];
    if (entry.Difficulty != difficulty) continue;
    ++standing.Played;
    if (entry.Assisted) ++standing.Assisted;
    if (entry.Result == GameEnd::Lost) {
      ++standing.Lost;
      continue;
    }
    ++standing.Won;
    if (!entry.Assisted) standing.Best.push_back(index);
  }
  if (standing.Played > 0) standing.WinPercent = 100 * standing.Won / standing.Played;
  const auto rank = [&entries](std::size_t index) {
    const RecordEntry& entry = entries[index];
    return std::tuple(entry.MissilesFired, entry.FuelUsed, entry.SecondsPlayed, entry.EndedAt, index);
  };
  std::sort(standing.Best.begin(), standing.Best.end(),
            [&rank](std::size_t a, std::size_t b) { return rank(a) < rank(b); });
  if (standing.Best.size() > BestCount) standing.Best.resize(BestCount);
  return standing;
}

}  // namespace kestravane
