#pragma once

#include <QMenu>
#include <QPointer>

namespace platform {

class AppWindow;

// A popup of the game's menu bar. Qt highlights, and announces, only the
// enabled items; under the pointer on a separator or a grayed item its
// highlight goes without a word, and the game's menu help would go on
// describing the item left behind. This popup tells the game of those too:
// a grayed item by its command ID, anything else as no command (0).
class PopupMenu : public QMenu {
 public:
  PopupMenu(const QString& title, AppWindow* window, QWidget* parent);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPointer<AppWindow> window_;
};

}  // namespace platform
