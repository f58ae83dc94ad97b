#pragma once

#include "platform/window.h"

// The game's modal error and warning boxes. Each returns 0, so that a failing
// routine can report and fail in one statement: `return ErrorBox(...);`.
// Their arguments fill the catalogue text's printf placeholders: pass C
// strings (never std::string) and int or unsigned values.

// Error box (caption "Error", error icon) showing catalogue text `id`.
int ErrorBox(unsigned id, ...);

// Error box showing a literal printf-style text.
int ErrorBoxText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Warning box owned by `owner`, with catalogue texts for caption and message.
int WarningBox(platform::Window* owner, unsigned captionId, unsigned textId, ...);

// The window that owns error boxes: the main window once it exists, none before.
void SetErrorBoxOwner(platform::Window* owner);

// Runs before every error and warning box, so that nothing of the program's
// own hides it (the splash picture closes itself this way).
void SetBeforeBoxes(void (*prepare)());
