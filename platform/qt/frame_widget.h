#pragma once

#include <QPointer>
#include <QWidget>

namespace platform {

class AppWindow;

// The top-level window: caption and borders around the menu bar and the
// client area. Closing asks the game first.
class FrameWidget : public QWidget {
 public:
  FrameWidget(AppWindow* owner, Qt::WindowFlags flags);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QPointer<AppWindow> owner_;
};

}  // namespace platform
