#include "display/hunt_map.h"

#include <QFont>
#include <QPainter>

#include "display/surface.h"
#include "engine/end_of_game.h"
#include "support/catalogue.h"
#include "support/message_box.h"

namespace kestravane {

namespace {

using platform::Color;
using platform::Rect;

constexpr Color BackgroundColor{192, 192, 192};
constexpr Color FrameColor{128, 128, 128};
constexpr Color UnseenColor{0, 0, 0};
constexpr Color SeenColor{0, 0, 128};
constexpr Color MissedColor{128, 128, 128};
constexpr Color WordsColor{0, 0, 0};

// A quadrant is a cell of 16 pixels, half an icon's size, so that the nine
// sectors and the legend fit a small screen.
constexpr int QuadrantSize = 16;
constexpr int SectorSize = AxisLength * QuadrantSize;
constexpr int Margin = 8;
constexpr int LabelHeight = 16;
constexpr int Gap = 10;
constexpr int SectorsAcross = 3;
constexpr int TileWidth = SectorSize + 2;  // the sector within its frame
constexpr int TileHeight = LabelHeight + SectorSize + 2;
constexpr int LegendLeft = Margin + SectorsAcross * TileWidth + (SectorsAcross - 1) * Gap + 2 * Margin;
constexpr int LegendWidth = 230;
constexpr int LegendLine = 20;
constexpr int MapWidth = LegendLeft + LegendWidth + Margin;
constexpr int MapHeight = 2 * Margin + 3 * TileHeight + 2 * Gap;

// What the map shows of one quadrant.
struct QuadrantMark {
  bool seen = false;
  bool destroyed = false;
  bool survived = false;
  bool missed = false;
};

bool Seen(const ScanLog& log, int z, int y, int x) {
  return LoggedScan(log, ScanAxis::Z, z).Scanned || LoggedScan(log, ScanAxis::Y, y).Scanned ||
         LoggedScan(log, ScanAxis::X, x).Scanned;
}

QuadrantMark MarkOf(const QuadrantGrid& grid, const ScanLog& log, bool over, int z, int y, int x) {
  const int i = QuadrantIndex(z, y, x);
  const bool enemy = grid.Enemy[i] != 0;
  const bool struck = grid.Struck[i] != 0;
  return {Seen(log, z, y, x), enemy && struck, enemy && !struck && over, struck && !enemy};
}

// The icons at half size: every other pixel of every other row of the icon
// drawn over the cell's colour, so that no smoothing blurs them.
class HalfIcons {
 public:
  explicit HalfIcons(platform::PictureStore& pictures) : pictures_(pictures) {}

  void Draw(Surface& surface, Icon id, Color under, int left, int top) {
    const auto picture = pictures_.Icon(Id(id));
    if (!picture) {
      ErrorBox(Text::IconFailed, "DrawHuntMap", Id(id), picture.error());
      return;
    }
    Surface full((*picture)->Width(), (*picture)->Height());
    FillRect(full, {0, 0, full.image().width(), full.image().height()}, under);
    DrawPicture(full, **picture, 0, 0);
    for (int row = 0; row < QuadrantSize; ++row)
      for (int column = 0; column < QuadrantSize; ++column)
        surface.image().setPixel(left + column, top + row, full.image().pixel(2 * column, 2 * row));
  }

