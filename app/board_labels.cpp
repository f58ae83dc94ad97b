#include "app/board_labels.h"

#include <utility>

#include "app/accessibility.h"
#include "app/accessible_status.h"

namespace kestravane {

void StatusLabel::Show(const QString& whole, const QString& shown) {
  const QString previous = std::exchange(whole_, whole);
  setText(shown);
  setToolTip(whole);
  if (auto* line = ListeningAs<StatusLineAccessible>(this)) line->Announce(previous);
}

QString Readout::Spoken() const { return caption_.arg(text().section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty)); }

}  // namespace kestravane
