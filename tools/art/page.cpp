#include "page.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include "canvas.h"
#include "fonts.h"
#include "random.h"
#include "support/text_catalogue.h"

namespace kestravane::art {
namespace {


constexpr int Margin = 14;
constexpr int BodyTop = 62;
constexpr int BodySize = 12;
constexpr int LineHeight = 15;

// The star chart's box in the lower right corner.
constexpr int ChartLeft = 208;
constexpr int ChartTop = 214;
constexpr int ChartWidth = 72;
constexpr int ChartHeight = 66;

void DrawText(QImage& page, int x, int baseline, const QString& text, const QFont& font,
              Colour colour) {
  QPainter painter(&page);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setFont(font);
  painter.setPen(ToQColor(colour));
  painter.drawText(x, baseline, text);
}

void DrawDottedLine(QImage& page, int x0, int y0, int x1, int y1, Colour colour) {
  for (int x = x0; x <= x1; x += 2) {
    for (int y = y0; y <= y1; y += 2) Plot(page, x, y, colour);
  }
}

// A chart of a few neighbouring systems: grid ticks, a constellation joined
// by thin lines, one system ringed as the fleet's destination.
void DrawStarChart(QImage& page) {
  const int right = ChartLeft + ChartWidth - 1;
  const int bottom = ChartTop + ChartHeight - 1;
  DrawLine(page, ChartLeft, ChartTop, right, ChartTop, Grey);
  DrawLine(page, ChartLeft, bottom, right, bottom, Grey);
  DrawLine(page, ChartLeft, ChartTop, ChartLeft, bottom, Grey);
  DrawLine(page, right, ChartTop, right, bottom, Grey);
  for (int step = 1; step < 4; ++step) {
    const int x = ChartLeft + step * ChartWidth / 4;
    const int y = ChartTop + step * ChartHeight / 4;
    DrawDottedLine(page, x, ChartTop + 2, x, bottom - 2, Navy);
    DrawDottedLine(page, ChartLeft + 2, y, right - 2, y, Navy);
    Plot(page, x, ChartTop + 1, Grey);
    Plot(page, x, bottom - 1, Grey);
    Plot(page, ChartLeft + 1, y, Grey);
    Plot(page, right - 1, y, Grey);
  }
  Random random(0xC4A27ull);
  for (int i = 0; i < 22; ++i) {
    // Row before column, named so that every compiler draws them in the
    // order the committed pictures were made with.
    const int y = ChartTop + 3 + random.Below(ChartHeight - 6);
    const int x = ChartLeft + 3 + random.Below(ChartWidth - 6);
    Plot(page, x, y, i % 4 == 0 ? Silver : Grey);
  }
  const QPoint stars[] = {{ChartLeft + 9, ChartTop + 46}, {ChartLeft + 22, ChartTop + 35},
                          {ChartLeft + 30, ChartTop + 41}, {ChartLeft + 41, ChartTop + 24},
                          {ChartLeft + 56, ChartTop + 15}, {ChartLeft + 52, ChartTop + 33},
                          {ChartLeft + 63, ChartTop + 51}};
  const int links[][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {3, 5}, {5, 6}};
  for (const auto& link : links) {
    DrawLine(page, stars[link[0]].x(), stars[link[0]].y(), stars[link[1]].x(), stars[link[1]].y(), Teal);
  }
  for (const QPoint& star : stars) {
    Plot(page, star.x(), star.y(), White);
    Plot(page, star.x() - 1, star.y(), Silver);
    Plot(page, star.x() + 1, star.y(), Silver);
    Plot(page, star.x(), star.y() - 1, Silver);
    Plot(page, star.x(), star.y() + 1, Silver);
  }
  FillDisc(page, stars[4].x() + 0.5, stars[4].y() + 0.5, 5.6, Yellow, 4.6);
}

}  // namespace

QImage NewPage(const QString& title) {
  QImage page(PageSize, PageSize, QImage::Format_RGB32);
  page.fill(Qt::black);

  const QFont nameFont = BoldFont(22);
  // Letter-spaced capitals read as a title even in a plain font.
  QString spaced;
  for (const QChar letter : QString::fromUtf8(SourceOf(Text::PageGameName).english)) {
    if (!spaced.isEmpty()) spaced += ' ';
    spaced += letter;
  }
  const int nameWidth = QFontMetrics(nameFont).horizontalAdvance(spaced);
  DrawText(page, (PageSize - nameWidth) / 2, 30, spaced, nameFont, White);
  DrawLine(page, Margin, 38, PageSize - 1 - Margin, 38, Blue);

  const QFont titleFont = BoldFont(12);
  const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(title);
  DrawText(page, (PageSize - titleWidth) / 2, 53, title, titleFont, Yellow);

  DrawStarChart(page);
  return page;
}

PageWriter::PageWriter(QImage& page) : page_(page), y_(BodyTop) {}

int PageWriter::RightEdge(int lineBottom) const {
  return lineBottom >= ChartTop - 4 ? ChartLeft - 8 : PageSize - Margin;
}

void PageWriter::Heading(const QString& text) {
  const QFont font = BoldFont(BodySize);
  DrawText(page_, Margin, y_ + 12, text, font, Aqua);
  y_ += LineHeight + 2;
}

void PageWriter::Paragraph(const QString& text, Colour colour) {
  const QFont font = SansFont(BodySize);
  const QFontMetrics metrics(font);
  QString line;
  for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
    const QString candidate = line.isEmpty() ? word : line + ' ' + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > RightEdge(y_ + LineHeight) - Margin) {
      DrawText(page_, Margin, y_ + 12, line, font, colour);
      y_ += LineHeight;
      line = word;
    } else {
      line = candidate;
    }
  }
  if (!line.isEmpty()) {
    DrawText(page_, Margin, y_ + 12, line, font, colour);
    y_ += LineHeight;
  }
}

void PageWriter::Centred(const QString& text, int pixelSize, bool bold, Colour colour) {
  const QFont font = bold ? BoldFont(pixelSize) : SansFont(pixelSize);
  const QFontMetrics metrics(font);
  DrawText(page_, (PageSize - metrics.horizontalAdvance(text)) / 2, y_ + metrics.ascent(), text, font, colour);
  y_ += metrics.height() + 2;
}

void PageWriter::KeyLine(const QString& key, const QString& action) {
  constexpr int CapLeft = Margin + 10;
  constexpr int CapSize = 15;
  const QFont capFont = BoldFont(11);
  DrawLine(page_, CapLeft, y_, CapLeft + CapSize - 1, y_, Silver);
  DrawLine(page_, CapLeft, y_, CapLeft, y_ + CapSize - 1, Silver);
  DrawLine(page_, CapLeft + CapSize - 1, y_ + 1, CapLeft + CapSize - 1, y_ + CapSize - 1, Grey);
  DrawLine(page_, CapLeft + 1, y_ + CapSize - 1, CapLeft + CapSize - 1, y_ + CapSize - 1, Grey);
  const int keyWidth = QFontMetrics(capFont).horizontalAdvance(key);
  DrawText(page_, CapLeft + (CapSize - keyWidth + 1) / 2, y_ + 12, key, capFont, White);
  DrawText(page_, CapLeft + CapSize + 10, y_ + 12, action, SansFont(BodySize), White);
  y_ += CapSize + 3;
}

}  // namespace kestravane::art
