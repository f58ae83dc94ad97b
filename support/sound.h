#pragma once

// The game's sounds are wave resources played in the background; a new one
// cuts off the one still playing.

// Starts wave resource `id`. Returns 1, or 0 after an error box when the
// resource is missing or cannot be played.
int PlayWave(unsigned id);

// Sounds the system's alert and returns 0, so that a routine can warn and
// fail in one statement.
int AlertBeep();
