#pragma once

#include <QStringList>

#include "indexed_image.h"

namespace kestravane::art {

// The full-size pictures of the scanner view, each 288 x 288, in the language
// of the translation installed while drawing. Words that do not fit are
// named in `misfits`.
IndexedImage TitlePage(QStringList& misfits);          // 5000
IndexedImage GameRulesPage(QStringList& misfits);      // 5001
IndexedImage ShortcutsPage(QStringList& misfits);      // 5002
IndexedImage MissionOrdersPage(QStringList& misfits);  // 5003
IndexedImage VictoryPage(QStringList& misfits);        // 5004
IndexedImage DefeatPage(QStringList& misfits);         // 5005

}  // namespace kestravane::art
