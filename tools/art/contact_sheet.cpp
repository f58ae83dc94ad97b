#include "contact_sheet.h"

#include <QPainter>
#include <algorithm>

#include "fonts.h"

namespace kestravane::art {
namespace {

constexpr int Scale = 2;
constexpr int Gap = 12;
constexpr int LabelHeight = 16;
constexpr int StarColumns = 20;
// The named icons get wider cells than the star fields, for their captions.
constexpr int NamedCell = 134;
constexpr int SheetWidth = StarColumns * (32 * Scale + Gap) + Gap;

const QColor SheetColour(56, 56, 64);
// A checkerboard behind the icons makes their clear parts visible.
const QColor CheckerLight(170, 170, 170);
const QColor CheckerDark(120, 120, 120);

void DrawChecker(QPainter& painter, QRect area) {
  for (int y = area.top(); y <= area.bottom(); y += 8) {
    for (int x = area.left(); x <= area.right(); x += 8) {
      const bool light = ((x - area.left()) / 8 + (y - area.top()) / 8) % 2 == 0;
      painter.fillRect(QRect(x, y, 8, 8).intersected(area), light ? CheckerLight : CheckerDark);
    }
  }
}

void DrawLabel(QPainter& painter, const QRect& area, int labelWidth, const QString& label) {
  painter.setPen(Qt::white);
  painter.drawText(QRect(area.center().x() - labelWidth / 2, area.bottom() + 2, labelWidth, LabelHeight),
                   Qt::AlignHCenter | Qt::AlignTop, label);
}

void DrawItem(QPainter& painter, const Picture& picture, int left, int top, int labelWidth) {
  const QImage image = ToQImage(picture.image);
  const QRect area(left, top, image.width() * Scale, image.height() * Scale);
  if (picture.image.HasMask()) DrawChecker(painter, area);
  painter.drawImage(area, image);
  QString label = QString::number(picture.id);
  if (!picture.label.empty()) label += QStringLiteral(" ") + QString::fromStdString(picture.label);
  DrawLabel(painter, area, labelWidth, label);
}

// The desktop's icons at their own size, where blur or a lost detail would
// show; the only pictures of the sheet not doubled.
void DrawDesktopIcons(QPainter& painter, const std::vector<DesktopPicture>& icons, int top) {
  int left = Gap;
  for (const DesktopPicture& icon : icons) {
    const int cell = std::max(icon.size, 64);
    const QRect area(left + (cell - icon.size) / 2, top, icon.size, icon.size);
    DrawChecker(painter, area);
    painter.drawImage(area, icon.image);
    const QString side = QString::number(icon.size);
    DrawLabel(painter, area, cell, side + QStringLiteral(" x ") + side);
    left += cell + Gap;
  }
}

}  // namespace

QImage ContactSheet(const ArtSet& set) {
  const int cell = 32 * Scale + Gap;
  int namedIcons = 0;
  for (const Picture& icon : set.icons) namedIcons += icon.label.empty() ? 0 : 1;
  const int starRows = (static_cast<int>(set.icons.size()) - namedIcons + StarColumns - 1) / StarColumns;
  const int iconRows = 1 + starRows;

  const int pictureColumns = 3;
  int tallest = 0;
  int widest = 0;
  for (const Picture& bitmap : set.bitmaps) {
    tallest = std::max(tallest, bitmap.image.height);
    widest = std::max(widest, bitmap.image.width);
  }
  const int pictureRows = (static_cast<int>(set.bitmaps.size()) + pictureColumns - 1) / pictureColumns;
  const int width = std::max(SheetWidth, pictureColumns * (widest * Scale + Gap) + Gap);
  int largestDesktopIcon = 0;
  for (const DesktopPicture& icon : set.desktopIcons) largestDesktopIcon = std::max(largestDesktopIcon, icon.size);
  const int picturesTop = Gap + iconRows * (cell + LabelHeight) + 2 * Gap;
  const int desktopTop = picturesTop + pictureRows * (tallest * Scale + LabelHeight + Gap) + Gap;
  const int height = desktopTop + largestDesktopIcon + LabelHeight + Gap;

  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(SheetColour);
  QPainter painter(&sheet);
  painter.setFont(SansFont(11));

  int column = 0;
  int row = 0;
  int namedColumn = 0;
  for (const Picture& icon : set.icons) {
    if (!icon.label.empty()) {
      DrawItem(painter, icon, Gap + 30 + namedColumn * NamedCell, Gap, NamedCell - 4);
      ++namedColumn;
      continue;
    }
    DrawItem(painter, icon, Gap + column * cell, Gap + (1 + row) * (cell + LabelHeight), cell);
    if (++column == StarColumns) {
      column = 0;
      ++row;
    }
  }

  int top = picturesTop;
  int left = Gap;
  int inRow = 0;
  for (const Picture& bitmap : set.bitmaps) {
    DrawItem(painter, bitmap, left, top, bitmap.image.width * Scale);
    left += widest * Scale + Gap;
    if (++inRow == pictureColumns) {
      inRow = 0;
      left = Gap;
      top += tallest * Scale + LabelHeight + Gap;
    }
  }
  DrawDesktopIcons(painter, set.desktopIcons, desktopTop);
  painter.end();
  return sheet;
}

}  // namespace kestravane::art
