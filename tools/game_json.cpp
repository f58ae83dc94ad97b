#include "tools/game_json.h"

#include <chrono>
#include <cstdio>

#include "document/captains_record_file.h"

namespace kestravane {

namespace {

nlohmann::ordered_json Layer(const std::int32_t (&values)[QuadrantCount]) {
  nlohmann::ordered_json layer = nlohmann::ordered_json::array();
  for (const std::int32_t value : values) layer.push_back(value);
  return layer;
}

// ISO 8601 in its everyday form, which writes years 1 to 9999 only: a time
// outside them, which no game ended at, is null.
nlohmann::ordered_json UtcDateTime(std::int64_t secondsSince1970) {
  constexpr std::int64_t FirstSecond = -62135596800, LastSecond = 253402300799;
  if (secondsSince1970 < FirstSecond || secondsSince1970 > LastSecond) return nullptr;
  using namespace std::chrono;
  const sys_seconds moment{seconds(secondsSince1970)};
  const sys_days day = floor<days>(moment);
  const year_month_day date(day);
  const hh_mm_ss time(moment - day);
  char text[64];  // more than the compiler can prove the fields need
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                static_cast<int>(time.seconds().count()));
  return text;
}

}  // namespace

nlohmann::ordered_json GameToJson(const Session& session) {
  const GameState& state = session.State;
  const QuadrantGrid& grid = session.Grid;
  const GameHistory& history = session.History;
  nlohmann::ordered_json game;
  game["enemy_ships"] = state.EnemyShips;
  game["ships_destroyed"] = state.ShipsDestroyed;
  game["z"] = state.Z;
  game["y"] = state.Y;
  game["x"] = state.X;
  // As the game numbers them, like the document does.
  game["scan_axis"] = static_cast<std::int32_t>(state.Axis);
  game["difficulty"] = static_cast<std::int32_t>(state.Difficulty);
  game["fuel"] = state.Fuel.Value;
  game["missiles"] = state.Missiles.Value;
  game["fuel_maximum"] = state.Fuel.Maximum;
  game["missiles_maximum"] = state.Missiles.Maximum;
  // Null for a document from before the game kept its history.
  game["universe"] = history.Universe ? nlohmann::ordered_json(*history.Universe) : nullptr;
  game["history"] = {
      {"missiles_fired", history.MissilesFired},
      {"fuel_used", history.FuelUsed},
      {"seconds_played", history.SecondsPlayed},
      {"diagnostics", history.Assisted},
      {"recorded", history.Recorded},
      {"ended", history.Ended ? nlohmann::ordered_json(history.Ended == GameEnd::Won ? "won" : "lost") : nullptr}};
  game["star_icon"] = Layer(grid.StarIcon);
  game["struck"] = Layer(grid.Struck);
  game["enemy"] = Layer(grid.Enemy);
  auto& scans = game["scan_log"] = nlohmann::ordered_json::array();
  for (const SectorScan& scan : session.Log.Sector) {
    scans.push_back({{"scanned", scan.Scanned},
                     {"ships", scan.Ships},
                     {"destroyed", scan.Destroyed},
                     {"remaining", scan.Remaining}});
  }
  return game;
}

// The file's own text read back, so that its keys and their order stay as
// the file has them.
std::string CaptainsRecordWithDates(const CaptainsRecord& record) {
  nlohmann::ordered_json json = nlohmann::ordered_json::parse(CaptainsRecordJson(record));
  nlohmann::ordered_json& games = json["games"];
  for (std::size_t index = 0; index < games.size(); ++index) {
    nlohmann::ordered_json dated;
    for (const auto& [key, value] : games[index].items()) {
      dated[key] = value;
      if (key == "ended") dated["ended_utc"] = UtcDateTime(record.Entries[index].EndedAt);
    }
    games[index] = std::move(dated);
  }
  return json.dump(2) + '\n';
}

}  // namespace kestravane
