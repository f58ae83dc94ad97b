#pragma once

#include <QStyledItemDelegate>

namespace platform {

// Draws list lines whose tabs move the text on to fixed stops, so that a list
// of several fields shows them as columns.
class TabStopDelegate : public QStyledItemDelegate {
 public:
  TabStopDelegate(int stopPixels, QObject* parent);

  int stopPixels() const { return stopPixels_; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  int stopPixels_;
};

}  // namespace platform
