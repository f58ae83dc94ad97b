#pragma once

#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

// Input as the desktop sends it: queued with the window system's events, not
// handed to a widget at once as QTest does, so that it waits wherever the
// window system's input waits. Needs Qt6::GuiPrivate.

inline void SendKeyFromDesktop(QWidget* frame, Qt::Key key) {
  using Async = QWindowSystemInterface::AsynchronousDelivery;
  QWindowSystemInterface::handleKeyEvent<Async>(frame->windowHandle(), QEvent::KeyPress, key, Qt::NoModifier);
  QWindowSystemInterface::handleKeyEvent<Async>(frame->windowHandle(), QEvent::KeyRelease, key, Qt::NoModifier);
}

// A left click at `at` in the coordinates of `widget`, inside `frame`.
inline void SendClickFromDesktop(QWidget* frame, QWidget* widget, QPoint at) {
  using Async = QWindowSystemInterface::AsynchronousDelivery;
  QWindow* window = frame->windowHandle();
  const QPointF local = widget->mapTo(frame, at);
  const QPointF global = window->mapToGlobal(local);
  QWindowSystemInterface::handleMouseEvent<Async>(window, local, global, Qt::LeftButton, Qt::LeftButton,
                                                  QEvent::MouseButtonPress);
  QWindowSystemInterface::handleMouseEvent<Async>(window, local, global, Qt::NoButton, Qt::LeftButton,
                                                  QEvent::MouseButtonRelease);
}
