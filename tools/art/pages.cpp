#include "pages.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "canvas.h"
#include "fonts.h"
#include "glyph.h"
#include "page.h"

namespace kestravane::art {
namespace {

#include "resources/page_words.inc"

constexpr int Cell = 16;
// Each of the rules page's three drawings has a third of the page for its
// captions, with a gap to the next.
constexpr int CaptionWidth = 88;

// One quadrant of a battle-group drawing: a framed cell with a Roder ship in it.
void DrawCell(QImage& page, int left, int top, bool withShip) {
  DrawLine(page, left, top, left + Cell - 1, top, Silver);
  DrawLine(page, left, top + Cell - 1, left + Cell - 1, top + Cell - 1, Silver);
  DrawLine(page, left, top, left, top + Cell - 1, Silver);
  DrawLine(page, left + Cell - 1, top, left + Cell - 1, top + Cell - 1, Silver);
  FillRect(page, left + 1, top + 1, Cell - 2, Cell - 2, Black);
  if (withShip) {
    PaintGlyph(page, left + 3, top + 4, {"....XX...", "..XXXXXX.", "XXXXXXXXX", "XXXXXXXXX", "..XXXXXX.", "....XX..."},
               Red);
    Plot(page, left + 4, top + 6, Yellow);
    Plot(page, left + 4, top + 7, Yellow);
  }
}

// A cell further down the Z axis, for the head-on group: dimmer, and half
// hidden by the cells in front of it.
void DrawDistantCell(QImage& page, int left, int top) {
  DrawLine(page, left, top, left + Cell - 1, top, Grey);
  DrawLine(page, left, top + Cell - 1, left + Cell - 1, top + Cell - 1, Grey);
  DrawLine(page, left, top, left, top + Cell - 1, Grey);
  DrawLine(page, left + Cell - 1, top, left + Cell - 1, top + Cell - 1, Grey);
  FillRect(page, left + 1, top + 1, Cell - 2, Cell - 2, Black);
  FillRect(page, left + Cell - 6, top + 3, 3, 2, Maroon);
}

// A five-pointed star of glory, for the victory page.
void DrawMedal(QImage& page, double cx, double cy, double radius) {
  QPolygonF star;
  for (int point = 0; point < 10; ++point) {
    const double r = point % 2 == 0 ? radius : radius * 0.42;
    const double angle = -std::numbers::pi / 2 + point * std::numbers::pi / 5;
    star << QPointF(cx + r * std::cos(angle), cy + r * std::sin(angle));
  }
  FillDisc(page, cx, cy, radius + 6, Olive, radius + 4);
  QPainter painter(&page);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(ToQColor(White));
  painter.setBrush(ToQColor(Yellow));
  painter.drawPolygon(star);
}

// The Vudare home-world beacon: a red world sending rings of signal.
void DrawBeacon(QImage& page, double cx, double cy) {
  for (int ring = 0; ring < 4; ++ring) {
    const double radius = 17 + 9 * ring;
    for (int y = 0; y < PageSize; ++y) {
      for (int x = 0; x < PageSize; ++x) {
        const double dx = x + 0.5 - cx;
        const double dy = y + 0.5 - cy;
        if (dx < std::abs(dy) * 0.9) continue;
        const double distance = std::sqrt(dx * dx + dy * dy);
        if (std::abs(distance - radius) < 0.8 && (static_cast<int>(distance * 4 + y) % 5 != 0)) {
          Plot(page, x, y, ring == 3 ? Maroon : Red);
        }
      }
    }
  }
  FillDisc(page, cx, cy, 12.5, Maroon);
  FillDisc(page, cx - 2, cy - 2, 9, Red);
  FillDisc(page, cx - 5, cy - 5, 2.4, Yellow);
}

// Draws a page at the largest size of its running text that all its words fit
// at, from the English size down; what fits nowhere goes into `misfits`.
template <typename Draw>
IndexedImage FittedPage(Text title, QStringList& misfits, Draw draw) {
  for (int bodySize = BodySize;; --bodySize) {
    PageWriter writer(Words(title), bodySize);
    draw(writer, writer.Page());
    if (writer.Misfits().isEmpty() || bodySize == SmallestSize) {
      misfits << writer.Misfits();
      return Quantise(writer.Page(), false);
    }
  }
}

}  // namespace

IndexedImage TitlePage(QStringList& misfits) {
  return FittedPage(Text::TitleHeading, misfits, [](PageWriter& writer, QImage&) {
    writer.Skip(4);
    writer.Centred(Words(Text::TitleVersion), 16, true, White);
    writer.Skip(6);
    writer.Paragraph(Words(Text::TitleGoal));
    writer.Skip(8);
    writer.Paragraph(Words(Text::TitleCopyright), Silver);
    writer.Skip(6);
    writer.Paragraph(Words(Text::TitleSharing), Silver);
    writer.Skip(10);
    writer.Paragraph(Words(Text::TitleStart), Yellow);
  });
}

IndexedImage GameRulesPage(QStringList& misfits) {
  return FittedPage(Text::RulesHeading, misfits, [](PageWriter& writer, QImage& page) {
    writer.Paragraph(Words(Text::RulesGroups));
    writer.Skip(6);

    // Three groups side by side, one per axis, each captioned below.
    const int top = writer.Top();
    const int centres[] = {52, 144, 236};
    for (int i = 0; i < 3; ++i) DrawCell(page, centres[0] - 18 + (Cell - 1) * i, top + Cell - 1, true);
    for (int i = 0; i < 3; ++i) DrawCell(page, centres[1] - 6, top + (Cell - 1) * i, true);
    DrawDistantCell(page, centres[2] - 2, top + 2);
    DrawDistantCell(page, centres[2] - 7, top + 7);
    DrawCell(page, centres[2] - 12, top + 12, true);
    const int captionTop = top + 3 * Cell + 2;
    for (int i = 0; i < 3; ++i) {
      writer.Caption(centres[i], captionTop, CaptionWidth, Words(RulesCaptions[i][0]), Aqua);
      writer.Caption(centres[i], captionTop + 13, CaptionWidth, Words(RulesCaptions[i][1]), White);
    }
    writer.Skip(3 * Cell + 2 + 32);

    writer.Heading(Words(Text::RulesAttack));
    writer.Paragraph(Words(Text::RulesAim));
  });
}

IndexedImage ShortcutsPage(QStringList& misfits) {
  return FittedPage(Text::KeysHeading, misfits, [](PageWriter& writer, QImage&) {
    for (const PageKeys& section : KeysSections) {
      if (&section != KeysSections) writer.Skip(3);
      writer.Heading(Words(section.system));
      for (int key = 0; key < section.count; ++key)
        writer.KeyLine(QString::fromUtf8(section.keys[key].key), Words(section.keys[key].does));
    }
  });
}

IndexedImage MissionOrdersPage(QStringList& misfits) {
  return FittedPage(Text::MissionHeading, misfits, [](PageWriter& writer, QImage&) {
    writer.Heading(Words(Text::MissionSituation));
    writer.Paragraph(Words(Text::MissionInvasion));
    writer.Skip(8);
    writer.Heading(Words(Text::MissionOrders));
    writer.Paragraph(Words(Text::MissionSeek));
    writer.Skip(12);
    writer.Paragraph(Words(Text::MissionWish), Yellow);
    writer.Paragraph(Words(Text::MissionSender), Silver);
  });
}

IndexedImage VictoryPage(QStringList& misfits) {
  return FittedPage(Text::VictoryHeading, misfits, [](PageWriter& writer, QImage& page) {
    writer.KeepAbove(147);
    writer.Skip(4);
    writer.Centred(Words(Text::VictoryCheer), 14, true, Yellow);
    writer.Skip(6);
    writer.Paragraph(Words(Text::VictoryText));
    DrawMedal(page, 104, 196, 34);
    for (const QPoint sparkle : {QPoint(46, 160), QPoint(160, 150), QPoint(58, 236), QPoint(170, 226)}) {
      DrawLine(page, sparkle.x() - 3, sparkle.y(), sparkle.x() + 3, sparkle.y(), Silver);
      DrawLine(page, sparkle.x(), sparkle.y() - 3, sparkle.x(), sparkle.y() + 3, Silver);
      Plot(page, sparkle.x(), sparkle.y(), White);
    }
  });
}

IndexedImage DefeatPage(QStringList& misfits) {
  return FittedPage(Text::DefeatHeading, misfits, [](PageWriter& writer, QImage& page) {
    writer.KeepAbove(171);
    writer.Skip(4);
    writer.Centred(Words(Text::DefeatWarning), 14, true, Red);
    writer.Skip(6);
    writer.Paragraph(Words(Text::DefeatText));
    DrawBeacon(page, 60, 205);
  });
}

}  // namespace kestravane::art
