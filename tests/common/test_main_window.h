#pragma once

#include <QTemporaryDir>
#include <memory>

#include "app/main_window.h"
#include "app/settings.h"
#include "support/library.h"
#include "support/splash.h"

using namespace kestravane;

// The game's real main window, made as the start-up makes it, with the
// settings and the configuration kept in `folder`.
struct TestMainWindow {
  explicit TestMainWindow(const QTemporaryDir& folder) {
    qputenv("XDG_CONFIG_HOME", folder.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", folder.filePath("data").toUtf8());
    library.IniPath = folder.filePath("kestravane.ini").toStdString();
    settings = LoadSettings(library.IniPath);
    window = std::make_unique<MainWindow>(library, settings, splash, services);
    window->Start();
  }
  ~TestMainWindow() {
    // Nothing to offer for saving on the way out.
    session().InProgress = false;
  }

  Session& session() { return window->session(); }
  GameState& state() { return session().State; }

  // Puts the ship at (z, y, x), looking along `axis`.
  void PlaceShip(int z, int y, int x, ScanAxis axis) {
    state().Z = z;
    state().Y = y;
    state().X = x;
    state().Axis = axis;
  }

  // Draws the whole board from the session now, as every change does.
  void Repaint() { window->board().Refresh(); }

  LibraryState library = StartLibrary();
  AppSettings settings;
  Splash splash{library};
  Services services;
  std::unique_ptr<MainWindow> window;
};
