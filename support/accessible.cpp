#include "support/accessible.h"

#include <QAccessible>

namespace kestravane {

void RenewAccessible(QObject* object) {
  if (!QAccessible::isActive()) return;
  if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(object))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace kestravane
