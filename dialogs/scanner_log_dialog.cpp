#include "dialogs/scanner_log_dialog.h"

#include <optional>
#include <string>

#include "dialogs/dialog_placement.h"
#include "dialogs/scan_log_lines.h"
#include "dialogs/scanner_log_layout.h"
#include "engine/game_state.h"
#include "platform/dialog.h"
#include "support/catalogue.h"

namespace {

constexpr int FirstAxisButton = Id(ScannerLogItem::ZAxis);
constexpr int LastAxisButton = Id(ScannerLogItem::XAxis);
constexpr int List = Id(ScannerLogItem::Sectors);

class ScannerLogEvents final : public platform::DialogEvents {
 public:
  ScannerLogEvents(platform::Window* owner, const ScanLog& log, int scanAxis, Placement& placement)
      : owner_(owner), log_(log), scanAxis_(scanAxis), placement_(placement) {}

  bool Initialise(platform::Window* dialog) override {
    // An axis out of range checks no button and lists the Z axis.
    platform::CheckRadioButton(dialog, FirstAxisButton, LastAxisButton, FirstAxisButton + scanAxis_);
    Fill(dialog, scanAxis_ == ScanY || scanAxis_ == ScanX ? scanAxis_ : ScanZ);
    PlaceDialog(dialog, owner_, placement_);
    // The arrow keys scroll the log at once; Enter still closes it.
    platform::FocusItem(dialog, List);
    return false;
  }

  void Command(platform::Window* dialog, int id, int) override {
    if (id >= FirstAxisButton && id <= LastAxisButton) {
      platform::CheckRadioButton(dialog, FirstAxisButton, LastAxisButton, id);
      Fill(dialog, id - FirstAxisButton);
    } else if (id == Id(DialogButton::Confirm) || id == Id(DialogButton::Cancel)) {
      EndPlacedDialog(dialog, placement_, 1);
    }
  }

 private:
  // A line whose text cannot be loaded stays blank; the catalogue has
  // already said why.
  void Fill(platform::Window* dialog, int axis) {
    platform::ClearList(dialog, List);
    for (const Message& line : ScanLogLines(log_, axis))
      platform::AddListLine(dialog, List, CatalogueLine(line).value_or(std::string()).c_str());
    platform::SelectListLine(dialog, List, 0);
  }

  platform::Window* owner_;
  const ScanLog& log_;
  int scanAxis_;
  Placement& placement_;
};

}  // namespace

void RunScannerLogDialog(platform::Window* owner, const ScanLog& log, int scanAxis, Placement& placement) {
  ScannerLogEvents events(owner, log, scanAxis, placement);
  platform::RunDialog(owner, scanner_log_layout::Layout, &events);
}
