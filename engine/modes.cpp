#include "engine/modes.h"

namespace kestravane {

Outcome SelectScanAxis(Session& session, ScanAxis axis) {
  session.State.Axis = axis;
  return {};
}

Outcome ShowPicture(Session& session, ScannerPicture picture) {
  session.Picture = picture;
  Outcome outcome;
  outcome.Post(Text::PressAnyKey);
  outcome.ShipButtons = false;
  return outcome;
}

Outcome ResumeGame(Session& session) {
  session.Picture = ScannerPicture::None;
  Outcome outcome;
  outcome.Post(Text::Resuming);
  outcome.ShipButtons = session.InProgress;
  return outcome;
}

namespace {

// The first help the player takes keeps the game out of the best victories;
// the player is told so then, and only then.
void MarkAssisted(Session& session, Outcome& outcome) {
  if (session.History.Assisted) return;
  session.History.Assisted = true;
  outcome.Post(Text::AssistedGame);
}

}  // namespace

Outcome ToggleDiagnostics(Session& session) {
  session.Diagnostics = !session.Diagnostics;
  session.SelectedSystem = DiagnosticsSystem::None;
  session.ScannerTracing = false;
  Outcome outcome;
  outcome.Post(session.Diagnostics ? Text::DiagnosticsOn : Text::DiagnosticsOff);
  return outcome;
}

Outcome ToggleTracing(Session& session) {
  session.ScannerTracing = !session.ScannerTracing;
  Outcome outcome;
  outcome.Post(session.ScannerTracing ? Text::TracingOn : Text::TracingOff);
  if (session.ScannerTracing) MarkAssisted(session, outcome);
  return outcome;
}

Outcome SelectSystem(Session& session, DiagnosticsSystem system) {
  session.SelectedSystem = system;
  Outcome outcome;
  outcome.Post(system == DiagnosticsSystem::Missiles ? Text::WeaponsSelected : Text::EnginesSelected);
  return outcome;
}

Outcome AdjustGauge(Session& session, bool up) {
  Outcome outcome;
  const DiagnosticsSystem system = session.SelectedSystem;
  if (system != DiagnosticsSystem::Missiles && system != DiagnosticsSystem::Fuel) {
    outcome.Post(Text::Commander);
    return outcome;
  }
  const bool missiles = system == DiagnosticsSystem::Missiles;
  Gauge& gauge = missiles ? session.State.Missiles : session.State.Fuel;
  if (up ? GaugeUp(gauge) : GaugeDown(gauge)) {
    outcome.Post(up ? (missiles ? Text::MissilesIncreasing : Text::FuelIncreasing)
                    : (missiles ? Text::MissilesDecreasing : Text::FuelDecreasing));
    MarkAssisted(session, outcome);
  } else {
    outcome.Post(up ? (missiles ? Text::MissilesAtMaximum : Text::FuelAtMaximum)
                    : (missiles ? Text::MissilesAtMinimum : Text::FuelAtMinimum));
  }
  return outcome;
}

}  // namespace kestravane
