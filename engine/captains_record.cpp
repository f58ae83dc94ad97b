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

namespace {

// The order of the best victories: fewest missiles, then least fuel, then
// the shortest time, then the earliest.
auto RankKey(const CaptainsRecord& record, std::size_t index) {
  const RecordEntry& entry = record.Entries[index];
  return std::tuple(entry.MissilesFired, entry.FuelUsed, entry.SecondsPlayed, entry.EndedAt, index);
}

bool Ranks(const RecordEntry& entry) { return entry.Result == GameEnd::Won && !entry.Assisted; }

}  // namespace

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
  std::sort(standing.Best.begin(), standing.Best.end(),
            [&record](std::size_t a, std::size_t b) { return RankKey(record, a) < RankKey(record, b); });
  if (standing.Best.size() > BestCount) standing.Best.resize(BestCount);
  return standing;
}

ResultPlace PlaceOf(const CaptainsRecord& record, const RecordEntry& game) {
  using Kind = ResultPlace::Kind;
  if (game.Assisted) return {Kind::Assisted};
  if (game.Result == GameEnd::Lost) return {Kind::Lost};
  const std::vector<RecordEntry>& entries = record.Entries;
  const auto sameGame = [&game](const RecordEntry& entry) {
    RecordEntry whenever = entry;
    whenever.EndedAt = game.EndedAt;
    return whenever == game;
  };
  const auto found = std::find_if(entries.rbegin(), entries.rend(), sameGame);
  if (found == entries.rend()) return {Kind::Unrecorded};
  const std::size_t index = static_cast<std::size_t>(entries.rend() - found) - 1;
  const std::vector<std::size_t> best = StandingAt(record, game.Difficulty).Best;
  const auto place = std::find(best.begin(), best.end(), index);
  if (place == best.end()) return {Kind::Outside};
  return {Kind::Ranked, static_cast<std::size_t>(place - best.begin()) + 1};
}

std::vector<UniverseBest> RepeatedUniverses(const CaptainsRecord& record, Difficulty difficulty) {
  std::vector<UniverseBest> universes;
  // From the last game back, so that each universe comes in the order of its latest game.
  for (std::size_t index = record.Entries.size(); index-- > 0;) {
    const RecordEntry& entry = record.Entries[index];
    if (entry.Difficulty != difficulty || !entry.Universe) continue;
    auto found = std::find_if(universes.begin(), universes.end(),
                              [&entry](const UniverseBest& each) { return each.Universe == *entry.Universe; });
    if (found == universes.end()) found = universes.insert(universes.end(), {*entry.Universe, 0, std::nullopt});
    ++found->Played;
    if (Ranks(entry) && (!found->Best || RankKey(record, index) < RankKey(record, *found->Best))) found->Best = index;
  }
  std::erase_if(universes, [](const UniverseBest& each) { return each.Played < 2; });
  return universes;
}

}  // namespace kestravane
