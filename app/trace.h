#pragma once

namespace kestravane {

// With KESTRAVANE_TRACE set in the environment, prints
// "<event> <nanoseconds since 1970>" on standard error, so that scripts and
// tests can follow the program's life from outside: how long each step of
// the start-up took, when another copy asked this one to come forward and
// when it opened the game that copy handed over.
void TraceEvent(const char* event);

}  // namespace kestravane
