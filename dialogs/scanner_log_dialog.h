#pragma once

#include "dialogs/dialog_placement.h"
#include "engine/scan_log.h"

class QButtonGroup;
class QListWidget;

namespace kestravane {

// View > Scanner Log: what the scanner recorded of the nine sectors along one
// axis, the scanner's own at first and the others at the player's choice,
// which leaves the scanner's axis alone.
class ScannerLogDialog : public PlacedDialog {
 public:
  ScannerLogDialog(QWidget* owner, const ScanLog& log, ScanAxis scanAxis, Placement& placement);

 private:
  void Fill(ScanAxis axis);

  const ScanLog& log_;
  QListWidget* sectors_;
  QButtonGroup* axes_;
};

// Runs the Scanner Log dialog over `owner` for the sectors along `scanAxis`.
// The dialog opens where `placement` says and leaves its place there when it
// closes.
void RunScannerLogDialog(QWidget* owner, const ScanLog& log, ScanAxis scanAxis, Placement& placement);

}  // namespace kestravane
