#include "app/board_labels.h"

#include <QAccessible>
#include <utility>

#include "app/accessible_status.h"

namespace kestravane {

void StatusLabel::Show(const QString& whole, const QString& shown) {
  const QString previous = std::exchange(whole_, whole);
  setText(shown);
  setToolTip(whole);
  if (!QAccessible::isActive()) return;
  if (auto* line = dynamic_cast<StatusLineAccessible*>(QAccessible::queryAccessibleInterface(this)))
    line->Announce(previous);
}

QString Readout::Spoken() const { return caption_.arg(text().section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty)); }

}  // namespace kestravane
