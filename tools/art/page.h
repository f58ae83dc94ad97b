#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include "palette.h"
#include "support/text_catalogue.h"

namespace kestravane::art {

inline constexpr int PageSize = 288;
// The size of the pages' running text in English; a longer translation may
// need a smaller one, down to the smallest that still reads.
inline constexpr int BodySize = 12;
inline constexpr int SmallestSize = 9;

// The words in the language of the translation installed while drawing, in
// English without one.
QString Words(Text words);

// A page of the scanner view, laid down from the top: black, the program's
// name across the top with the page's title under it, the star chart in the
// lower right, and text wrapped inside the margins, clear of the chart.
// Words are never cut or drawn over the artwork: what does not fit even at a
// smaller size is listed in Misfits() instead.
class PageWriter {
 public:
  PageWriter(const QString& title, int bodySize);

  QImage& Page() { return page_; }
  const QStringList& Misfits() const { return misfits_; }

  void Heading(const QString& text);
  void Paragraph(const QString& text, Colour colour = White);
  void Centred(const QString& text, int pixelSize, bool bold, Colour colour);
  // One key on a key cap, its action beside it.
  void KeyLine(const QString& key, const QString& action);
  // One line under a drawing, centred on `centreX` and at most `width` wide.
  void Caption(int centreX, int top, int width, const QString& text, Colour colour);
  // Text keeps above `row`, where a drawing begins.
  void KeepAbove(int row) { floor_ = row; }
  void Skip(int pixels) { y_ += pixels; }
  int Top() const { return y_; }

 private:
  void Flow(const QString& text, const QFont& font, Colour colour);
  void Line(const QString& text, const QFont& font, Colour colour);
  // The widest line the next line may be at `left`, for a line of `height`.
  int Room(int left, int height) const;
  void CheckBelow(int bottom, const QString& text);

  QImage page_;
  QStringList misfits_;
  int bodySize_;
  int lineHeight_;
  int floor_;
  int y_;
};

}  // namespace kestravane::art
