#pragma once

// Shows catalogue text `id`, filled with printf arguments, on the main
// window's status line. Dropped when the line does not exist or is hidden.
void ShowStatus(unsigned id, ...);
