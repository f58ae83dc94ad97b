#include "display/main_layout.h"

#include <array>

#include "display/drawing.h"
#include "display/gauge_bar.h"
#include "document/document_commands.h"
#include "engine/commands.h"
#include "engine/globals.h"
#include "engine/ship_buttons.h"
#include "platform/controls.h"
#include "support/catalogue.h"
#include "support/message_box.h"

namespace {

constexpr std::uint32_t GaugeColor = 0x808080;  // RGB 128, 128, 128
constexpr unsigned ProgramName = 1000;
constexpr unsigned ChildWindowFailure = 60005;
constexpr unsigned ReadyText = 60000;

platform::Window* layoutWindow = nullptr;

void SwitchShipButtons(int enable) {
  if (!layoutWindow) return;
  for (const int id : {AimButton, FireButton, ReverseButton, EngageButton})
    platform::EnableControl(layoutWindow, id, enable != 0);
  platform::InvalidateRect(layoutWindow, nullptr);
}

void LayOutAreas(GameState& state) {
  state.ScannerFrame = {165, 20, 458, 313};
  state.ScannerArea = {168, 23, 456, 311};
  state.StatusFrame = {165, 320, 458, 340};
  state.WeaponsPanel = {10, 20, 155, 105};
  state.WeaponsIcon = {20, 32, 52, 64};
  state.EnginesPanel = {10, 125, 155, 210};
  state.EnginesIcon = {20, 137, 52, 169};
  state.ScannerPanel = {10, 230, 155, 340};
  state.ScannerIcon = {20, 240, 52, 272};
  state.QuadrantIcon = {20, 298, 52, 330};
}

// The bar sits under its label, at (left, top).
void SetUpGauge(Gauge& gauge, int left, int top, int maximum) {
  gauge.Frame = {left, top + 16, left + 64, top + 30};
  gauge.Minimum = 0;
  gauge.Maximum = maximum;
  gauge.Value = 0;
  gauge.Color = GaugeColor;
}

Rect At(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

struct ControlPlan {
  int id;
  platform::ControlKind kind;
  const char* text;
  Rect place;
  bool disabled = false;
};

}  // namespace

int CreateChildWindows(platform::Window* window, const AppSettings* settings) {
  using platform::ControlKind;

  Document = GameDocument{};
  Document.Path = settings->FileSpec.data();
  Game.Difficulty = settings->Difficulty;
  LayOutAreas(Game);

  const Rect& status = Game.StatusFrame;
  const Rect& scanner = Game.ScannerFrame;
  std::array<char, CatalogueTextSize> ready;
  if (GetString(ready, ReadyText) == 0) ready[0] = '\0';

  // The gauges are set up as their labels are placed, and the rows after
  // them are placed from the new frames.
  SetUpGauge(Game.Missiles, Game.WeaponsIcon.right + 9, Game.WeaponsPanel.top + 10,
             Game.Difficulty * 120);
  SetUpGauge(Game.Fuel, Game.EnginesIcon.right + 9, Game.EnginesPanel.top + 10,
             Game.Difficulty * 50);
  const Rect& missiles = Game.Missiles.Frame;
  const Rect& fuel = Game.Fuel.Frame;
  const Rect& weapons = Game.WeaponsPanel;
  const Rect& engines = Game.EnginesPanel;
  const Rect& scannerPanel = Game.ScannerPanel;
  const int figuresLeft = Game.ScannerIcon.right + 15;

  const ControlPlan plan[] = {
      {StatusLineControl, ControlKind::StatusLine, ready.data(),
       At(status.left + 2, status.top + 1, RectWidth(&status) - 6, 18)},
      {ScanLabel, ControlKind::CentredLabel, "",
       At(status.left + 5, scanner.top - 15, RectWidth(&status) - 10, 13)},
      {WeaponsTitle, ControlKind::Label, " Weapons", At(weapons.left, weapons.top - 15, 60, 13), true},
      {WeaponsReadout, ControlKind::CentredLabel, "",
       At(Game.WeaponsIcon.left, Game.WeaponsIcon.bottom + 5, 32, 13)},
      {MissilesLabel, ControlKind::Label, "Missiles",
       At(Game.WeaponsIcon.right + 9, weapons.top + 10, 60, 13)},
      {MissileCount, ControlKind::Label, "", At(missiles.right + 6, missiles.top + 1, 20, 13)},
      {AimButton, ControlKind::PushButton, "&Aim", At(weapons.right - 80, missiles.bottom + 15, 32, 20)},
      {FireButton, ControlKind::PushButton, "&Fire",
       At(weapons.right - 80 + 38, missiles.bottom + 15, 32, 20)},
      {EnginesTitle, ControlKind::Label, " Engines", At(engines.left, engines.top - 15, 60, 13), true},
      {EnginesReadout, ControlKind::CentredLabel, "",
       At(Game.EnginesIcon.left, Game.EnginesIcon.bottom + 15, 32, 13)},
      {FuelLabel, ControlKind::Label, "Fuel", At(Game.EnginesIcon.right + 9, engines.top + 10, 60, 13)},
      {FuelCount, ControlKind::Label, "", At(fuel.right + 6, fuel.top + 1, 20, 13)},
      {ReverseButton, ControlKind::PushButton, "<<<", At(engines.right - 80, fuel.bottom + 15, 32, 20)},
      {EngageButton, ControlKind::PushButton, ">>>",
       At(engines.right - 80 + 38, fuel.bottom + 15, 32, 20)},
      {ScannerTitle, ControlKind::Label, " Scanner",
       At(scannerPanel.left, scannerPanel.top - 15, 60, 13), true},
      {ScannerReadout, ControlKind::CentredLabel, "",
       At(Game.ScannerIcon.left, Game.ScannerIcon.bottom + 5, 32, 13)},
      {SectorShipsFigure, ControlKind::Label, "", At(figuresLeft, Game.ScannerIcon.top - 5, 85, 13)},
      {SectorDestroyedFigure, ControlKind::Label, "",
       At(figuresLeft, Game.ScannerIcon.top - 5 + 15, 85, 13)},
      {SectorRemainingFigure, ControlKind::Label, "",
       At(figuresLeft, Game.ScannerIcon.top - 5 + 30, 85, 13)},
      {ShipsRemainingFigure, ControlKind::Label, "",
       At(Game.QuadrantIcon.right + 15, Game.QuadrantIcon.top + 3, 85, 13)},
      {KillRatioFigure, ControlKind::Label, "",
       At(Game.QuadrantIcon.right + 15, Game.QuadrantIcon.top + 3 + 15, 85, 13)},
  };

  for (const ControlPlan& control : plan) {
    int error = 0;
    if (!platform::CreateControl(window, control.kind, control.id, control.text, control.place,
                                 error))
      return WarningBox(window, ProgramName, ChildWindowFailure, control.id, error);
    if (control.disabled) platform::EnableControl(window, control.id, false);
  }

  layoutWindow = window;
  SetShipButtonsSwitch(SwitchShipButtons);
  SetGaugePainter(DrawGaugeBar);
  CloseGame(window, Document, Grid, Game, Scans);
  UpdateMenus(window, Document);
  return 1;
}
