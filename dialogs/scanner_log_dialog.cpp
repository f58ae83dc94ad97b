#include "dialogs/scanner_log_dialog.h"

#include <optional>
#include <string>

#include "dialogs/dialog_placement.h"
#include "dialogs/scan_log_lines.h"
#include "dialogs/scanner_log_layout.h"
#include "engine/game_state.h"
#include "platform/dialog.h"
#include "platform/window.h"
#include "support/catalogue.h"

namespace {

constexpr int FirstAxisButton = Id(ScannerLogItem::ZAxis);
constexpr int LastAxisButton = Id(ScannerLogItem::XAxis);
constexpr int List = Id(ScannerLogItem::Sectors);

struct AxisButton {
  ScannerLogItem button;
  ScanAxis axis;
};

constexpr AxisButton AxisButtons[] = {{ScannerLogItem::ZAxis, ScanAxis::Z},
                                      {ScannerLogItem::YAxis, ScanAxis::Y},
                                      {ScannerLogItem::XAxis, ScanAxis::X}};

class ScannerLogEvents final : public platform::DialogEvents {
 public:
  ScannerLogEvents(platform::Window* owner, const ScanLog& log, ScanAxis scanAxis, Placement& placement)
      : owner_(owner), log_(log), scanAxis_(scanAxis), placement_(placement) {}

  bool Initialise(platform::Window* dialog) override {
    // An axis out of range checks no button and lists the Z axis.
    for (const AxisButton& axis : AxisButtons) platform::CheckButton(dialog, Id(axis.button), axis.axis == scanAxis_);
    Fill(dialog, scanAxis_ == ScanAxis::Y || scanAxis_ == ScanAxis::X ? scanAxis_ : ScanAxis::Z);
    PlaceDialog(dialog, owner_, placement_);
    // The arrow keys scroll the log at once; Enter still closes it.
    platform::FocusItem(dialog, List);
    return false;
  }

  void Command(platform::Window* dialog, int id, int) override {
    if (id >= FirstAxisButton && id <= LastAxisButton) {
      platform::CheckRadioButton(dialog, FirstAxisButton, LastAxisButton, id);
      for (const AxisButton& axis : AxisButtons)
        if (Id(axis.button) == id) Fill(dialog, axis.axis);
    } else if (id == Id(DialogButton::Confirm) || id == Id(DialogButton::Cancel)) {
      EndPlacedDialog(dialog, placement_, 1);
    }
  }

 private:
  // A line whose text cannot be loaded stays blank; the catalogue has
  // already said why.
  void Fill(platform::Window* dialog, ScanAxis axis) {
    platform::ClearList(dialog, List);
    for (const Message& line : ScanLogLines(log_, axis))
      platform::AddListLine(dialog, List, CatalogueLine(line).value_or(std::string()).c_str());
    platform::SelectListLine(dialog, List, 0);
  }

  platform::Window* owner_;
  const ScanLog& log_;
  ScanAxis scanAxis_;
  Placement& placement_;
};

}  // namespace

void RunScannerLogDialog(QWidget* ownerWidget, const ScanLog& log, ScanAxis scanAxis, Placement& placement) {
  platform::Window* owner = platform::OwnerWindow(ownerWidget);
  ScannerLogEvents events(owner, log, scanAxis, placement);
  platform::RunDialog(owner, scanner_log_layout::Layout, &events);
}
