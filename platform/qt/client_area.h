#pragma once

#include <QPointer>
#include <QWidget>

namespace platform {

class AppWindow;

// The part of the window the game draws and listens to: it shows the
// window's image and turns keys and mouse presses into the game's events.
class ClientArea : public QWidget {
 public:
  ClientArea(AppWindow* owner, QWidget* parent);

  // The next paints only put the image on the screen, without the game.
  void setBlitOnly(bool blitOnly) { blitOnly_ = blitOnly; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPointer<AppWindow> owner_;
  bool blitOnly_ = false;
};

}  // namespace platform
