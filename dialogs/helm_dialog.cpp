#include "dialogs/helm_dialog.h"

#include <array>

#include "dialogs/coordinate_field.h"
#include "dialogs/dialog_placement.h"
#include "dialogs/helm_layout.h"
#include "platform/dialog.h"
#include "platform/window.h"

namespace {

constexpr int FirstAxisButton = Id(HelmItem::ZAxis);
constexpr int LastAxisButton = Id(HelmItem::XAxis);

struct AxisButton {
  HelmItem button;
  ScanAxis axis;
};

constexpr AxisButton AxisButtons[] = {
    {HelmItem::ZAxis, ScanAxis::Z}, {HelmItem::YAxis, ScanAxis::Y}, {HelmItem::XAxis, ScanAxis::X}};

class HelmEvents final : public platform::DialogEvents {
 public:
  HelmEvents(platform::Window* owner, const GameState& state, Placement& placement)
      : owner_(owner), placement_(placement), orders_{{state.Z, state.Y, state.X}, state.Axis} {}

  const HelmOrders& orders() const { return orders_; }

  bool Initialise(platform::Window* dialog) override {
    for (const auto& [field, coordinate] : Fields()) platform::SetItemInt(dialog, field.item, *coordinate, true);
    for (const AxisButton& axis : AxisButtons) platform::CheckButton(dialog, Id(axis.button), orders_.Axis == axis.axis);
    PlaceDialog(dialog, owner_, placement_);
    platform::FocusItem(dialog, Id(HelmItem::ZField));
    return false;
  }

  void Command(platform::Window* dialog, int id, int) override {
    if (id >= FirstAxisButton && id <= LastAxisButton) {
      platform::CheckRadioButton(dialog, FirstAxisButton, LastAxisButton, id);
    } else if (id == Id(DialogButton::Confirm)) {
      if (Validate(dialog)) EndPlacedDialog(dialog, placement_, 1);
    } else if (id == Id(DialogButton::Cancel)) {
      EndPlacedDialog(dialog, placement_, 0);
    }
  }

 private:
  struct FieldOf {
    CoordinateField field;
    int* coordinate;
  };

  std::array<FieldOf, 3> Fields() {
    Quadrant& to = orders_.Destination;
    return {{{{Id(HelmItem::ZField), "Z"}, &to.Z}, {{Id(HelmItem::YField), "Y"}, &to.Y}, {{Id(HelmItem::XField), "X"}, &to.X}}};
  }

  // Field by field: a coordinate accepted before a refused one is kept for
  // the next try. An empty or unreadable field counts as 0.
  bool Validate(platform::Window* dialog) {
    for (const auto& [field, coordinate] : Fields()) {
      const int value = platform::ItemInt(dialog, field.item, true).value_or(0);
      if (value < 0 || value > AxisLength - 1) {
        RefuseCoordinate(dialog, field, *coordinate, Text::HelmCoordinateRange);
        return false;
      }
      *coordinate = value;
    }
    for (const AxisButton& axis : AxisButtons)
      if (platform::ButtonChecked(dialog, Id(axis.button))) orders_.Axis = axis.axis;
    return true;
  }

  platform::Window* owner_;
  Placement& placement_;
  HelmOrders orders_;
};

}  // namespace

std::optional<HelmOrders> RunHelmDialog(QWidget* ownerWidget, const GameState& state, Placement& placement) {
  platform::Window* owner = platform::OwnerWindow(ownerWidget);
  HelmEvents events(owner, state, placement);
  if (platform::RunDialog(owner, helm_layout::Layout, &events) == 0) return std::nullopt;
  return events.orders();
}
