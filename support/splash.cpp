#include "support/splash.h"

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/picture_data.h"
#include "platform/resources.h"
#include "support/catalogue.h"
#include "support/message_box.h"

namespace kestravane {

namespace {

class SplashWindow final : public QWidget {
 public:
  SplashWindow(const QImage& picture, const bool& startup)
      : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
        picture_(picture),
        startup_(startup) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(picture.size());
    setWindowTitle(Tr(Text::SplashTitle));
    setFocusPolicy(Qt::StrongFocus);
    qApp->installEventFilter(this);
  }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, picture_); }
  void keyPressEvent(QKeyEvent*) override { CloseUnlessStarting(); }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) CloseUnlessStarting();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
      const auto& widget = static_cast<const QWidget&>(*watched);
      if (widget.isWindow() && (IsBox(widget) || qobject_cast<const QFileDialog*>(&widget))) close();
    }
    return false;
  }

 private:
  void CloseUnlessStarting() {
    if (!startup_) close();
  }

  const QImage& picture_;
  const bool& startup_;
};

}  // namespace

bool Splash::ShowAtStartup() {
  Close();
  startup_ = true;
  return Show();
}

bool Splash::Show() {
  if (window_) {
    window_->showNormal();
    window_->raise();
    window_->activateWindow();
    return true;
  }
  if (picture_.isNull()) {
    const platform::Result<platform::Picture> picture = platform::LoadBitmapResource(Id(Bitmap::Title));
    if (!picture) return ErrorBox(Text::BitmapFailed, "PicSize", Id(Bitmap::Title), picture.error());
    picture_ = picture->data()->image;
  }
  const platform::Rect& desktop = library_.DesktopRect;
  window_ = new SplashWindow(picture_, startup_);
  window_->move((desktop.right - desktop.left - picture_.width()) / 2,
                (desktop.bottom - desktop.top - picture_.height()) / 2);
  window_->show();
  window_->raise();
  window_->activateWindow();
  window_->repaint();
  return true;
}

void Splash::Close() {
  startup_ = false;
  if (window_) window_->close();
}

}  // namespace kestravane
