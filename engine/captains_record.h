#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/game_state.h"
#include "engine/outcome.h"
#include "engine/session.h"

namespace kestravane {

// One finished game in the captain's record.
struct RecordEntry {
  std::int64_t EndedAt = 0;  // calendar seconds since 1970
  kestravane::Difficulty Difficulty = Difficulty::Normal;
  std::optional<std::uint32_t> Universe;
  GameEnd Result = GameEnd::Lost;
  std::uint32_t MissilesFired = 0;
  std::uint32_t FuelUsed = 0;
  std::int32_t ShipsDestroyed = 0;
  std::uint32_t SecondsPlayed = 0;
  bool Assisted = false;  // never among the best

  bool operator==(const RecordEntry&) const = default;
};

// Every game the captain finished, in the order they ended.
struct CaptainsRecord {
  std::vector<RecordEntry> Entries;

  bool operator==(const CaptainsRecord&) const = default;
};

// The entry for the session's game, which has just ended with `result`.
RecordEntry EntryFor(const Session& session, GameEnd result, std::int64_t endedAt);

// How the captain fares at one difficulty.
struct DifficultyStanding {
  int Played = 0;
  int Won = 0;
  int Lost = 0;
  int WinPercent = 0;  // rounded down; 0 with no game
  int Assisted = 0;    // games won or lost with help
  // The best victories, at most ten, best first, as indices into the
  // record's entries: fewest missiles fired, then least fuel, then the
  // shortest time, then the earliest. An assisted game never ranks.
  std::vector<std::size_t> Best;
};

inline constexpr std::size_t BestCount = 10;

DifficultyStanding StandingAt(const CaptainsRecord& record, Difficulty difficulty);

// Where `game` stands in the record: it is found as the latest entry with
// all its figures, whenever it ended, so that a game saved after its end and
// opened again finds its place too.
ResultPlace PlaceOf(const CaptainsRecord& record, const RecordEntry& game);

// The captain's best on one universe he played more than once at a level.
struct UniverseBest {
  std::uint32_t Universe = 0;
  int Played = 0;
  std::optional<std::size_t> Best;  // the best victory there by the ranking's rule; none without one

  bool operator==(const UniverseBest&) const = default;
};

// Every universe played more than once at `difficulty`, the one played last
// first, so that the day's universe heads the list while it is replayed.
std::vector<UniverseBest> RepeatedUniverses(const CaptainsRecord& record, Difficulty difficulty);

}  // namespace kestravane
