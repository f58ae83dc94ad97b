#include "platform/cursor.h"

#include <QApplication>

namespace platform {
namespace {

int waitDepth = 0;

}  // namespace

// Qt keeps a stack of override cursors; the count keeps an unmatched End from
// taking away a cursor someone else set.
void BeginWaitCursor() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  ++waitDepth;
}

void EndWaitCursor() {
  if (waitDepth == 0) return;
  --waitDepth;
  QApplication::restoreOverrideCursor();
}

}  // namespace platform
