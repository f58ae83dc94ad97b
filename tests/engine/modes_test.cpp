#include "engine/modes.h"

#include <gtest/gtest.h>

#include "engine/game_flow.h"

using namespace kestravane;

namespace {

class ModesTest : public ::testing::Test {
 protected:
  Session session;

  void SetUp() override {
    session.State.Difficulty = Difficulty::Normal;
    StartNewGame(session);
  }

  static std::vector<Message> Says(Message message) { return {std::move(message)}; }
};

}  // namespace

TEST_F(ModesTest, EachAxisRedrawsTheWholeWindow) {
  for (const ScanAxis axis : {ScanAxis::X, ScanAxis::Y, ScanAxis::Z}) {
    const Outcome outcome = SelectScanAxis(session, axis);
    EXPECT_EQ(session.State.Axis, axis);
    EXPECT_EQ(outcome.Invalidated, std::vector<Area>{Area::Window});
    EXPECT_TRUE(outcome.Messages.empty());
  }
}

TEST_F(ModesTest, APictureTakesTheButtonsAwayUntilTheGameResumes) {
  Outcome shown = ShowPicture(session, ScannerPicture::Mission);
  EXPECT_EQ(session.Picture, ScannerPicture::Mission);
  EXPECT_EQ(shown.Messages, Says(MakeMessage(Text::PressAnyKey)));
  EXPECT_EQ(shown.Invalidated, std::vector<Area>{Area::ScannerView});
  EXPECT_EQ(shown.ShipButtons, false);

  Outcome resumed = ResumeGame(session);
  EXPECT_EQ(session.Picture, ScannerPicture::None);
  EXPECT_EQ(resumed.Messages, Says(MakeMessage(Text::Resuming)));
  EXPECT_EQ(resumed.Invalidated, std::vector<Area>{Area::ScannerView});
  EXPECT_EQ(resumed.ShipButtons, true);
}

TEST_F(ModesTest, DiagnosticsTwiceLeavesTracingOffAndNoSystemSelected) {
  Outcome on = ToggleDiagnostics(session);
  EXPECT_TRUE(session.Diagnostics);
  EXPECT_EQ(on.Messages, Says(MakeMessage(Text::DiagnosticsTurned, Text::On)));
  EXPECT_TRUE(on.Invalidated.empty()) << "tracing was off: nothing to redraw";

  ToggleTracing(session);
  SelectSystem(session, DiagnosticsSystem::Fuel);
  Outcome off = ToggleDiagnostics(session);
  EXPECT_FALSE(session.Diagnostics);
  EXPECT_FALSE(session.ScannerTracing);
  EXPECT_EQ(session.SelectedSystem, DiagnosticsSystem::None);
  EXPECT_EQ(off.Messages, Says(MakeMessage(Text::DiagnosticsTurned, Text::Off)));
  EXPECT_EQ(off.Invalidated, std::vector<Area>{Area::Window}) << "the traced ships must go";
}

TEST_F(ModesTest, TracingShowsTheShipsAndSaysSo) {
  Outcome on = ToggleTracing(session);
  EXPECT_TRUE(session.ScannerTracing);
  EXPECT_EQ(on.Messages, Says(MakeMessage(Text::TracingTurned, Text::On)));
  EXPECT_EQ(on.Invalidated, std::vector<Area>{Area::Window});
  EXPECT_EQ(ToggleTracing(session).Messages, Says(MakeMessage(Text::TracingTurned, Text::Off)));
}

TEST_F(ModesTest, WithoutASystemTheArrowsOnlyAnswer) {
  const GameState before = session.State;
  EXPECT_EQ(AdjustGauge(session, true).Messages, Says(MakeMessage(Text::Commander)));
  EXPECT_EQ(AdjustGauge(session, false).Messages, Says(MakeMessage(Text::Commander)));
  EXPECT_EQ(session.State.Missiles.Value, before.Missiles.Value);
  EXPECT_EQ(session.State.Fuel.Value, before.Fuel.Value);
}

TEST_F(ModesTest, TheMissileGaugeStopsAtItsMaximumWithItsOwnMessage) {
  EXPECT_EQ(SelectSystem(session, DiagnosticsSystem::Missiles).Messages, Says(MakeMessage(Text::WeaponsSelected)));
  session.State.Missiles.Value = 238;
  Outcome up = AdjustGauge(session, true);
  EXPECT_EQ(session.State.Missiles.Value, 239);
  EXPECT_EQ(up.Messages, Says(MakeMessage(Text::Increasing, Text::MissileName)));
  EXPECT_EQ(up.Invalidated, std::vector<Area>{Area::WeaponsPanel});
  AdjustGauge(session, true);
  Outcome full = AdjustGauge(session, true);
  EXPECT_EQ(session.State.Missiles.Value, 240);
  EXPECT_EQ(full.Messages, Says(MakeMessage(Text::AtMaximum, Text::MissileName)));
  EXPECT_TRUE(full.Invalidated.empty());
}

TEST_F(ModesTest, TheFuelGaugeStopsAtZero) {
  EXPECT_EQ(SelectSystem(session, DiagnosticsSystem::Fuel).Messages, Says(MakeMessage(Text::EnginesSelected)));
  session.State.Fuel.Value = 1;
  Outcome down = AdjustGauge(session, false);
  EXPECT_EQ(session.State.Fuel.Value, 0);
  EXPECT_EQ(down.Messages, Says(MakeMessage(Text::Decreasing, Text::FuelName)));
  EXPECT_EQ(down.Invalidated, std::vector<Area>{Area::EnginesPanel});
  EXPECT_EQ(AdjustGauge(session, false).Messages, Says(MakeMessage(Text::AtMinimum, Text::FuelName)));
  EXPECT_EQ(session.State.Fuel.Value, 0);
  EXPECT_EQ(session.State.Missiles.Value, 240) << "only the selected gauge moves";
}
