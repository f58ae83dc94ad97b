#include "platform/qt/app_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QMenuBar>
#include <QPixmap>
#include <QThread>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/qt/client_area.h"
#include "platform/qt/frame_widget.h"
#include "platform/qt/picture_data.h"

namespace platform {
namespace {

// How long UpdateWindow waits for a window just shown to reach the screen.
constexpr int ExposureWaitMs = 500;

Qt::WindowFlags FlagsFor(const WindowSpec& shape) {
  Qt::WindowFlags flags = Qt::Window;
  if (shape.frame == WindowFrame::Popup) {
    flags |= Qt::FramelessWindowHint;
  } else {
    // The game is drawn for one size: the buttons named leave maximize out,
    // the layout gives the frame equal least and greatest sizes, and the
    // last hint asks for a frame without a sizing border.
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
  }
  if (shape.topMost) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

}  // namespace

AppWindow::AppWindow(const WindowSpec& shape, WindowEvents* events)
    : events_(events),
      background_(shape.background.red, shape.background.green, shape.background.blue),
      image_(shape.clientWidth, shape.clientHeight, QImage::Format_RGB32),
      frame_(new FrameWidget(this, FlagsFor(shape))),
      clientArea_(new ClientArea(this, frame_)) {
  image_.fill(background_);
  // A new window owes the game its first paint, all of it, as soon as it shows.
  invalid_ = image_.rect();
  clientArea_->setFixedSize(shape.clientWidth, shape.clientHeight);

  // The frame is always exactly the menu bar over the client area.
  auto* layout = new QVBoxLayout(frame_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(clientArea_);
  layout->activate();

  frame_->setWindowTitle(QString::fromUtf8(shape.title));
  if (shape.iconId != 0) {
    if (const Result<Picture> icon = LoadIconResource(shape.iconId))
      frame_->setWindowIcon(QIcon(QPixmap::fromImage(icon->data()->image)));
  }
  frame_->move(shape.x, shape.y);
  clientArea_->setFocus();
}

AppWindow::~AppWindow() {
  Retire();
  delete frame_;
}

void AppWindow::Retire() {
  // Hiding may still close a menu or move the focus; the game has already
  // said goodbye and hears nothing more.
  static WindowEvents nobody;
  events_ = &nobody;
  frame_->hide();
}

QWidget* AppWindow::widget() { return frame_; }

void AppWindow::Invalidate(const QRect& area) {
  const QRect clipped = area & image_.rect();
  if (clipped.isEmpty()) return;
  invalid_ += clipped;
  clientArea_->update(clipped);
}

void AppWindow::PaintInvalid() {
  if (invalid_.isEmpty() || painting_) return;
  invalid_ = QRegion();
  const QPointer<AppWindow> alive(this);
  painting_ = true;
  events_->Paint(this);
  if (alive) painting_ = false;
}

void AppWindow::ShowImage(const QRect& area) {
  if (area.isEmpty()) return;
  clientArea_->setBlitOnly(true);
  clientArea_->repaint(area);
  clientArea_->setBlitOnly(false);
  // That paint used up Qt's pending update, but the game still owes one.
  if (!invalid_.isEmpty()) clientArea_->update(invalid_.boundingRect());
}

void AppWindow::Update() {
  if (!frame_->isVisible()) return;
  const QPointer<AppWindow> alive(this);
  QElapsedTimer waited;
  waited.start();
  // A window just shown reaches the screen only once the window system has
  // answered; the player's input waits until then.
  while (alive && !frame_->windowHandle()->isExposed() && waited.elapsed() < ExposureWaitMs) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    if (alive && !frame_->windowHandle()->isExposed()) QThread::msleep(5);
  }
  if (alive) clientArea_->repaint();
}

void AppWindow::SetTopMost(bool topMost) {
  if (frame_->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topMost) return;
  // Qt makes a new native window for new flags, in the same place but hidden.
  const bool visible = frame_->isVisible();
  const Qt::WindowStates states = frame_->windowState();
  frame_->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
  if (visible) {
    frame_->setWindowState(states);
    frame_->show();
  }
}

void AppWindow::SetMenuBar(QMenuBar* menuBar) {
  frame_->layout()->setMenuBar(menuBar);
  frame_->layout()->activate();
}

void AppWindow::AddMenuAction(int id, QAction* action) { menuActions_[id] = action; }

QAction* AppWindow::MenuAction(int id) const {
  const auto found = menuActions_.find(id);
  return found == menuActions_.end() ? nullptr : found->second.data();
}

void AppWindow::SetShortcuts(std::span<const Shortcut> shortcuts) {
  shortcuts_.assign(shortcuts.begin(), shortcuts.end());
}

bool AppWindow::SendShortcut(int virtualKey, bool control, bool repeated) {
  for (const Shortcut& shortcut : shortcuts_) {
    if (shortcut.virtualKey == virtualKey && shortcut.control == control) {
      // A shortcut is its menu item's other way in: while the item is grayed
      // the key is an ordinary one, which the game may still want (any key
      // ends a picture).
      const QAction* item = MenuAction(shortcut.command);
      if (item && !item->isEnabled()) return false;
      events_->Command(this, shortcut.command, repeated);
      return true;
    }
  }
  return false;
}

}  // namespace platform
