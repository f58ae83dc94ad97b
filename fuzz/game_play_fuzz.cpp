// Plays a game as the input says, through the game's own rules (scans, shots, moves, helm moves, gauges set in
// diagnostics, the level changed in Options), and saves it: the game must open every document it saves, exactly as
// saved. Then damages the saved bytes as the rest of the input says: whatever still opens must hold together.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <tuple>
#include <variant>

#include "document/byte_order.h"
#include "document_invariants.h"
#include "engine/generation.h"
#include "engine/modes.h"
#include "engine/navigation.h"
#include "engine/sector.h"
#include "engine/targeting.h"
#include "engine/weapons.h"

using namespace kestravane;

namespace {

// The input's bytes, and zeros once they are used up.
struct Input : FuzzedDataProvider {
  using FuzzedDataProvider::FuzzedDataProvider;
  bool More() { return remaining_bytes() > 0; }
  std::uint8_t Byte() { return ConsumeIntegral<std::uint8_t>(); }
  std::uint16_t Word() { return ConsumeIntegral<std::uint16_t>(); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(data, size);
  Session session;
  session.Random.Seed(input.Word());
  session.State.Difficulty = Difficulty(input.Byte() % 3 + 1);
  GenerateGame(session);
  GameState& state = session.State;
  for (int actions = input.Byte(); actions > 0 && input.More(); --actions) {
    switch (input.Byte() % 6) {
      case 0: SelectScanAxis(session, ScanAxis(input.Byte() % 3)); break;
      case 1:  // aim within the sector, fire
        Retarget(session, {input.Byte() % 9, input.Byte() % 9});
        FireMissile(session);
        break;
      case 2:  // the helm
        std::tie(state.Z, state.Y, state.X) = std::tuple{input.Byte() % 9, input.Byte() % 9, input.Byte() % 9};
        MoveShip(session);
        break;
      case 3: input.Byte() & 1 ? EngageEngines(session) : ReverseEngines(session); break;
      case 4:  // the gauges set by hand in diagnostics
        state.Fuel.Value = input.Word() % (state.Fuel.Maximum + 1);
        state.Missiles.Value = input.Word() % (state.Missiles.Maximum + 1);
        break;
      // Options takes the new level at once; the gauges stay as they are.
      default: state.Difficulty = Difficulty(input.Byte() % 3 + 1); break;
    }
    // Any key or click takes a picture off the scanner; the next paint records the sector on it.
    ResumeGame(session);
    RecordSectorScan(session.Grid, state, session.Log);
  }

  GameFileBytes bytes = EncodeGameFile(session);
  const auto saved = DecodeGameFile(bytes);
  Check(std::holds_alternative<LoadedGame>(saved));
  Session reopened;
  ApplyLoadedGame(std::get<LoadedGame>(saved), reopened);
  Check(EncodeGameFile(reopened) == bytes);

  while (input.More()) {
    const std::size_t offset = HeaderSize + input.Word() % (GameFileSize - HeaderSize - 3);
    std::int32_t value = input.Byte() % 4 - 1;  // mostly the values the checks look at
    if (input.Byte() & 1) value = static_cast<std::int32_t>(input.Word() | input.Word() << 16);
    PutI32(&bytes[offset], value);
  }
  CheckAccepted(bytes);
  return 0;
}
