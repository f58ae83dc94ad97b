#include "engine/modes.h"

namespace kestravane {

namespace {

Text OnOff(bool on) { return on ? Text::On : Text::Off; }

}  // namespace

Outcome SelectScanAxis(Session& session, ScanAxis axis) {
  session.State.Axis = axis;
  Outcome outcome;
  outcome.Invalidate(Area::Window);
  return outcome;
}

Outcome ShowPicture(Session& session, ScannerPicture picture) {
  session.Picture = picture;
  Outcome outcome;
  outcome.Invalidate(Area::ScannerView);
  outcome.Post(Text::PressAnyKey);
  outcome.ShipButtons = false;
  return outcome;
}

Outcome ResumeGame(Session& session) {
  session.Picture = ScannerPicture::None;
  Outcome outcome;
  outcome.Invalidate(Area::ScannerView);
  outcome.Post(Text::Resuming);
  outcome.ShipButtons = session.InProgress;
  return outcome;
}

Outcome ToggleDiagnostics(Session& session) {
  session.Diagnostics = !session.Diagnostics;
  if (session.Diagnostics) session.History.DiagnosticsUsed = true;
  session.SelectedSystem = DiagnosticsSystem::None;
  Outcome outcome;
  outcome.Post(Text::DiagnosticsTurned, OnOff(session.Diagnostics));
  if (session.ScannerTracing) {
    session.ScannerTracing = false;
    outcome.Invalidate(Area::Window);
  }
  return outcome;
}

Outcome ToggleTracing(Session& session) {
  session.ScannerTracing = !session.ScannerTracing;
  Outcome outcome;
  outcome.Post(Text::TracingTurned, OnOff(session.ScannerTracing));
  outcome.Invalidate(Area::Window);
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
  Gauge& gauge = system == DiagnosticsSystem::Missiles ? session.State.Missiles : session.State.Fuel;
  const Text name = system == DiagnosticsSystem::Missiles ? Text::MissileName : Text::FuelName;
  if (up ? GaugeUp(gauge) : GaugeDown(gauge)) {
    outcome.Post(up ? Text::Increasing : Text::Decreasing, name);
    outcome.Invalidate(system == DiagnosticsSystem::Missiles ? Area::WeaponsPanel : Area::EnginesPanel);
  } else {
    outcome.Post(up ? Text::AtMaximum : Text::AtMinimum, name);
  }
  return outcome;
}

}  // namespace kestravane
