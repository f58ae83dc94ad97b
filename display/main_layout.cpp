#include "display/main_layout.h"

#include "display/drawing.h"
#include "platform/controls.h"
#include "support/catalogue.h"
#include "support/message_box.h"

namespace {

using platform::Rect;
using namespace layout;

Rect At(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

struct ControlPlan {
  Control id;
  platform::ControlKind kind;
  const char* text;
  Rect place;
  bool disabled = false;
};

}  // namespace

Rect AreaRect(Area area) {
  switch (area) {
    case Area::Window: break;
    case Area::ScannerView: return ScannerArea;
    case Area::WeaponsPanel: return WeaponsPanel;
    case Area::EnginesPanel: return EnginesPanel;
    case Area::ScannerPanel: return ScannerPanel;
    case Area::QuadrantIcon: return QuadrantIcon;
  }
  return {0, 0, ClientWidth, ClientHeight};
}

Rect CellRect(Cell cell) {
  return At(ScannerArea.left + 32 * cell.Column, ScannerArea.top + 32 * cell.Row, 32, 32);
}

bool CreateChildWindows(platform::Window* window) {
  using platform::ControlKind;

  const std::string ready = CatalogueText(Text::Ready).value_or("");
  const Rect& status = StatusFrame;
  const Rect& scanner = ScannerFrame;
  const Rect& missiles = MissileGauge;
  const Rect& fuel = FuelGauge;
  const Rect& weapons = WeaponsPanel;
  const Rect& engines = EnginesPanel;
  const int figuresLeft = ScannerIcon.right + 15;

  const ControlPlan plan[] = {
      {Control::StatusLine, ControlKind::StatusLine, ready.c_str(),
       At(status.left + 2, status.top + 1, RectWidth(&status) - 6, 18)},
      {Control::ScanLabel, ControlKind::CentredLabel, "",
       At(status.left + 5, scanner.top - 15, RectWidth(&status) - 10, 13)},
      {Control::WeaponsTitle, ControlKind::Label, " Weapons", At(weapons.left, weapons.top - 15, 60, 13), true},
      {Control::WeaponsReadout, ControlKind::CentredLabel, "",
       At(WeaponsIcon.left, WeaponsIcon.bottom + 5, 32, 13)},
      {Control::MissilesLabel, ControlKind::Label, "Missiles", At(WeaponsIcon.right + 9, weapons.top + 10, 60, 13)},
      {Control::MissileCount, ControlKind::Label, "", At(missiles.right + 6, missiles.top + 1, 20, 13)},
      {Control::AimButton, ControlKind::PushButton, "&Aim", At(weapons.right - 80, missiles.bottom + 15, 32, 20)},
      {Control::FireButton, ControlKind::PushButton, "&Fire",
       At(weapons.right - 80 + 38, missiles.bottom + 15, 32, 20)},
      {Control::EnginesTitle, ControlKind::Label, " Engines", At(engines.left, engines.top - 15, 60, 13), true},
      {Control::EnginesReadout, ControlKind::CentredLabel, "",
       At(EnginesIcon.left, EnginesIcon.bottom + 15, 32, 13)},
      {Control::FuelLabel, ControlKind::Label, "Fuel", At(EnginesIcon.right + 9, engines.top + 10, 60, 13)},
      {Control::FuelCount, ControlKind::Label, "", At(fuel.right + 6, fuel.top + 1, 20, 13)},
      {Control::ReverseButton, ControlKind::PushButton, "<<<", At(engines.right - 80, fuel.bottom + 15, 32, 20)},
      {Control::EngageButton, ControlKind::PushButton, ">>>",
       At(engines.right - 80 + 38, fuel.bottom + 15, 32, 20)},
      {Control::ScannerTitle, ControlKind::Label, " Scanner",
       At(ScannerPanel.left, ScannerPanel.top - 15, 60, 13), true},
      {Control::ScannerReadout, ControlKind::CentredLabel, "",
       At(ScannerIcon.left, ScannerIcon.bottom + 5, 32, 13)},
      {Control::SectorShipsFigure, ControlKind::Label, "", At(figuresLeft, ScannerIcon.top - 5, 85, 13)},
      {Control::SectorDestroyedFigure, ControlKind::Label, "", At(figuresLeft, ScannerIcon.top - 5 + 15, 85, 13)},
      {Control::SectorRemainingFigure, ControlKind::Label, "", At(figuresLeft, ScannerIcon.top - 5 + 30, 85, 13)},
      {Control::ShipsRemainingFigure, ControlKind::Label, "",
       At(QuadrantIcon.right + 15, QuadrantIcon.top + 3, 85, 13)},
      {Control::KillRatioFigure, ControlKind::Label, "",
       At(QuadrantIcon.right + 15, QuadrantIcon.top + 3 + 15, 85, 13)},
  };

  for (const ControlPlan& control : plan) {
    const platform::Status made = platform::CreateControl(window, control.kind, Id(control.id), control.text,
                                                          control.place);
    if (!made) return WarningBox(window, Text::ProgramName, Text::ControlFailed, Id(control.id), made.error());
    if (control.disabled) platform::EnableControl(window, Id(control.id), false);
  }
  return true;
}

void EnableShipButtons(platform::Window* window, bool enable) {
  for (const Control id : {Control::AimButton, Control::FireButton, Control::ReverseButton, Control::EngageButton})
    platform::EnableControl(window, Id(id), enable);
  platform::InvalidateRect(window, nullptr);
}
