#pragma once

#include <QTemporaryDir>

#include "app/main_window.h"
#include "app/settings.h"
#include "engine/globals.h"
#include "platform/qt/app_window.h"
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

// What a control of the window shows.
inline QString ControlText(platform::Window* window, int id) {
  return platform::AppWindow::From(window)->Item(id)->property("text").toString();
}

// Puts the ship at (z, y, x), looking along `axis`.
inline void PlaceShip(int z, int y, int x, int axis) {
  Game.Z = z;
  Game.Y = y;
  Game.X = x;
  Game.ScanAxis = axis;
}
