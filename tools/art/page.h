#pragma once

#include <QImage>
#include <QString>

#include "palette.h"

namespace kestravane::art {

inline constexpr int PageSize = 288;

// A blank page of the scanner view: black, the program's name across the top
// with the page's title under it, and the star chart in the lower right.
QImage NewPage(const QString& title);

// Lays text down a page from the top, wrapping words inside the margins and
// keeping clear of the star chart.
class PageWriter {
 public:
  explicit PageWriter(QImage& page);

  void Heading(const QString& text);
  void Paragraph(const QString& text, Colour colour = White);
  void Centred(const QString& text, int pixelSize, bool bold, Colour colour);
  // One key on a key cap, its action beside it.
  void KeyLine(const QString& key, const QString& action);
  void Skip(int pixels) { y_ += pixels; }
  int Top() const { return y_; }

 private:
  int RightEdge(int lineBottom) const;

  QImage& page_;
  int y_;
};

}  // namespace kestravane::art
