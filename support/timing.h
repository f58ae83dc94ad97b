#pragma once

// Holds the whole program for `seconds` by the tick counter: nothing is drawn
// and no input is taken meanwhile. The thread sleeps, so the wait costs no CPU.
void WaitSeconds(int seconds);
