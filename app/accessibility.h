#pragma once

#include <QAccessible>
#include <QRect>
#include <QWidget>

namespace kestravane {

// Lets a screen reader find the board's cells and hear the status line, the
// panels' figures and the menu items by their names. Qt asks for these only when a reader does: without one, nothing of
// it is made.
void InstallAccessibility();

// The accessible object the game made for `object`, while a screen reader
// listens; without one, nothing, and nothing is made.
template <class Accessible>
Accessible* ListeningAs(QObject* object) {
  return QAccessible::isActive() ? dynamic_cast<Accessible*>(QAccessible::queryAccessibleInterface(object)) : nullptr;
}

// `area` of `widget` on the screen, where a reader points.
inline QRect OnScreen(const QWidget& widget, const QRect& area) {
  return QRect(widget.mapToGlobal(area.topLeft()), area.size());
}

}  // namespace kestravane
