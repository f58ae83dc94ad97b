#pragma once

#include "engine/outcome.h"
#include "engine/session.h"

namespace kestravane {

// The ways of looking at a game that sit on top of play: the scan axis, the
// pictures shown in place of the sector, and the diagnostics mode with
// scanner tracing and the gauges adjusted by hand.

// The scanner looks along `axis`.
Outcome SelectScanAxis(Session& session, ScanAxis axis);

// Picture `picture` (a help page) replaces the sector until any key or a
// left click.
Outcome ShowPicture(Session& session, ScannerPicture picture);

// The one way out of any picture, help page or end of game.
Outcome ResumeGame(Session& session);

// Diagnostics on or off. Either way no system stays selected and scanner
// tracing goes off. Diagnostics alone do not make a game assisted.
Outcome ToggleDiagnostics(Session& session);

// In diagnostics: every live enemy ship shows, or not. Turned on, it makes
// the game assisted.
Outcome ToggleTracing(Session& session);

// In diagnostics: the gauge the arrow keys adjust, the missiles' or the
// fuel's.
Outcome SelectSystem(Session& session, DiagnosticsSystem system);

// In diagnostics: the selected gauge one real unit up (`up`) or down. With
// no system selected the player is only answered "Commander ...". A gauge
// that moved makes the game assisted.
Outcome AdjustGauge(Session& session, bool up);

}  // namespace kestravane
