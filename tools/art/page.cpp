#include "page.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <optional>

#include "canvas.h"
#include "fonts.h"
#include "random.h"

namespace kestravane::art {
namespace {

constexpr int Margin = 14;
constexpr int BodyTop = 62;

// The star chart's box in the lower right corner.
constexpr int ChartLeft = 208;
constexpr int ChartTop = 214;
constexpr int ChartWidth = 72;
constexpr int ChartHeight = 66;

void DrawText(QImage& page, int x, int baseline, const QString& text, const QFont& font, Colour colour) {
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
  const QPoint stars[] = {{ChartLeft + 9, ChartTop + 46},  {ChartLeft + 22, ChartTop + 35},
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

// The text in pieces that each end where a line may break: after a space, or
// between two ideographs in a language written without spaces.
QStringList BreakPieces(const QString& text) {
  QStringList pieces;
  QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
  int start = 0;
  for (int end = breaks.toNextBoundary(); end != -1; end = breaks.toNextBoundary()) {
    pieces << text.mid(start, end - start);
    start = end;
  }
  return pieces;
}

// The largest size from `pixelSize` down to `smallest` at which `text` is at
// most `width` wide, or nothing.
std::optional<QFont> FontToFit(const QString& text, int pixelSize, int smallest, bool bold, int width) {
  for (int size = pixelSize; size >= smallest; --size) {
    QFont font = bold ? BoldFont(size) : SansFont(size);
    if (QFontMetrics(font).horizontalAdvance(text) <= width) return font;
  }
  return std::nullopt;
}

QString Quoted(const QString& text) { return u'"' + text + u'"'; }

}  // namespace

QString Words(Text words) {
  const TextSource& source = SourceOf(words);
  return QCoreApplication::translate(source.context, source.english);
}

PageWriter::PageWriter(const QString& title, int bodySize)
    : page_(PageSize, PageSize, QImage::Format_RGB32),
      bodySize_(bodySize),
      lineHeight_(bodySize + 3),
      floor_(PageSize - 4),
      y_(BodyTop) {
  page_.fill(Qt::black);
  // Letter-spaced capitals read as a title even in a plain font.
  QString spaced;
  for (const QChar letter : Words(Text::PageGameName)) {
    if (!spaced.isEmpty()) spaced += ' ';
    spaced += letter;
  }
  const int width = PageSize - 2 * Margin;
  if (const auto nameFont = FontToFit(spaced, 22, 12, true, width)) {
    const int nameWidth = QFontMetrics(*nameFont).horizontalAdvance(spaced);
    DrawText(page_, (PageSize - nameWidth) / 2, 30, spaced, *nameFont, White);
  } else {
    misfits_ << Quoted(spaced) + " is wider than the page";
  }
  DrawLine(page_, Margin, 38, PageSize - 1 - Margin, 38, Blue);

  if (const auto titleFont = FontToFit(title, 12, SmallestSize, true, width)) {
    const int titleWidth = QFontMetrics(*titleFont).horizontalAdvance(title);
    DrawText(page_, (PageSize - titleWidth) / 2, 53, title, *titleFont, Yellow);
  } else {
    misfits_ << Quoted(title) + " is wider than the page";
  }
  DrawStarChart(page_);
}

int PageWriter::Room(int left, int height) const {
  const int right = y_ + height >= ChartTop - 4 ? ChartLeft - 8 : PageSize - Margin;
  return right - left;
}

void PageWriter::CheckBelow(int bottom, const QString& text) {
  if (bottom > floor_) misfits_ << Quoted(text) + " runs into the artwork below it";
}

void PageWriter::Line(const QString& text, const QFont& font, Colour colour) {
  if (QFontMetrics(font).horizontalAdvance(text) > Room(Margin, lineHeight_))
    misfits_ << Quoted(text) + " has a word wider than its line";
  CheckBelow(y_ + lineHeight_, text);
  DrawText(page_, Margin, y_ + bodySize_, text, font, colour);
  y_ += lineHeight_;
}

void PageWriter::Flow(const QString& text, const QFont& font, Colour colour) {
  const QFontMetrics metrics(font);
  QString line;
  for (const QString& piece : BreakPieces(text)) {
    const QString candidate = line + piece;
    if (!line.trimmed().isEmpty() && metrics.horizontalAdvance(candidate.trimmed()) > Room(Margin, lineHeight_)) {
      Line(line.trimmed(), font, colour);
      line = piece;
    } else {
      line = candidate;
    }
  }
  if (!line.trimmed().isEmpty()) Line(line.trimmed(), font, colour);
}

void PageWriter::Heading(const QString& text) {
  Flow(text, BoldFont(bodySize_), Aqua);
  y_ += 2;
}

void PageWriter::Paragraph(const QString& text, Colour colour) { Flow(text, SansFont(bodySize_), colour); }

void PageWriter::Centred(const QString& text, int pixelSize, bool bold, Colour colour) {
  const int width = PageSize - 2 * Margin;
  // A little smaller still stands out; much smaller it had better wrap.
  const std::optional<QFont> oneLine =
      FontToFit(text, pixelSize, std::max(SmallestSize, pixelSize * 3 / 4), bold, width);
  const QFont font = oneLine ? *oneLine : bold ? BoldFont(pixelSize) : SansFont(pixelSize);
  const QFontMetrics metrics(font);
  QStringList lines;
  for (const QString& piece : oneLine ? QStringList{text} : BreakPieces(text)) {
    if (!lines.isEmpty() && metrics.horizontalAdvance((lines.last() + piece).trimmed()) <= width)
      lines.last() += piece;
    else
      lines << piece;
  }
  for (const QString& piece : lines) {
    const QString line = piece.trimmed();
    const int lineWidth = metrics.horizontalAdvance(line);
    if (lineWidth > width) misfits_ << Quoted(line) + " is wider than the page";
    CheckBelow(y_ + metrics.height(), line);
    DrawText(page_, (PageSize - lineWidth) / 2, y_ + metrics.ascent(), line, font, colour);
    y_ += metrics.height() + 2;
  }
}

void PageWriter::KeyLine(const QString& key, const QString& action) {
  constexpr int CapLeft = Margin + 10;
  constexpr int CapSize = 15;
  constexpr int ActionLeft = CapLeft + CapSize + 10;
  const QFont capFont = BoldFont(11);
  DrawLine(page_, CapLeft, y_, CapLeft + CapSize - 1, y_, Silver);
  DrawLine(page_, CapLeft, y_, CapLeft, y_ + CapSize - 1, Silver);
  DrawLine(page_, CapLeft + CapSize - 1, y_ + 1, CapLeft + CapSize - 1, y_ + CapSize - 1, Grey);
  DrawLine(page_, CapLeft + 1, y_ + CapSize - 1, CapLeft + CapSize - 1, y_ + CapSize - 1, Grey);
  const int keyWidth = QFontMetrics(capFont).horizontalAdvance(key);
  DrawText(page_, CapLeft + (CapSize - keyWidth + 1) / 2, y_ + 12, key, capFont, White);
  CheckBelow(y_ + CapSize, action);
  if (const auto font = FontToFit(action, bodySize_, SmallestSize, false, Room(ActionLeft, CapSize)))
    DrawText(page_, ActionLeft, y_ + 12, action, *font, White);
  else
    misfits_ << Quoted(action) + " is wider than the room beside its key";
  y_ += CapSize + 3;
}

void PageWriter::Caption(int centreX, int top, int width, const QString& text, Colour colour) {
  const std::optional<QFont> font = FontToFit(text, 11, SmallestSize, false, width);
  if (!font) {
    misfits_ << Quoted(text) + " is wider than its drawing";
    return;
  }
  const QFontMetrics metrics(*font);
  DrawText(page_, centreX - metrics.horizontalAdvance(text) / 2, top + metrics.ascent(), text, *font, colour);
}

}  // namespace kestravane::art
