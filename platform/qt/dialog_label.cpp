#include "platform/qt/dialog_label.h"

#include <QPainter>
#include <QStyle>

namespace platform {
namespace {

constexpr int NarrowestStretch = 60;

int TextWidth(const QFont& font, const QString& text) {
  return QFontMetrics(font).size(Qt::TextSingleLine | Qt::TextShowMnemonic, text).width();
}

}  // namespace

void DialogLabel::paintEvent(QPaintEvent* event) {
  const QRect area = contentsRect();
  const bool oneLine = area.height() < 2 * fontMetrics().height() && !text().contains(QLatin1Char('\n'));
  if (!oneLine || TextWidth(font(), text()) <= area.width()) {
    QLabel::paintEvent(event);
    return;
  }
  QFont condensed = font();
  int stretch = std::max(NarrowestStretch, area.width() * 100 / TextWidth(font(), text()));
  for (condensed.setStretch(stretch); stretch > NarrowestStretch && TextWidth(condensed, text()) > area.width();
       condensed.setStretch(--stretch)) {
  }
  QPainter painter(this);
  painter.setFont(condensed);
  const int mnemonic = buddy() ? Qt::TextShowMnemonic : 0;
  style()->drawItemText(&painter, area, static_cast<int>(alignment()) | Qt::TextSingleLine | mnemonic, palette(),
                        isEnabled(), text(), foregroundRole());
}

}  // namespace platform
