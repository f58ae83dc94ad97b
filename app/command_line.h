#pragma once

#include <string>

#include "app/settings.h"

// The document named on the command line becomes the settings' FileSpec and
// is opened at start-up. The whole text counts as one path, spaces included;
// double quotes are dropped. A path too long for the settings is refused
// with a box.
void DocumentFromCommandLine(const std::string& text, AppSettings& settings);

// Drops every `drop` from `text`, or writes `replacement` in its place when
// that is not '\0'. Returns `text`.
char* StripChar(char* text, char drop, char replacement);
