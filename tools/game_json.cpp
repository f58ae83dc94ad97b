#include "tools/game_json.h"

namespace kestravane {

namespace {

nlohmann::ordered_json Layer(const std::int32_t (&values)[QuadrantCount]) {
  nlohmann::ordered_json layer = nlohmann::ordered_json::array();
  for (const std::int32_t value : values) layer.push_back(value);
  return layer;
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
  game["history"] = {{"missiles_fired", history.MissilesFired}, {"fuel_used", history.FuelUsed},
                     {"seconds_played", history.SecondsPlayed}, {"diagnostics", history.DiagnosticsUsed},
                     {"recorded", history.Recorded}};
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

}  // namespace kestravane
