#pragma once

#include "engine/game_state.h"
#include "engine/scan_log.h"
#include "support/placement.h"

class QWidget;

// Runs the Scanner Log dialog over `owner`: the log's record of the sectors
// along `scanAxis`, and along the other axes at the player's choice, which
// leaves the scanner's own axis alone. The dialog opens where `placement`
// says and leaves its place there when it closes.
void RunScannerLogDialog(QWidget* owner, const ScanLog& log, ScanAxis scanAxis, Placement& placement);
