#pragma once

namespace kestravane {

// Lets a screen reader find the board's cells and hear the status line, the
// panels' figures, the dialogs' radio buttons and the menu items by their
// names. Qt asks for these only when a reader does: without one, nothing of
// it is made.
void InstallAccessibility();

}  // namespace kestravane
