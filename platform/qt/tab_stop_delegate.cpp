#include "platform/qt/tab_stop_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QTextOption>

namespace platform {

TabStopDelegate::TabStopDelegate(int stopPixels, QObject* parent)
    : QStyledItemDelegate(parent), stopPixels_(stopPixels) {}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  const QString text = item.text;
  item.text.clear();
  const QWidget* view = item.widget;
  QStyle* style = view ? view->style() : QApplication::style();
  // The selection and focus frame as the style draws them; the text on top.
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);

  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
  const QRect textArea = item.rect.adjusted(margin, 0, -margin, 0);
  QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
  layout.setTabStopDistance(stopPixels_);
  layout.setWrapMode(QTextOption::NoWrap);

  const bool selected = item.state & QStyle::State_Selected;
  const QPalette::ColorGroup group =
      item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
  painter->save();
  painter->setFont(item.font);
  painter->setPen(item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
  painter->drawText(QRectF(textArea), text, layout);
  painter->restore();
}

}  // namespace platform