 private:
  platform::PictureStore& pictures_;
};

void DrawQuadrant(Surface& surface, HalfIcons& icons, const QuadrantMark& mark, int left, int top) {
  const Color under = mark.seen ? SeenColor : UnseenColor;
  FillRect(surface, {left, top, left + QuadrantSize, top + QuadrantSize}, under);
  if (mark.destroyed) icons.Draw(surface, Icon::DestroyedShip, under, left, top);
  if (mark.survived) icons.Draw(surface, Icon::LiveShip, under, left, top);
  if (mark.missed)
    FrameRect(surface, {left + 1, top + 1, left + QuadrantSize - 1, top + QuadrantSize - 1}, MissedColor);
}

QPoint SectorCorner(int z) {
  const int across = z % SectorsAcross, down = z / SectorsAcross;
  return {Margin + across * (TileWidth + Gap) + 1, Margin + down * (TileHeight + Gap) + LabelHeight + 1};
}

// The words in the game's face, unsmoothed, so that they stay in its colours.
QFont MapFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
  font.setPixelSize(11);
  return font;
}

struct Tally {
  int ships = 0;
  int hits = 0;
  int misses = 0;
};

Tally Count(const QuadrantGrid& grid) {
  Tally tally;
  for (int i = 0; i < QuadrantCount; ++i) {
    tally.ships += grid.Enemy[i] != 0;
    tally.hits += grid.Enemy[i] && grid.Struck[i];
    tally.misses += !grid.Enemy[i] && grid.Struck[i];
  }
  return tally;
}

void DrawLegend(Surface& surface, QPainter& painter, HalfIcons& icons, const QuadrantGrid& grid, bool over) {
  struct Entry {
    QuadrantMark mark;
    Text words;
  };
  const Entry entries[] = {
      {{true, true, false, false}, Text::HuntMapDestroyed}, {{true, false, true, false}, Text::HuntMapSurvived},
      {{true, false, false, true}, Text::HuntMapMissed},    {{true, false, false, false}, Text::HuntMapSeen},
      {{false, false, false, false}, Text::HuntMapUnseen},
  };
  int top = Margin + LabelHeight + 1;
  for (const Entry& entry : entries) {
    DrawQuadrant(surface, icons, entry.mark, LegendLeft, top);
    painter.drawText(QRect(LegendLeft + QuadrantSize + 6, top, LegendWidth - QuadrantSize - 6, QuadrantSize),
                     Qt::AlignVCenter, Tr(entry.words));
    top += LegendLine;
  }
  const Tally tally = Count(grid);
  const QString notes[] = {Tr(Text::HuntMapAxes), Tr(Text::HuntMapTally, tally.hits, tally.ships),
                           Tr(Text::HuntMapShots, tally.hits, tally.misses),
                           Tr(over ? Text::HuntMapOver : Text::HuntMapInPlay)};
  for (const QString& note : notes) {
    top += LegendLine / 2;
    const QRect area(LegendLeft, top, LegendWidth, MapHeight - top);
    painter.drawText(area, Qt::TextWordWrap, note);
    top += painter.boundingRect(area, Qt::TextWordWrap, note).height();
  }
}

}  // namespace

QImage DrawHuntMap(const QuadrantGrid& grid, const ScanLog& log, const GameState& state,
                   platform::PictureStore& pictures) {
  Surface surface(MapWidth, MapHeight);
  FillRect(surface, {0, 0, MapWidth, MapHeight}, BackgroundColor);
  HalfIcons icons(pictures);
  const bool over = HuntOver(state);
  QPainter painter(&surface.image());
  painter.setFont(MapFont());
  painter.setPen(QColor(WordsColor.red, WordsColor.green, WordsColor.blue));
  for (int z = 0; z < AxisLength; ++z) {
    const QPoint corner = SectorCorner(z);
    painter.drawText(QRect(corner.x(), corner.y() - LabelHeight - 1, SectorSize, LabelHeight), Qt::AlignVCenter,
                     Tr(Text::HuntMapSector, z));
    FrameRect(surface, {corner.x() - 1, corner.y() - 1, corner.x() + SectorSize + 1, corner.y() + SectorSize + 1},
              FrameColor);
    for (int y = 0; y < AxisLength; ++y)
      for (int x = 0; x < AxisLength; ++x)
        DrawQuadrant(surface, icons, MarkOf(grid, log, over, z, y, x), corner.x() + x * QuadrantSize,
                     corner.y() + y * QuadrantSize);
  }
  DrawLegend(surface, painter, icons, grid, over);
  painter.end();
  return surface.image();
}

QStringList HuntMapSectorNames(const QuadrantGrid& grid, const ScanLog& log, const GameState& state) {
  const bool over = HuntOver(state);
  const QString placeJoin = Tr(Text::HuntMapPlaceJoin);
  QStringList names;
  for (int z = 0; z < AxisLength; ++z) {
    QStringList destroyed, survived;
    int hits = 0, misses = 0, seen = 0;
    for (int y = 0; y < AxisLength; ++y) {
      for (int x = 0; x < AxisLength; ++x) {
        const QuadrantMark mark = MarkOf(grid, log, over, z, y, x);
        if (mark.destroyed) destroyed << Tr(Text::HuntMapPlace, y, x);
        if (mark.survived) survived << Tr(Text::HuntMapPlace, y, x);
        hits += mark.destroyed;
        misses += mark.missed;
        seen += mark.seen;
      }
    }
    QStringList parts;
    parts << (destroyed.isEmpty() ? Tr(Text::HuntMapNoneDestroyed)
                                  : Tr(Text::HuntMapDestroyedAt, static_cast<int>(destroyed.size()),
                                       destroyed.join(placeJoin).toStdString()));
    if (!survived.isEmpty())
      parts << Tr(Text::HuntMapSurvivedAt, static_cast<int>(survived.size()), survived.join(placeJoin).toStdString());
    parts << Tr(Text::HuntMapShots, hits, misses) << Tr(Text::HuntMapScanned, seen);
    names << Tr(Text::HuntMapSectorName, z, parts.join(Tr(Text::HuntMapJoin)).toStdString());
  }
  return names;
}

}  // namespace kestravane
