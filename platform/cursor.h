#pragma once

namespace platform {

// Shows the busy cursor while the game does something slow on its one thread.
// Calls nest: the normal cursor returns when every Begin has had its End.
void BeginWaitCursor();
void EndWaitCursor();

}  // namespace platform
