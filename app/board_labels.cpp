#include "app/board_labels.h"

#include <QAccessible>
#include <utility>

namespace kestravane {

void StatusLabel::Show(const QString& whole, const QString& shown) {
  const QString previous = std::exchange(whole_, whole);
  setText(shown);
  setToolTip(whole);
  if (!QAccessible::isActive()) return;
  QAccessibleTextUpdateEvent event(this, 0, previous, whole);
  QAccessible::updateAccessibility(&event);
}

QString Readout::Spoken() const { return caption_.arg(text().section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty)); }

}  // namespace kestravane
