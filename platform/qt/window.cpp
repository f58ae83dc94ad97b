#include "platform/window.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QWindow>
#include <vector>

#include "platform/qt/app_window.h"
#include "platform/qt/client_area.h"

namespace platform {
namespace {

AppWindow* mainWindow = nullptr;
std::vector<QPointer<AppWindow>> closedBeforeBoxes;

QRect ToQRect(const Rect& rect) {
  return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

// The desktop's end of session goes to the main window, which may ask to stay.
void ForwardSessionEnd(AppWindow* window) {
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, window,
                   [window](QSessionManager& manager) {
                     if (!window->events()->SessionEnding(window)) manager.cancel();
                   });
}

}  // namespace

Result<Window*> CreateAppWindow(const WindowSpec& shape, WindowEvents* events) {
  auto* window = new AppWindow(shape, events);
  if (shape.frame == WindowFrame::Main && !mainWindow) {
    mainWindow = window;
    ForwardSessionEnd(window);
  }
  if (shape.closesBeforeBoxes) closedBeforeBoxes.emplace_back(window);
  if (!events->Created(window)) {
    DestroyWindow(window);
    return Result<Window*>::Failure(0);
  }
  return static_cast<Window*>(window);
}

void RequestClose(Window* window) {
  if (window) window->widget()->close();
}

void CloseWindowsBeforeBox() {
  // Closing one destroys it, which takes it off the list.
  const std::vector<QPointer<AppWindow>> windows = closedBeforeBoxes;
  for (const QPointer<AppWindow>& window : windows)
    if (window) RequestClose(window);
}

void DestroyWindow(Window* window) {
  AppWindow* appWindow = AppWindow::From(window);
  if (!appWindow) return;
  appWindow->events()->Destroyed(appWindow);
  if (appWindow == mainWindow) mainWindow = nullptr;
  std::erase(closedBeforeBoxes, QPointer<AppWindow>(appWindow));
  appWindow->Retire();
  // The game may be inside one of this window's own handlers, with the
  // window still in hand: it goes once control is back in the event loop.
  appWindow->deleteLater();
}

void ShowWindow(Window* window, ShowMode mode) {
  QWidget* frame = window->widget();
  switch (mode) {
    case ShowMode::Normal: frame->showNormal(); break;
    case ShowMode::Minimized: frame->showMinimized(); break;
    case ShowMode::Maximized: frame->showMaximized(); break;
    case ShowMode::Hidden: frame->hide(); break;
  }
}

void UpdateWindow(Window* window) {
  if (AppWindow* appWindow = AppWindow::From(window)) appWindow->Update();
}

void InvalidateRect(Window* window, const Rect* area) {
  AppWindow* appWindow = AppWindow::From(window);
  if (!appWindow) return;
  appWindow->Invalidate(area ? ToQRect(*area) : appWindow->image().rect());
}

void SetWindowTitle(Window* window, const char* title) {
  window->widget()->setWindowTitle(QString::fromUtf8(title));
}

void SetTopMost(Window* window, bool topMost) {
  if (AppWindow* appWindow = AppWindow::From(window)) appWindow->SetTopMost(topMost);
}

void BringToFront(Window* window) {
  QWidget* frame = window->widget();
  if (frame->isMinimized()) frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
  frame->show();
  frame->raise();
  frame->activateWindow();
}

void FocusWindow(Window* window) {
  QWidget* frame = window->widget();
  frame->activateWindow();
  if (AppWindow* appWindow = AppWindow::From(window)) appWindow->clientArea()->setFocus();
}

Rect NormalFrame(Window* window) {
  QWidget* frame = window->widget();
  QRect place = frame->frameGeometry();
  if (frame->isMinimized()) {
    const QMargins margins =
        frame->windowHandle() ? frame->windowHandle()->frameMargins() : QMargins();
    place = frame->normalGeometry().marginsAdded(margins);
  }
  return {place.left(), place.top(), place.left() + place.width(), place.top() + place.height()};
}

void MoveWindow(Window* window, int x, int y) { window->widget()->move(x, y); }

Window* MainWindow() { return mainWindow; }

QWidget* WindowWidget(Window* window) { return window ? window->widget() : nullptr; }

}  // namespace platform
