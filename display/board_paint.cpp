#include "display/board_paint.h"

#include "display/main_layout.h"
#include "engine/gauge.h"
#include "engine/sector.h"
#include "support/catalogue.h"
#include "support/message_box.h"

namespace kestravane {

namespace {

using platform::Color;
using platform::Rect;

constexpr Color BackgroundColor{192, 192, 192};
constexpr Color ShadowColor{128, 128, 128};
constexpr Color LightColor{255, 255, 255};
constexpr Color GaugeColor{128, 128, 128};
constexpr Color MapDotColor{0, 0, 0};
constexpr Color MarkerColor{0, 0, 255};
constexpr Color SearchedColor{128, 128, 128};
// The pages' own black and the blue of their rules.
constexpr Color PageColor{0, 0, 0};
constexpr Color PageRuleColor{0, 0, 255};
constexpr int CellSize = 32;
constexpr int MarkerArm = 7;

// A sunken frame along the rectangle's edges: shadow at the top and left,
// light at the bottom and right.
void Draw3DFrame(Surface& surface, const Rect& r) {
  DrawLine(surface, r.right, r.top, r.left, r.top, ShadowColor);
  DrawLine(surface, r.left, r.top, r.left, r.bottom, ShadowColor);
  DrawLine(surface, r.left, r.bottom, r.right, r.bottom, LightColor);
  DrawLine(surface, r.right, r.bottom, r.right, r.top, LightColor);
}

// The etched line along the top of `r`, under the menu bar.
void DrawEtchedLine(Surface& surface, const Rect& r) {
  DrawLine(surface, r.left, r.top, r.right, r.top, ShadowColor);
  DrawLine(surface, r.left, r.top + 1, r.right, r.top + 1, LightColor);
  DrawLine(surface, r.right, r.top + 1, r.right, r.top - 1, LightColor);
}

// Draws a loaded picture, or names the routine and the resource in a box.
bool DrawLoaded(Surface& surface, const platform::Result<const platform::Picture*>& picture, const Rect& rect,
                Text failure, const char* routine, unsigned id) {
  if (!picture) return ErrorBox(failure, routine, id, picture.error());
  DrawPicture(surface, **picture, rect.left, rect.top);
  return true;
}

void DrawIcon(Surface& surface, platform::PictureStore& pictures, Icon id, const Rect& rect) {
  DrawLoaded(surface, pictures.Icon(Id(id)), rect, Text::IconFailed, "Draw_Icon", Id(id));
}

// The bar fills its frame less one pixel all round and one more at the left
// and top: in the gauge colour as far as the value reaches, in the window's
// background after that.
void DrawGauge(Surface& surface, const Rect& frame, const Gauge& gauge) {
  Draw3DFrame(surface, frame);
  const Rect bar{frame.left + 2, frame.top + 2, frame.right - 1, frame.bottom - 1};
  const int filledRight = bar.left + GaugeFill(gauge, bar.right - bar.left);
  FillRect(surface, {bar.left, bar.top, filledRight, bar.bottom}, GaugeColor);
  FillRect(surface, {filledRight, bar.top, frame.right - 1, bar.bottom}, BackgroundColor);
}

// Marks cell (column, row) of a map icon drawn at `icon`: its light 2 x 2
// square turns black.
void DrawMapDot(Surface& surface, const Rect& icon, int column, int row) {
  const int x = icon.left + 3 + 3 * column;
  const int y = icon.top + 3 + 3 * row;
  DrawLine(surface, x, y, x + 2, y, MapDotColor);
  DrawLine(surface, x, y + 1, x + 2, y + 1, MapDotColor);
}

QString Readout(const GameState& state) { return QStringLiteral("%1-%2-%3").arg(state.Z).arg(state.Y).arg(state.X); }

QChar AxisLetter(const GameState& state) {
  switch (EffectiveAxis(state)) {
    case ScanAxis::Y: return u'Y';
    case ScanAxis::X: return u'X';
    default: return u'Z';
  }
}

// The 81 cells composed off-screen and copied in one piece, so that the
// sector never flickers while redrawn, then the blue crosshair on the ship's
// cell. A struck quadrant without an enemy is framed in grey.
void DrawScanner(Surface& surface, platform::PictureStore& pictures, const Session& session) {
  const Rect& area = layout::ScannerArea;
  Surface grid(area.right - area.left, area.bottom - area.top);
  const GameState& state = session.State;
  for (int row = 0; row < AxisLength; ++row) {
    for (int column = 0; column < AxisLength; ++column) {
      const Rect cell{CellSize * column, CellSize * row, CellSize * (column + 1), CellSize * (row + 1)};
      const Quadrant quadrant = SectorQuadrant(state, row, column);
      DrawIcon(grid, pictures, CellIcon(session.Grid, quadrant, session.ScannerTracing), cell);
      if (SearchedEmpty(session.Grid, quadrant))
        FrameRect(grid, {cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1}, SearchedColor);
    }
  }
  CopySurface(grid, surface, area.left, area.top);
  const int cx = area.left + CellSize * ShipColumn(state) + CellSize / 2;
  const int cy = area.top + CellSize * ShipRow(state) + CellSize / 2;
  DrawLine(surface, cx - MarkerArm, cy, cx + MarkerArm, cy, MarkerColor, 2);
  DrawLine(surface, cx, cy - MarkerArm, cx, cy + MarkerArm, MarkerColor, 2);
}

// The page for `picture`. No picture means no game is open: the title page.
Bitmap PictureBitmap(ScannerPicture picture) {
  switch (picture) {
    case ScannerPicture::Rules: return Bitmap::GameRules;
    case ScannerPicture::Keys: return Bitmap::KeyboardShortcuts;
    case ScannerPicture::Mission: return Bitmap::MissionOrders;
    case ScannerPicture::Victory: return Bitmap::Victory;
    case ScannerPicture::Defeat: return Bitmap::Defeat;
    case ScannerPicture::None: break;
  }
  return Bitmap::TitlePage;
}

// The result's ground over the page's lower part, under a rule as the
// page's title has one.
void DrawResultPanel(Surface& surface) {
  const Rect& panel = layout::ResultPanel;
  FillRect(surface, panel, PageColor);
  const int left = layout::ResultLeft, right = panel.right - (left - panel.left);
  DrawLine(surface, left, panel.top + 2, right, panel.top + 2, PageRuleColor);
}

void DrawWeaponsPanel(Surface& surface, platform::PictureStore& pictures, BoardTexts& texts, const GameState& state) {
  Draw3DFrame(surface, layout::WeaponsPanel);
  DrawIcon(surface, pictures, Icon::Map, layout::WeaponsIcon);
  texts.WeaponsReadout = Readout(state);
  DrawMapDot(surface, layout::WeaponsIcon, ShipColumn(state), ShipRow(state));
  DrawGauge(surface, layout::MissileGauge, state.Missiles);
  texts.MissileCount = QString::number(state.Missiles.Value);
}

void DrawEnginesPanel(Surface& surface, platform::PictureStore& pictures, BoardTexts& texts, const GameState& state) {
  Draw3DFrame(surface, layout::EnginesPanel);
  DrawIcon(surface, pictures, Icon::Engines, layout::EnginesIcon);
  texts.EnginesReadout = Readout(state);
  DrawGauge(surface, layout::FuelGauge, state.Fuel);
  texts.FuelCount = QString::number(state.Fuel.Value);
}

// The map marks the sector's destroyed ships, and its live ones while the
// scanner traces them; the program's own icon stands in for the quadrant's
// picture while no game is open.
void DrawScannerPanel(Surface& surface, platform::PictureStore& pictures, BoardTexts& texts, const Session& session) {
  const GameState& state = session.State;
  Draw3DFrame(surface, layout::ScannerPanel);
  DrawIcon(surface, pictures, Icon::Map, layout::ScannerIcon);
  texts.ScannerReadout = Readout(state);
  for (int row = 0; row < AxisLength; ++row)
    for (int column = 0; column < AxisLength; ++column)
      if (ShipShown(session.Grid, SectorQuadrant(state, row, column), session.ScannerTracing))
        DrawMapDot(surface, layout::ScannerIcon, column, row);
  DrawIcon(surface, pictures,
           session.InProgress ? CellIcon(session.Grid, ShipQuadrant(state), session.ScannerTracing) : Icon::Program,
           layout::QuadrantIcon);

  const ScoreFigures figures = MakeScoreFigures(session.Grid, state);
  texts.SectorShips = Tr(figures.SectorShips);
  texts.SectorDestroyed = Tr(figures.SectorDestroyed);
  texts.SectorRemaining = Tr(figures.SectorRemaining);
  texts.ShipsRemaining = Tr(figures.ShipsRemaining);
  // Before the first shot the line stands empty, a space wide.
  texts.KillRatio = figures.KillRatio ? Tr(*figures.KillRatio) : QStringLiteral(" ");
}

}  // namespace

BoardTexts PaintBoard(Surface& surface, const Session& session, platform::PictureStore& pictures) {
  BoardTexts texts;
  DrawEtchedLine(surface, {0, 0, ClientWidth, ClientHeight});
  Draw3DFrame(surface, layout::ScannerFrame);
  if (SectorShown(session)) {
    texts.ScanLabel = QStringLiteral(" %1: %2 ").arg(AxisLetter(session.State)).arg(SectorCoordinate(session.State));
    DrawScanner(surface, pictures, session);
  } else {
    DrawPicture(surface, pictures, PictureBitmap(session.Picture), layout::ScannerArea);
    texts.Result = ShownResult(session);
    if (texts.Result) DrawResultPanel(surface);
  }
  Draw3DFrame(surface, layout::StatusFrame);
  DrawWeaponsPanel(surface, pictures, texts, session.State);
  DrawEnginesPanel(surface, pictures, texts, session.State);
  DrawScannerPanel(surface, pictures, texts, session);
  return texts;
}

bool DrawPicture(Surface& surface, platform::PictureStore& pictures, Bitmap id, const platform::Rect& rect) {
  return DrawLoaded(surface, pictures.Bitmap(Id(id)), rect, Text::BitmapFailed, "DrawPicture", Id(id));
}

}  // namespace kestravane
