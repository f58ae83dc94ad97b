#pragma once

#include <QTemporaryDir>

#include "app/main_window.h"
#include "app/settings.h"
#include "support/library.h"
#include "support/splash.h"

// The game's real main window, made as the start-up makes it, with the
// settings and the configuration kept in `folder`. Null if it could not be
// made.
inline platform::Window* OpenTestMainWindow(const QTemporaryDir& folder) {
  qputenv("XDG_CONFIG_HOME", folder.filePath("config").toUtf8());
  InitVEZU();
  Library.IniPath = folder.filePath("kestravane.ini").toStdString();
  LoadSettings(&Settings);
  // The start-up measures the picture before it makes the main window.
  if (!RegisterSplash()) return nullptr;
  CloseSplash();
  return CreateMainWindow(platform::ShowMode::Normal, &Settings);
}
